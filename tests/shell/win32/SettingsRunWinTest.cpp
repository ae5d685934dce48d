// The settings file across real runs of the editor: a first run without one, a value read back
// by the next run, a file of a newer version and a damaged file, each rewritten at exit.
#include "common/Constants.h"
#include "common/Paths.h"
#include "common/win32/SystemFolders.h"
#include "tests/shell/FirstRunFile.h"
#include "tests/shell/win32/EditorProcess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::string ReadFileAt(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string WithCrLf(const std::string& text) {
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

// The first run's file with one "key=value" line given another value.
std::string Changed(std::string text, const std::string& line, const std::string& replacement) {
  const size_t at = text.find(line + "\r\n");
  EXPECT_NE(at, std::string::npos) << line;
  if (at != std::string::npos) text.replace(at, line.size(), replacement);
  return text;
}

// The window's placement depends on the desktop; everything else of a file written at exit
// is fixed.
std::string WithoutPlacement(std::string text) {
  for (const char* key : {"WinPosTop=", "WinPosLeft=", "WinPosBottom=", "WinPosRight="}) {
    const size_t at = text.find(key);
    if (at == std::string::npos) continue;
    const size_t value = at + std::string(key).size();
    text.replace(value, text.find("\r\n", value) - value, "0");
  }
  return text;
}

// A tool's hotkey is written with the command id its menu item had in that run; it is given
// anew when the next run builds the menu.
std::string WithoutToolIds(std::string text) {
  const std::string key = "\r\nCommand=400";
  for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
    const size_t value = at + key.size() - 3;
    text.replace(value, text.find("\r\n", value) - value, "0");
  }
  return text;
}

// What a run writes at exit, with its placement and its tools' ids left out.
std::string Written(const std::string& text) {
  return WithoutToolIds(WithoutPlacement(text));
}

bool CharacterMapExists() {
  char path[MAX_PATH] = "";
  ExpandEnvironmentStringsA("%SystemRoot%\\System32\\charmap.exe", path, sizeof path);
  return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// The first run's file as this system writes it: Character Map is among the tools only
// where the program exists.
std::string FirstRunFile() {
  std::string text = WithCrLf(FirstRunText);
  if (CharacterMapExists()) return text;
  const size_t tool = text.find("MenuItemName=Character &Map\r\n");
  const std::string end = "IsFilter=False\r\n";
  text.erase(tool, text.find(end, tool) + end.size() - tool);
  return Changed(text, "CommandsCount=6", "CommandsCount=5");
}

// Starts the editor without a file and waits until its window shows.
HWND StartEmpty(EditorProcess& editor) {
  editor.Start({});
  HWND main = editor.WaitForMainWindow();
  if (main) EditorProcess::WaitUntil([&] { return editor.StatusText() == "Ln 1, Col 1"; });
  return main;
}

void CloseAndWait(EditorProcess& editor) {
  PostMessageA(editor.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(editor.WaitForExit(), 0u);
}

// Waits for the message box "Error", returns its text and answers it.
std::string AnswerError(EditorProcess& editor) {
  HWND box = editor.WaitForWindow("Error");
  EXPECT_TRUE(box);
  if (!box) return "";
  const std::string text = EditorProcess::MessageBoxText(box);
  EditorProcess::Press(box, IDOK);
  return text;
}

bool IsChecked(HWND dialog, int id) {
  return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

const char SettingsName[] = "Quilvane.ini";

}  // namespace

TEST(SettingsRunTest, AFirstRunWritesTheWholeDefaultFileAtExitIntoTheUsersFolder) {
  EditorProcess editor;
  ASSERT_TRUE(DeleteFileA(editor.Path(SettingsName).c_str()));
  const std::string perUser = JoinPath(GetCommonFolders().UserDataDir, SettingsFileName);
  ASSERT_TRUE(StartEmpty(editor));
  // Nothing is written before the end of the run.
  EXPECT_EQ(GetFileAttributesA(perUser.c_str()), INVALID_FILE_ATTRIBUTES);
  CloseAndWait(editor);
  const std::string written = ReadFileAt(perUser);
  DeleteFileA(perUser.c_str());
  // Version 10, the default tools with Character Map, the four schemes, every hotkey.
  EXPECT_EQ(Written(written), FirstRunFile());
  EXPECT_EQ(editor.Folder().ReadBytes(SettingsName), "");
}

TEST(SettingsRunTest, TheNextRunReadsValuesFromBeforeAndAfterTheToolsBack) {
  EditorProcess editor;
  std::string settings = FirstRunFile();
  settings = Changed(settings, "DefaultExtention=txt", "DefaultExtention=cpp");
  settings = Changed(settings, "TabWidth=4", "TabWidth=8");
  settings = Changed(settings, "MaxRecentFiles=15", "MaxRecentFiles=7");
  settings = Changed(settings, "ShowLineNumbers=False", "ShowLineNumbers=True");
  settings = Changed(settings, "ShowWhitespace=False", "ShowWhitespace=True");
  editor.Folder().WriteBytes(SettingsName, settings);
  ASSERT_TRUE(StartEmpty(editor));
  EXPECT_EQ(editor.Caption(), "Untitled.cpp");
  PostMessageA(editor.MainWindow(), WM_COMMAND, 32798, 0);  // Options > Editor...
  HWND dialog = editor.WaitForWindow("Editor Options");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 1049)), "cpp");
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 1044)), "8");
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 1045)), "7");
  EXPECT_TRUE(IsChecked(dialog, 1104));
  EXPECT_TRUE(IsChecked(dialog, 1114));
  EXPECT_FALSE(IsChecked(dialog, 1113));
  EditorProcess::Press(dialog, IDCANCEL);
  EditorProcess::WaitUntil([&] { return !editor.FindWindowNamed("Editor Options"); });
  CloseAndWait(editor);
  // Nothing was lost or added on the way through.
  EXPECT_EQ(Written(editor.Folder().ReadBytes(SettingsName)), settings);
}

TEST(SettingsRunTest, ANewerFileIsReportedKeptAsACopyThenOverwrittenWithTheDefaultsAtExit) {
  EditorProcess editor;
  editor.Folder().WriteBytes("Quilvane.ini.bak", "an older backup");
  std::string settings = Changed(WithCrLf(FirstRunText), "Version=10", "Version=11");
  settings = Changed(settings, "TabWidth=4", "TabWidth=8");
  editor.Folder().WriteBytes(SettingsName, settings);
  editor.Start({});
  const std::string path = editor.Path(SettingsName);
  EXPECT_EQ(AnswerError(editor),
            "The version of file '" + path +
                "' is newer than the version of Quilvane. Quilvane.ini will be overwritten. You should back up "
                "Quilvane.ini now if you don't want to lose your configuration data.\n\nA copy was kept as '" +
                path + ".bak'.");
  EXPECT_EQ(editor.Folder().ReadBytes("Quilvane.ini.bak"), settings);
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.StatusText() == "Ln 1, Col 1"; });
  EXPECT_EQ(editor.Caption(), "Untitled.txt");
  CloseAndWait(editor);
  // Nothing of the newer file is taken over: the defaults of a first run, version 10.
  EXPECT_EQ(Written(editor.Folder().ReadBytes(SettingsName)), FirstRunFile());
}

TEST(SettingsRunTest, AFileCutInTheToolsKeepsWhatWasReadAndGetsTheRestAtExit) {
  EditorProcess editor;
  std::string settings = WithCrLf(FirstRunText);
  settings = Changed(settings, "DefaultExtention=txt", "DefaultExtention=cpp");
  settings = Changed(settings, "TabWidth=4", "TabWidth=8");
  settings = Changed(settings, "CurrentColorScheme=0", "CurrentColorScheme=2");
  const std::string cut = "Command=explorer.exe\r\n";
  settings.resize(settings.find(cut) + cut.size());
  editor.Folder().WriteBytes(SettingsName, settings);
  editor.Start({});
  const std::string message = AnswerError(editor);
  EXPECT_EQ(message.rfind("Could not find field 'Arguments'", 0), 0u) << message;
  EXPECT_NE(message.find(editor.Path(SettingsName)), std::string::npos) << message;
  EXPECT_EQ(message.substr(message.find("\n\n")), "\n\nA copy was kept as '" + editor.Path("Quilvane.ini.bak") + "'.");
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.StatusText() == "Ln 1, Col 1"; });
  EXPECT_EQ(editor.Caption(), "Untitled.cpp");
  CloseAndWait(editor);
  const std::string written = editor.Folder().ReadBytes(SettingsName);
  EXPECT_EQ(written.rfind("Version=10\r\n\r\nDefaultExtention=cpp\r\n", 0), 0u) << written.substr(0, 200);
  EXPECT_NE(written.find("TabWidth=8\r\n"), std::string::npos);
  // The schemes were read before the damage: the same four, none added twice.
  EXPECT_NE(written.find("CurrentColorScheme=2\r\nColorSchemeCount=4\r\nName=Sky\r\n"), std::string::npos);
  // The whole hotkey table, Character Map where it exists, and every field after the tools.
  const std::string hotkeys = "AcceleratorTableCount=33\r\n";
  const std::string firstRun = WithCrLf(FirstRunText);
  const size_t from = firstRun.find(hotkeys), to = firstRun.find("CommandsCount=");
  EXPECT_NE(written.find(firstRun.substr(from, to - from)), std::string::npos);
  EXPECT_EQ(written.find("MenuItemName=Character &Map\r\n") != std::string::npos, CharacterMapExists());
  // The tool cut off keeps the fields read before the cut, the rest are a new tool's.
  EXPECT_NE(written.find("MenuItemName=&Windows Explorer\r\nCommand=explorer.exe\r\nArguments=\"%FilePath%\"\r\n"
                         "InitDir=%FileDir%\r\nSaveFileBeforeExecuting=True\r\n"),
            std::string::npos);
  // What the user had is in the copy, byte for byte, after the run wrote the file anew.
  EXPECT_EQ(editor.Folder().ReadBytes("Quilvane.ini.bak"), settings);
  const std::string tail = "\r\nAllowEscapedChars=True\r\nCloseDialogOnFind=True\r\n\r\nShowLineNumbers=False\r\n"
                           "TabInsertsSpaces=False\r\nShowWhitespace=False\r\nWordWrap=False\r\nZoom=0\r\n"
                           "HighlightCaretLine=False\r\n";
  EXPECT_EQ(written.substr(written.size() - tail.size()), tail);
}

TEST(SettingsRunTest, ADamagedLanguageFileBesideTheProgramIsKeptAsACopy) {
  EditorProcess editor;
  const std::string damaged = "Version=10\r\n\r\nName=Mine\r\nExtensionsCount=1\r\n";
  editor.Folder().WriteBytes("Mine.lang", damaged);
  editor.Start({});
  const std::string message = AnswerError(editor);
  EXPECT_EQ(message.rfind("Could not find field", 0), 0u) << message;
  EXPECT_EQ(message.substr(message.find("\n\n")), "\n\nA copy was kept as '" + editor.Path("Mine.lang.bak") + "'.");
  ASSERT_TRUE(editor.WaitForMainWindow());
  CloseAndWait(editor);
  EXPECT_EQ(editor.Folder().ReadBytes("Mine.lang.bak"), damaged);
  EXPECT_EQ(editor.Folder().ReadBytes("Mine.lang"), damaged);
}
