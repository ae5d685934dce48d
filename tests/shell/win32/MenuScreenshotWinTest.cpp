// Pictures of the real editor with a C++ file: the Editor Options dialog over the main window,
// and the File > Recent popup opened from the keyboard with three recent files.
#include "tests/shell/win32/EditorProcess.h"
#include "tests/shell/FirstRunFile.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const char CppSource[] =
    "// Counts the lines of a text.\n#include <string>\n\n/* A block\n   comment */\n"
    "int Count(const std::string& text) {\n  int lines = 1;\n  for (char c : text)\n"
    "    if (c == '\\n') ++lines;  // one more\n  return lines;\n}\n";

// The smallest rectangle around all the windows.
RECT Around(const std::vector<HWND>& windows) {
  RECT all{};
  for (HWND window : windows) {
    RECT rect;
    GetWindowRect(window, &rect);
    UnionRect(&all, &all, &rect);
  }
  return all;
}

// Lets the other process finish painting, then saves the picture of the area.
std::string SaveAreaShot(const std::vector<HWND>& windows, const char* fileName) {
  Sleep(700);
  return SaveScreenshot(CaptureScreenArea(Around(windows)), fileName);
}

struct MenuSearch {
  DWORD ProcessId;
  std::vector<HWND> Found;
};

BOOL CALLBACK CollectMenuWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<MenuSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[32] = "";
  GetClassNameA(window, className, sizeof className);
  if (owner == search->ProcessId && IsWindowVisible(window) && std::string(className) == "#32768")
    search->Found.push_back(window);
  return TRUE;
}

// The editor's open popup menus, as windows.
std::vector<HWND> OpenPopups(HWND main) {
  MenuSearch search{0, {}};
  GetWindowThreadProcessId(main, &search.ProcessId);
  EnumWindows(CollectMenuWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// The first run's settings with these files as the recent list, most recent first.
std::string SettingsWithRecentFiles(const std::vector<std::string>& paths) {
  std::string list = "RecentFilesCount=" + std::to_string(paths.size()) + "\n";
  for (const std::string& path : paths) list += "=" + path + "\n";
  std::string text = FirstRunText;
  const std::string empty = "RecentFilesCount=0\n";
  text.replace(text.find(empty), empty.size(), list);
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

// Starts the editor on Sample.cpp of its scratch folder; returns once the file shows.
void StartOnCppFile(EditorProcess& editor) {
  editor.Folder().WriteBytes("Sample.cpp", CppSource);
  editor.Start({editor.Path("Sample.cpp")});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.StatusText() == "Ln 1, Col 1"; });
  SetWindowPos(editor.MainWindow(), HWND_TOP, 20, 20, 760, 520, SWP_SHOWWINDOW);
  SetForegroundWindow(editor.MainWindow());
  // The view fills the client area above the status bar.
  HWND status = FindWindowExA(editor.MainWindow(), nullptr, STATUSCLASSNAMEA, nullptr);
  EditorProcess::WaitUntil([&] {
    RECT client, view, bar;
    GetClientRect(editor.MainWindow(), &client);
    GetWindowRect(editor.View(), &view);
    GetWindowRect(status, &bar);
    MapWindowPoints(editor.MainWindow(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    return view.left == client.left && view.top == client.top && view.right == client.right && view.bottom == bar.top;
  });
}

}  // namespace

TEST(MenuScreenshotTest, EditorOptionsOverACppFile) {
  EditorProcess editor;
  StartOnCppFile(editor);
  PostMessageA(editor.MainWindow(), WM_COMMAND, 32798, 0);  // Options > Editor...
  HWND dialog = editor.WaitForWindow("Editor Options");
  ASSERT_TRUE(dialog);
  // Modal over the main window, which it disables, and shown inside the screen.
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), editor.MainWindow());
  EditorProcess::WaitUntil([&] { return !IsWindowEnabled(editor.MainWindow()); });
  RECT rect;
  GetWindowRect(dialog, &rect);
  EXPECT_GE(rect.left, 0);
  EXPECT_GE(rect.top, 0);
  EXPECT_LE(rect.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_LE(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 1049)), "txt");
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 1044)), "4");
  EXPECT_FALSE(SaveAreaShot({editor.MainWindow(), dialog}, "QuilvaneEditorOptions.png").empty());
  EditorProcess::Press(dialog, IDCANCEL);
  EditorProcess::WaitUntil([&] { return IsWindowEnabled(editor.MainWindow()) != FALSE; });
}

TEST(MenuScreenshotTest, TheRecentPopupListsTheFilesWithNumberMnemonics) {
  EditorProcess editor;
  std::vector<std::string> recent;
  for (const char* name : {"notes.txt", "Makefile", "tools & more.cpp"}) {
    editor.Folder().WriteBytes(name, "text");
    recent.push_back(editor.Path(name));
  }
  editor.Folder().WriteBytes("Quilvane.ini", SettingsWithRecentFiles(recent));
  StartOnCppFile(editor);
  // Alt alone enters the menu bar; F opens File, R its Recent popup.
  editor.PressKey(VK_MENU);
  editor.PressKey('F');
  EditorProcess::WaitUntil([&] { return OpenPopups(editor.MainWindow()).size() == 1; });
  editor.PressKey('R');
  EditorProcess::WaitUntil([&] { return OpenPopups(editor.MainWindow()).size() == 2; });
  const std::vector<HWND> popups = OpenPopups(editor.MainWindow());
  std::vector<HWND> shown = popups;
  shown.push_back(editor.MainWindow());
  EXPECT_FALSE(SaveAreaShot(shown, "QuilvaneRecentPopup.png").empty());
  // Another process cannot read the popup's items: their mnemonics are tried instead. The file
  // just opened went to the front as "&0", so "&1" is the most recent file before it.
  editor.PressKey('1');
  EditorProcess::WaitUntil([&] { return editor.Caption() == recent[0]; });
  EXPECT_TRUE(OpenPopups(editor.MainWindow()).empty());
  EXPECT_EQ(editor.ViewText(), "text");
  // Now notes.txt is "&0"; "&3" is the file with "&" in its name.
  editor.PressKey(VK_MENU);
  editor.PressKey('F');
  editor.PressKey('R');
  editor.PressKey('3');
  EditorProcess::WaitUntil([&] { return editor.Caption() == recent[2]; });
  PostMessageA(editor.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(editor.WaitForExit(), 0u);
  const std::string order = "RecentFilesCount=4\r\n=" + recent[2] + "\r\n=" + recent[0] + "\r\n=" +
                            editor.Path("Sample.cpp") + "\r\n=" + recent[1] + "\r\n";
  EXPECT_NE(editor.Folder().ReadBytes("Quilvane.ini").find(order), std::string::npos);
}
