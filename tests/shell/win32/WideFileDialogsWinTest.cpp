// The real editor under Wine opens and saves files named beyond the code page through its
// Open and Save As dialogs, and the clipboard's part of the status bar follows the form of
// each document opened.
#include "tests/shell/win32/EditorProcess.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr unsigned SaveAsCommand = 32773;
constexpr int FileNameField = 1148;  // the explorer-style dialogs' file name field

void WriteWideFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size());
}

std::string ReadWideFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot open the saved file: " << GetLastError();
    return std::string();
  }
  std::string bytes(4096, '\0');
  DWORD read = 0;
  ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

// The text of a control of the editor's dialog, asked for directly: Wine's GetWindowTextW
// gives nothing for the dialog's file name field.
std::wstring WideText(HWND window) {
  wchar_t text[1024] = L"";
  const LRESULT length = SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return std::wstring(text, static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
}

// Types path into the file name field of a file dialog of the editor and confirms it.
void ChooseInDialog(EditorProcess& editor, const char* caption, const std::wstring& path) {
  HWND dialog = editor.WaitForWindow(caption);
  ASSERT_TRUE(dialog);
  SendMessageW(GetDlgItem(dialog, FileNameField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  EditorProcess::Press(dialog, IDOK);
}

void OpenThroughDialog(EditorProcess& editor, const std::wstring& path) {
  editor.PressKey('O', true);
  ChooseInDialog(editor, "Open", path);
  EditorProcess::WaitUntil([&] { return editor.WideCaption() == path; });
}

// A part of the editor's status bar in full, also where the code page lacks its characters.
std::wstring WideStatusPart(const EditorProcess& editor, int part) {
  HWND status = FindWindowExA(editor.MainWindow(), nullptr, STATUSCLASSNAMEA, nullptr);
  const SIZE_T size = (static_cast<SIZE_T>(LOWORD(SendMessageW(status, SB_GETTEXTLENGTHW, part, 0))) + 1) * sizeof(wchar_t);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, editor.ProcessId());
  void* remote = process ? VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE) : nullptr;
  std::wstring text(size / sizeof(wchar_t), L'\0');
  if (remote) {
    SendMessageW(status, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote, &text[0], size, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  } else {
    ADD_FAILURE() << "no memory in the editor's process: " << GetLastError();
  }
  if (process) CloseHandle(process);
  text.resize(text.find(L'\0'));
  return text;
}

void PutUnicodeOnClipboard(const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const SIZE_T size = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(memory), text.c_str(), size);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

}  // namespace

TEST(WideFileDialogs, TheOpenDialogOpensAFileNamedBeyondTheCodePage) {
  EditorProcess editor;
  const std::wstring file = editor.Folder().Root().wstring() + L"\\\u65E5\u672C.txt";
  WriteWideFile(file, "abc\r\ndef");
  editor.Start({});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.Caption() == "Untitled.txt"; });
  OpenThroughDialog(editor, file);
  EXPECT_EQ(editor.ViewText(), "abc\ndef");
}

TEST(WideFileDialogs, SaveAsProposesTheWideNameAndWritesToANewNameBeyondTheCodePage) {
  EditorProcess editor;
  const std::wstring folder = editor.Folder().Root().wstring();
  const std::wstring source = folder + L"\\\u65E5\u672C.txt";
  const std::wstring target = folder + L"\\\u6587\u66F8.txt";
  WriteWideFile(source, "text\r\n");
  editor.StartWide({source});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.WideCaption() == source; });
  editor.Type("x");
  EditorProcess::WaitUntil([&] { return editor.WideCaption() == source + L"*"; });
  editor.PostCommand(SaveAsCommand);
  HWND dialog = editor.WaitForWindow("Save As");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(WideText(GetDlgItem(dialog, FileNameField)), L"\u65E5\u672C.txt");
  ChooseInDialog(editor, "Save As", target);
  EditorProcess::WaitUntil([&] { return editor.WideCaption() == target; });
  EXPECT_EQ(ReadWideFile(target), "xtext\r\n");
  EXPECT_EQ(ReadWideFile(source), "text\r\n");
}

TEST(WideFileDialogs, TheClipboardStatusTakesTheFormOfTheDocumentOpened) {
  EditorProcess editor;
  editor.Folder().WriteBytes("ansi.txt", "abc");
  editor.Folder().WriteBytes("utf8.txt", "caf\xC3\xA9");
  PutUnicodeOnClipboard(L"\u65E5\u672C");
  editor.Start({editor.Path("ansi.txt")});
  ASSERT_TRUE(editor.WaitForMainWindow());
  // An ANSI document reads the clipboard in the code page, which has no place for these.
  EditorProcess::WaitUntil([&] { return WideStatusPart(editor, 1) == L"??"; });
  const std::wstring utf8File = editor.Folder().Root().wstring() + L"\\utf8.txt";
  OpenThroughDialog(editor, utf8File);
  EditorProcess::WaitUntil([&] { return WideStatusPart(editor, 1) == L"\u65E5\u672C"; });
  OpenThroughDialog(editor, editor.Folder().Root().wstring() + L"\\ansi.txt");
  EditorProcess::WaitUntil([&] { return WideStatusPart(editor, 1) == L"??"; });
}
