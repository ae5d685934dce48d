// The real editor under Wine on a UTF-8 file: the case commands keep multi-byte characters,
// the clipboard carries characters both ways, Find takes characters the code page lacks and
// counts letters beyond ASCII as word letters, and Insert Time/Date inserts UTF-8.
#include "common/win32/DateTimeText.h"
#include "editor/resources/resource.h"
#include "editor/shell/win32/AnsiCodePage.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/RawClipboard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "Grüße café 日本語 abc"
const std::string Sample = "Gr\xC3\xBC\xC3\x9F" "e caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E abc";
const std::wstring WideSample = L"Gr\u00FC\u00DFe caf\u00E9 \u65E5\u672C\u8A9E abc";
const std::string Japan = "\xE6\x97\xA5\xE6\x9C\xAC";  // 日本

struct Utf8Document : testing::Test {
  void Open(const std::string& bytes) {
    Editor.Folder().WriteBytes("doc.txt", bytes);
    File = Editor.Path("doc.txt");
    Editor.Start({File});
    ASSERT_TRUE(Editor.WaitForMainWindow());
    EditorProcess::WaitUntil([&] { return Editor.Caption() == File && Editor.StatusPartText(2) == "UTF-8"; });
    // "Opening doc.txt..." stays until the idle time after the load.
    EditorProcess::WaitUntil([&] { return Editor.StatusText().rfind("Ln ", 0) == 0; });
  }
  // The view's window text is the code page's form; the file shows the document's bytes.
  std::string SavedBytes() {
    Editor.Command(ID_FILE_SAVE);
    EditorProcess::WaitUntil([&] { return Editor.Caption() == File; });
    return Editor.Folder().ReadBytes("doc.txt");
  }

  EditorProcess Editor;
  std::string File;
};

std::wstring ClipboardUnicodeText() {
  std::wstring text;
  while (!OpenClipboard(nullptr)) Sleep(20);
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

bool PutClipboardUnicodeText(const std::wstring& text) {
  const std::string bytes(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
  return PutRawClipboard(CF_UNICODETEXT, GlobalBytes(bytes));
}

TEST_F(Utf8Document, CaseCommandsChangeAsciiLettersAndKeepEveryMultiByteCharacter) {
  Open(Sample);
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.Command(ID_EDIT_UPPER_CASE);
  EXPECT_EQ(SavedBytes(), "GR\xC3\xBC\xC3\x9F" "E CAF\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E ABC");
  Editor.Command(ID_EDIT_TITLE_CASE);
  EXPECT_EQ(SavedBytes(), "Gr\xC3\xBC\xC3\x9F" "e Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E Abc");
  Editor.Command(ID_EDIT_TOGGLE_CASE);
  Editor.Command(ID_EDIT_LOWER_CASE);
  EXPECT_EQ(SavedBytes(), "gr\xC3\xBC\xC3\x9F" "e caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E abc");
}

TEST_F(Utf8Document, CopyGivesOtherProgramsTheCharactersAndTheStatusBarShowsThem) {
  OpenAndEmptyClipboard();
  CloseClipboard();
  Open(Sample + "\n");
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.Command(ID_EDIT_COPY);
  EXPECT_EQ(ClipboardUnicodeText(), WideSample + L"\r\n");
  // Programs that read only the code page's text get its form of the characters.
  EXPECT_EQ(RawClipboardText(), AnsiFromUtf8(Sample + "\r\n").text);
  // The status bar holds the characters, so its code-page text is their form too, not
  // the UTF-8 bytes read as code-page characters.
  const std::string status = AnsiFromUtf8(Sample + "\\n").text;
  EditorProcess::WaitUntil([&] { return Editor.StatusPartText(1) == status; });
}

TEST_F(Utf8Document, PasteOfUnicodeTextStoresItsUtf8AndCodePageTextIsConverted) {
  Open(Sample);
  ASSERT_TRUE(PutClipboardUnicodeText(L"\u65E5\u672C"));
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.Command(ID_EDIT_PASTE);
  EXPECT_EQ(SavedBytes(), Japan);
  // A program that put only the code page's text: e acute there is 0xE9.
  ASSERT_TRUE(PutRawClipboardText(AnsiFromUtf8("caf\xC3\xA9").text));
  Editor.Command(ID_EDIT_PASTE);
  EXPECT_EQ(SavedBytes(), Japan + "caf\xC3\xA9");
}

TEST_F(Utf8Document, FindTakesTheCharactersOfItsField) {
  Open(Sample);
  Editor.PostCommand(ID_SEARCH_FIND);
  HWND dialog = Editor.WaitForWindow("Find");
  ASSERT_TRUE(dialog);
  HWND combo = GetDlgItem(dialog, IDC_FIND_TEXT);
  SendMessageW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"\u65E5\u672C\u8A9E"));
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FIND_TEXT, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
  EditorProcess::Press(dialog, IDC_FIND_BUTTON);
  EditorProcess::WaitUntil([&] { return !IsWindow(dialog); });
  // The match's end: behind the 14th character.
  EditorProcess::WaitUntil([&] { return Editor.StatusText() == "Ln 1, Col 15"; });
  // The selection as the field's first text shows as its characters.
  Editor.PostCommand(ID_SEARCH_FIND);
  dialog = Editor.WaitForWindow("Find");
  ASSERT_TRUE(dialog);
  wchar_t shown[32] = {};
  SendMessageW(GetDlgItem(dialog, IDC_FIND_TEXT), WM_GETTEXT, 32, reinterpret_cast<LPARAM>(shown));
  EXPECT_EQ(std::wstring(shown), L"\u65E5\u672C\u8A9E");
}

// "caf" inside "café" is no whole word: the letter beyond ASCII continues it.
TEST_F(Utf8Document, WholeWordFindTakesLettersBeyondAsciiAsPartOfTheWord) {
  Open("caf\xC3\xA9 caf");
  Editor.PostCommand(ID_SEARCH_FIND);
  HWND dialog = Editor.WaitForWindow("Find");
  ASSERT_TRUE(dialog);
  HWND combo = GetDlgItem(dialog, IDC_FIND_TEXT);
  SendMessageW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"caf"));
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FIND_TEXT, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
  CheckDlgButton(dialog, IDC_WHOLE_WORD, BST_CHECKED);
  EditorProcess::Press(dialog, IDC_FIND_BUTTON);
  EditorProcess::WaitUntil([&] { return !IsWindow(dialog); });
  // The second "caf" ends behind the 8th character, the one inside "café" behind the 3rd.
  EditorProcess::WaitUntil([&] { return Editor.StatusText() != "Ln 1, Col 1"; });
  EXPECT_EQ(Editor.StatusText(), "Ln 1, Col 9");
}

TEST_F(Utf8Document, InsertTimeDateConvertsTheCodePageTextToUtf8) {
  std::string settings = Editor.Folder().ReadBytes("Quilvane.ini");
  const std::string line = "TimeDateFormat=%Date% %Time%\r\n";
  ASSERT_NE(settings.find(line), std::string::npos);
  settings.replace(settings.find(line), line.size(), AnsiFromUtf8("TimeDateFormat=\xC3\xA9t\xC3\xA9 %LongDate%\r\n").text);
  Editor.Folder().WriteBytes("Quilvane.ini", settings);
  Open(Sample);
  Editor.Command(ID_EDIT_SELECT_ALL);
  // The day may turn meanwhile: the date before and the one after both count.
  const std::string before = Utf8FromAnsi(DateText(true));
  Editor.Command(ID_EDIT_INSERT_TIME_DATE);
  const std::string text = SavedBytes();
  EXPECT_TRUE(text == "\xC3\xA9t\xC3\xA9 " + before || text == "\xC3\xA9t\xC3\xA9 " + Utf8FromAnsi(DateText(true))) << text;
}

}  // namespace
