// Starting, watching and driving a copy of the editor in a scratch folder.
#include "tests/shell/win32/EditorProcess.h"

#include "common/Constants.h"
#include "common/Paths.h"
#include "common/win32/FileSystem.h"
#include "common/win32/SystemFolders.h"
#include "tests/shell/FirstRunFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string TestProgramDir() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return DirectoryOf(std::string(path, length));
}

// The first run's settings with CR LF line ends, as the editor writes them.
std::string SettingsText(int newLineType) {
  std::string text = FirstRunText;
  const std::string key = "NewLineType=0";
  text.replace(text.find(key), key.size(), "NewLineType=" + std::to_string(newLineType));
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

struct WindowSearch {
  DWORD ProcessId;
  std::vector<HWND> Found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->ProcessId && IsWindowVisible(window)) search->Found.push_back(window);
  return TRUE;
}

INPUT KeyInput(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

// The build puts the distribution's language files beside the program, where it finds them.
void EditorProcess::CopyLanguageFiles(const std::string& programDir) {
  std::vector<std::string> files;
  ListFiles(JoinPath(programDir, std::string("*") + LanguageFileExtension), files, false, false);
  for (const std::string& name : files)
    CopyFileA(JoinPath(programDir, name).c_str(), Scratch.Path(name).c_str(), FALSE);
}

std::string WindowText(HWND window) {
  char text[4096] = "";
  const LRESULT length = SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return std::string(text, static_cast<size_t>(length > 0 ? length : 0));
}

EditorProcess::EditorProcess(int newLineType) {
  Program = Scratch.Path("Quilvane.exe");
  const std::string original = JoinPath(TestProgramDir(), "Quilvane.exe");
  EXPECT_TRUE(CopyFileA(original.c_str(), Program.c_str(), FALSE)) << original;
  Scratch.WriteBytes(SettingsFileName, SettingsText(newLineType));
  CopyLanguageFiles(TestProgramDir());
  DeleteFileA(JoinPath(GetCommonFolders().UserDataDir, SettingsFileName).c_str());
}

EditorProcess::~EditorProcess() {
  if (!Process.hProcess) return;
  if (IsRunning()) {
    TerminateProcess(Process.hProcess, 1);
    WaitForSingleObject(Process.hProcess, INFINITE);
  }
  CloseHandle(Process.hProcess);
  CloseHandle(Process.hThread);
}

void EditorProcess::Start(const std::vector<std::string>& arguments) {
  Main = nullptr;  // a second run has a window of its own
  std::string commandLine = "\"" + Program + "\"";
  for (const std::string& argument : arguments) commandLine += " \"" + argument + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  ASSERT_TRUE(CreateProcessA(Program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                             Scratch.Root().string().c_str(), &startup, &Process))
      << GetLastError();
}

void EditorProcess::StartWide(const std::vector<std::wstring>& arguments) {
  Main = nullptr;
  std::wstring program(Program.begin(), Program.end());  // the scratch folder's name is ASCII
  std::wstring commandLine = L"\"" + program + L"\"";
  for (const std::wstring& argument : arguments) commandLine += L" \"" + argument + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  ASSERT_TRUE(CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                             Scratch.Root().wstring().c_str(), &startup, &Process))
      << GetLastError();
}

std::vector<HWND> EditorProcess::ProgramWindows() const {
  WindowSearch search{Process.dwProcessId, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

HWND EditorProcess::WaitForMainWindow() {
  WaitUntil([this] {
    for (HWND window : ProgramWindows())
      if (GetDlgItem(window, 104)) Main = window;
    return Main != nullptr || !IsRunning();
  });
  return Main;
}

HWND EditorProcess::FindWindowNamed(const std::string& caption) const {
  for (HWND window : ProgramWindows())
    if (WindowText(window) == caption) return window;
  return nullptr;
}

HWND EditorProcess::WaitForWindow(const std::string& caption) {
  HWND found = nullptr;
  WaitUntil([&] {
    found = FindWindowNamed(caption);
    return found != nullptr || !IsRunning();
  });
  return found;
}

std::string EditorProcess::MessageBoxText(HWND box) {
  // The message box's text is its static control with id 0xFFFF.
  return WindowText(GetDlgItem(box, 0xFFFF));
}

void EditorProcess::Press(HWND dialog, int buttonId) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

HWND EditorProcess::View() const {
  return GetDlgItem(Main, 104);
}

std::string EditorProcess::Caption() const {
  return WindowText(Main);
}

std::wstring EditorProcess::WideCaption() const {
  wchar_t text[1024] = L"";
  const int length = GetWindowTextW(Main, text, 1024);
  return std::wstring(text, static_cast<std::size_t>(std::max(length, 0)));
}

std::string EditorProcess::ViewText() const {
  return WindowText(View());
}

std::string EditorProcess::StatusText() const {
  HWND status = FindWindowExA(Main, nullptr, STATUSCLASSNAMEA, nullptr);
  return WindowText(status);
}

// A status bar answers SB_GETTEXT only with a buffer in its own process: the text is
// written there and read back.
std::string EditorProcess::StatusPartText(int part) const {
  HWND status = FindWindowExA(Main, nullptr, STATUSCLASSNAMEA, nullptr);
  const LRESULT info = SendMessageA(status, SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0);
  const SIZE_T size = static_cast<SIZE_T>(LOWORD(info)) + 1;
  void* remote = VirtualAllocEx(Process.hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!remote) {
    ADD_FAILURE() << "no memory in the editor's process: " << GetLastError();
    return std::string();
  }
  SendMessageA(status, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(remote));
  std::string text(size, '\0');
  SIZE_T read = 0;
  ReadProcessMemory(Process.hProcess, remote, &text[0], size, &read);
  VirtualFreeEx(Process.hProcess, remote, 0, MEM_RELEASE);
  text.resize(std::min<SIZE_T>(read, size - 1));
  return text.c_str();
}

std::vector<int> EditorProcess::StatusPartEdges() const {
  HWND status = FindWindowExA(Main, nullptr, STATUSCLASSNAMEA, nullptr);
  const int count = static_cast<int>(SendMessageA(status, SB_GETPARTS, 0, 0));
  std::vector<int> edges(static_cast<std::size_t>(count));
  const SIZE_T size = edges.size() * sizeof(int);
  void* remote = VirtualAllocEx(Process.hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!remote) {
    ADD_FAILURE() << "no memory in the editor's process: " << GetLastError();
    return edges;
  }
  SendMessageA(status, SB_GETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(remote));
  SIZE_T read = 0;
  ReadProcessMemory(Process.hProcess, remote, edges.data(), size, &read);
  VirtualFreeEx(Process.hProcess, remote, 0, MEM_RELEASE);
  return edges;
}

void EditorProcess::Command(unsigned id) const {
  SendMessageA(Main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void EditorProcess::PostCommand(unsigned id) const {
  PostMessageA(Main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void EditorProcess::SendKeys(std::vector<INPUT>& inputs, HWND target) {
  if (!target) target = Main;
  SetForegroundWindow(target);
  WaitUntil([target] { return GetForegroundWindow() == target; });
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void EditorProcess::Type(const std::string& text) {
  std::vector<INPUT> inputs;
  for (char c : text) {
    const SHORT scan = VkKeyScanA(c);
    const WORD key = LOBYTE(scan);
    const bool shift = (HIBYTE(scan) & 1) != 0;
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
  }
  SendKeys(inputs);
}

void EditorProcess::PressKey(WORD virtualKey, bool control, HWND target) {
  std::vector<INPUT> inputs;
  if (control) inputs.push_back(KeyInput(VK_CONTROL, false));
  inputs.push_back(KeyInput(virtualKey, false));
  inputs.push_back(KeyInput(virtualKey, true));
  if (control) inputs.push_back(KeyInput(VK_CONTROL, true));
  SendKeys(inputs, target);
}

void EditorProcess::PressShifted(WORD virtualKey, int count) {
  std::vector<INPUT> inputs{KeyInput(VK_SHIFT, false)};
  for (int i = 0; i < count; ++i) {
    inputs.push_back(KeyInput(virtualKey, false));
    inputs.push_back(KeyInput(virtualKey, true));
  }
  inputs.push_back(KeyInput(VK_SHIFT, true));
  SendKeys(inputs);
}

void EditorProcess::TypeUnits(const std::wstring& units) {
  std::vector<INPUT> inputs;
  for (const wchar_t unit : units) {
    for (const bool up : {false, true}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = static_cast<WORD>(unit);
      input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    }
  }
  SendKeys(inputs);
}

DWORD EditorProcess::WaitForExit() {
  WaitForSingleObject(Process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(Process.hProcess, &code);
  return code;
}

bool EditorProcess::IsRunning() const {
  return Process.hProcess && WaitForSingleObject(Process.hProcess, 0) == WAIT_TIMEOUT;
}
