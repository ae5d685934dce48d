// The real editor under Wine runs tools of its settings: filters over the selection through
// their temporary files, their error message, a program with the file macros, prompts, the
// tools' hotkeys.
#include "common/Constants.h"
#include "common/Paths.h"
#include "common/win32/FileSystem.h"
#include "common/win32/SystemErrorText.h"
#include "common/win32/SystemFolders.h"
#include "editor/resources/resource.h"
#include "editor/shell/ToolErrorMessage.h"
#include "tests/shell/FirstRunFile.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

namespace {

std::string TestProgramDir() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return DirectoryOf(std::string(path, length));
}

std::string ProbePath() {
  return JoinPath(TestProgramDir(), "FilterProbe.exe");
}

// The browser that the editor started, once it runs.
DWORD WaitForBrowser(DWORD editorId) {
  DWORD found = 0;
  EditorProcess::WaitUntil([&] {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
      if (entry.th32ParentProcessID == editorId && lstrcmpiA(entry.szExeFile, "iexplore.exe") == 0)
        found = entry.th32ProcessID;
    CloseHandle(snapshot);
    return found != 0;
  });
  return found;
}

void EndProcess(DWORD id) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
  ASSERT_TRUE(process);
  TerminateProcess(process, 0);
  WaitForSingleObject(process, INFINITE);
  CloseHandle(process);
}

struct ToolSpec {
  std::string Name, Command, Arguments, InitDir;
  bool SaveFirst = false;
  bool IsFilter = false;
  int Key = 0, Flags = 0;
  std::vector<std::string> Extensions;
};

std::string ExtensionLines(const std::vector<std::string>& extensions) {
  std::string lines;
  for (const std::string& extension : extensions) lines += "=" + extension + "\n";
  return lines;
}

std::string Record(const ToolSpec& tool) {
  return "MenuItemName=" + tool.Name + "\nCommand=" + tool.Command + "\nArguments=" + tool.Arguments +
         "\nInitDir=" + tool.InitDir + "\nSaveFileBeforeExecuting=" + (tool.SaveFirst ? "True" : "False") +
         "\nExtensionsCount=" + std::to_string(tool.Extensions.size()) + "\n" + ExtensionLines(tool.Extensions) +
         "Command=0\nKey=" + std::to_string(tool.Key) + "\nFlags=" + std::to_string(tool.Flags) +
         "\nIsFilter=" + (tool.IsFilter ? "True" : "False") + "\n";
}

// The first run's settings with these tools in place of the default ones, in CR LF form.
std::string SettingsWithTools(const std::vector<ToolSpec>& tools) {
  std::string text = FirstRunText;
  const size_t begin = text.find("CommandsCount=");
  const size_t end = text.find("\nAllowEscapedChars");
  std::string block = "CommandsCount=" + std::to_string(tools.size()) + "\n";
  for (const ToolSpec& tool : tools) block += Record(tool);
  text.replace(begin, end - begin, block);
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

// Tool i has the menu command 40000 + i: the tools take the first ids at start-up.
enum Tool : unsigned { Sort = 40000, Upper, Fail, Notes, CmdFind, Prompts, SelectAllKey, Missing, MissingFilter, UpperForC };

struct ToolsTest : testing::Test {
  ToolsTest() {
    const std::string probe = ProbePath();
    const std::string notes = "args \"" + Editor.Path("notes.txt") + "\" ";
    Editor.Folder().WriteBytes(SettingsFileName, SettingsWithTools({
        {"&Sort", probe, "sort", "", false, true},
        {"&Upper", probe, "upper", "", false, true, 'K', 9},  // Ctrl+K
        {"&Fail", probe, "fail", "", false, true},
        {"&Notes", probe, notes + "%FileName% %FileExt% \"%FilePath%\" %FileDir%", "%FileDir%", true, false},
        {"&Find", "cmd.exe", "/c find \"an\"", "", false, true},
        {"&Prompts", probe, notes + "\"%Prompt:Enter a value%\" [%Prompt:Second:%]", "", false, false},
        {"&All", probe, "upper", "", false, true, 'A', 9},  // Ctrl+A, Select All's own
        {"&Missing", "NoSuch%FileExt%Program.exe", "", "", false, false},
        {"Missing &Filter", "NoSuchFilter.exe", "", "", false, true},
        {"Upper for &C", probe, "upper", "", false, true, 'J', 9, {"c", "h"}},  // Ctrl+J
    }));
  }

  void Open(const std::string& name, const std::string& bytes) {
    Editor.Folder().WriteBytes(name, bytes);
    File = Editor.Path(name);
    Editor.Start({File});
    ASSERT_TRUE(Editor.WaitForMainWindow());
    EditorProcess::WaitUntil([&] { return Editor.Caption() == File; });
  }

  // The filter's three files in the temporary folder.
  std::vector<std::string> FilterFilesLeft() const {
    std::vector<std::string> files;
    const std::string pattern = "QuilvaneStd*" + std::to_string(Editor.ProcessId()) + ".txt";
    ListFiles(JoinPath(GetCommonFolders().TempDir, pattern), files, false, false);
    return files;
  }

  // What the Notes tool wrote, once it has finished writing.
  std::string NotesWritten() const {
    std::string notes;
    EditorProcess::WaitUntil([&] {
      notes = FileExists(Editor.Path("notes.txt")) ? Editor.Folder().ReadBytes("notes.txt") : "";
      return notes.find("cwd=") != std::string::npos && notes.back() == '\n';
    });
    return notes;
  }

  EditorProcess Editor;
  std::string File;
};

TEST_F(ToolsTest, AFilterKeepsTheSelectionsMissingOrPresentFinalLineBreak) {
  Open("doc.txt", "pear\r\napple");
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.Command(Sort);
  EXPECT_EQ(Editor.ViewText(), "apple\npear");
  EXPECT_TRUE(FilterFilesLeft().empty());
  EXPECT_EQ(Editor.Caption(), File + "*");
  // The output stays selected: the next filter takes all of it.
  Editor.Command(Upper);
  EXPECT_EQ(Editor.ViewText(), "APPLE\nPEAR");
  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), "apple\npear");
  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), "pear\napple");

  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.Command(ID_EDIT_DELETE);
  Editor.Type("zeta\ralpha\r");
  EditorProcess::WaitUntil([&] { return Editor.ViewText() == "zeta\nalpha\n"; });
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.Command(Sort);
  EXPECT_EQ(Editor.ViewText(), "alpha\nzeta\n");
  EXPECT_TRUE(FilterFilesLeft().empty());
}

// A UTF-8 document's selection goes to the filter as its bytes and the output comes back
// as bytes: the probe upper-cases ASCII and passes every other byte through.
TEST_F(ToolsTest, AUtf8SelectionReachesAFilterAsItsBytes) {
  Open("doc.txt", "gr\xC3\xBC\xC3\x9F" "e \xE6\x97\xA5\xE6\x9C\xAC abc");
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.Command(Upper);
  Editor.Command(ID_FILE_SAVE);
  EditorProcess::WaitUntil([&] { return Editor.Caption() == File; });
  EXPECT_EQ(Editor.Folder().ReadBytes("doc.txt"), "GR\xC3\xBC\xC3\x9F" "E \xE6\x97\xA5\xE6\x9C\xAC ABC");
}

// Its output could not replace the selection, so the filter does not run, from its menu
// item or from its hotkey.
TEST_F(ToolsTest, AReadOnlyDocumentRunsNoFilter) {
  Editor.Folder().WriteBytes("locked.txt", "locked text");
  ASSERT_TRUE(SetFileAttributesA(Editor.Path("locked.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  File = Editor.Path("locked.txt");
  Editor.Start({File});
  ASSERT_TRUE(Editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return Editor.Caption() == File + " [Read Only]"; });
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.Command(Upper);
  Editor.Command(Fail);
  Editor.PressKey('K', true);
  // Keys arrive in order: once End has moved the caret, Ctrl+K has been handled.
  Editor.PressKey(VK_END);
  EditorProcess::WaitUntil([&] { return Editor.StatusPartText(0) == "Ln 1, Col 12"; });
  EXPECT_EQ(Editor.ViewText(), "locked text");
  EXPECT_EQ(Editor.ProgramWindows().size(), 1u);
  SetFileAttributesA(File.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ToolsTest, AFilterThatWritesErrorsIsReportedAndChangesNothing) {
  Open("doc.txt", "keep me");
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.PostCommand(Fail);
  HWND error = Editor.WaitForWindow("Error");
  ASSERT_TRUE(error);
  EXPECT_EQ(EditorProcess::MessageBoxText(error),
            ToolErrorMessage(ProbePath(), "probe: cannot filter\nsecond line\n"));
  // The files go before the message shows.
  EXPECT_TRUE(FilterFilesLeft().empty());
  EditorProcess::Press(error, IDOK);
  EditorProcess::WaitUntil([&] { return !Editor.FindWindowNamed("Error"); });
  EXPECT_EQ(Editor.ViewText(), "keep me");
  EXPECT_EQ(Editor.Caption(), File);
}

TEST_F(ToolsTest, AFilterThroughTheCommandInterpreter) {
  Open("doc.txt", "banana\ncherry\nmango\n");
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.Command(CmdFind);
  EXPECT_EQ(Editor.ViewText(), "banana\nmango\n");
  EXPECT_TRUE(FilterFilesLeft().empty());
}

TEST_F(ToolsTest, AProgramGetsTheFileMacrosAndStartsInTheDocumentsFolderAfterTheSave) {
  CreateDirectoryA(Editor.Path("old.src").c_str(), nullptr);
  Open("old.src\\main.cpp", "int main();\n");
  Editor.Type("x");
  EditorProcess::WaitUntil([&] { return Editor.Caption() == File + "*"; });
  Editor.Command(Notes);
  const std::string folder = Editor.Path("old.src");
  EXPECT_EQ(NotesWritten(), "main\ncpp\n" + File + "\n" + folder + "\\\ncwd=" + folder + "\n");
  // Saved first, as the tool asks.
  EXPECT_EQ(Editor.Folder().ReadBytes("old.src\\main.cpp"), "xint main();\n");  // its own line breaks
  EXPECT_EQ(Editor.Caption(), File);
}

TEST_F(ToolsTest, AnUntitledDocumentStartsTheProgramInTheEditorsFolder) {
  Editor.Start({});
  ASSERT_TRUE(Editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return Editor.Caption() == "Untitled.txt"; });
  Editor.Command(Notes);
  EXPECT_EQ(NotesWritten(), "Untitled\ntxt\nUntitled.txt\ncwd=" + Editor.Folder().Root().string() + "\n");
}

TEST_F(ToolsTest, PromptsAskInOrderWithTheirLabelsAndCancelGivesNothing) {
  Open("doc.txt", "");
  Editor.PostCommand(Prompts);
  HWND first = Editor.WaitForWindow("Prompt");
  ASSERT_TRUE(first);
  EXPECT_EQ(WindowText(GetDlgItem(first, IDC_PROMPT_MESSAGE)), "Enter a value:");
  EXPECT_EQ(WindowText(GetDlgItem(first, IDC_PROMPT_TEXT)), "");
  SendMessageA(GetDlgItem(first, IDC_PROMPT_TEXT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("two words"));
  RedrawWindow(first, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT frame;
  GetWindowRect(first, &frame);
  SaveScreenshot(CaptureScreenArea(frame), "tools-prompt-dialog.png");
  EditorProcess::Press(first, IDOK);
  HWND second = nullptr;
  EditorProcess::WaitUntil([&] {
    second = Editor.FindWindowNamed("Prompt");
    return second && second != first;
  });
  EXPECT_EQ(WindowText(GetDlgItem(second, IDC_PROMPT_MESSAGE)), "Second:");
  SendMessageA(GetDlgItem(second, IDC_PROMPT_TEXT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("dropped"));
  EditorProcess::Press(second, IDCANCEL);
  EXPECT_EQ(NotesWritten(), "two words\n[]\ncwd=" + Editor.Folder().Root().string() + "\n");
}

TEST_F(ToolsTest, ToolHotkeysRunTheirToolUnlessTheMainTableHoldsTheKey) {
  Open("doc.txt", "quiet text");
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.PressKey('K', true);
  EditorProcess::WaitUntil([&] { return Editor.ViewText() == "QUIET TEXT"; });
  Editor.Command(ID_EDIT_UNDO);
  // Ctrl+A selects all and nothing else: the All tool never runs from its key.
  Editor.PressKey('A', true);
  Editor.PressKey('K', true);
  EditorProcess::WaitUntil([&] { return Editor.ViewText() == "QUIET TEXT"; });
  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), "quiet text");
}

TEST_F(ToolsTest, AProgramThatCannotStartIsReportedWithTheSystemsReason) {
  Open("doc.txt", "text");
  Editor.PostCommand(Missing);
  HWND error = Editor.WaitForWindow("Error");
  ASSERT_TRUE(error);
  EXPECT_EQ(EditorProcess::MessageBoxText(error),
            ToolErrorMessage("NoSuchtxtProgram.exe", SystemErrorText(ERROR_FILE_NOT_FOUND)));
  EditorProcess::Press(error, IDOK);
  EditorProcess::WaitUntil([&] { return !Editor.FindWindowNamed("Error"); });
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.PostCommand(MissingFilter);
  error = Editor.WaitForWindow("Error");
  ASSERT_TRUE(error);
  EXPECT_EQ(EditorProcess::MessageBoxText(error),
            ToolErrorMessage("NoSuchFilter.exe", SystemErrorText(ERROR_FILE_NOT_FOUND)));
  EXPECT_TRUE(FilterFilesLeft().empty());
  EditorProcess::Press(error, IDOK);
  EditorProcess::WaitUntil([&] { return !Editor.FindWindowNamed("Error"); });
  EXPECT_EQ(Editor.ViewText(), "text");
}

// Help > Contents, the platform's help command and F1 start the browser on the page that
// the build puts beside the program; F1 does not reach the text.
TEST_F(ToolsTest, TheHelpCommandsStartTheBrowser) {
  EXPECT_TRUE(FileExists(JoinPath(TestProgramDir(), HelpFileName)));
  Open("doc.txt", "text\n");
  Editor.PostCommand(ID_HELP_CONTENTS);
  EndProcess(WaitForBrowser(Editor.ProcessId()));
  Editor.PostCommand(ID_HELP);
  EndProcess(WaitForBrowser(Editor.ProcessId()));
  // Posted to the view rather than typed: the browser may keep the foreground.
  PostMessageA(Editor.View(), WM_KEYDOWN, VK_F1, 0);
  PostMessageA(Editor.View(), WM_KEYUP, VK_F1, 0xC0000000);
  EndProcess(WaitForBrowser(Editor.ProcessId()));
  EXPECT_EQ(Editor.ViewText(), "text\n");
  EXPECT_EQ(Editor.ProgramWindows().size(), 1u);
}

// The popup lists the tools with their hotkeys; a tool for other extensions is grey, and
// its hotkey does nothing.
TEST_F(ToolsTest, TheToolsPopupShowsWhichToolsTheDocumentOffers) {
  Open("doc.txt", "lower");
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.PressKey('J', true);
  Editor.PressKey(VK_END);
  EditorProcess::WaitUntil([&] { return Editor.StatusPartText(0) == "Ln 1, Col 6"; });
  EXPECT_EQ(Editor.ViewText(), "lower");
  Editor.PressKey(VK_MENU);
  Editor.PressKey('T');
  Sleep(700);  // the popup opens and paints in the other process
  RECT frame;
  GetWindowRect(Editor.MainWindow(), &frame);
  SaveScreenshot(CaptureScreenArea(frame), "tools-popup.png");
  Editor.PressKey(VK_ESCAPE);
  Editor.PressKey(VK_ESCAPE);
}

// Undo selects the lines that a filter replaced, in the direction they were selected, so
// that the filter can run on them once more; redo selects its output again.
TEST_F(ToolsTest, UndoingAFilterSelectsItsLinesAgainAndRedoSelectsItsOutput) {
  std::string text, upper, sorted;
  for (int line = 1; line <= 60; ++line) {
    const bool filtered = line >= 31 && line <= 35;
    const std::string number = std::to_string(100 - line);
    text += "item " + number + "\n";
    upper += (filtered ? "ITEM " : "item ") + number + "\n";
    sorted += filtered ? "ITEM " + std::to_string(34 + line) + "\n" : "item " + number + "\n";
  }
  Open("doc.txt", text);
  const auto waitForStatus = [&](const std::string& status) {
    EditorProcess::WaitUntil([&] { return Editor.StatusPartText(0) == status; });
  };
  Editor.PostCommand(ID_SEARCH_GOTO_LINE);
  HWND dialog = Editor.WaitForWindow("Goto Line");
  ASSERT_TRUE(dialog);
  SetDlgItemTextA(dialog, IDC_GOTO_LINE, "36");
  EditorProcess::Press(dialog, IDOK);
  waitForStatus("Ln 36, Col 1");
  Editor.PressShifted(VK_UP, 5);  // lines 31 to 35, from the start of line 36 upwards
  waitForStatus("Ln 31, Col 1");

  Editor.Command(Upper);
  EXPECT_EQ(Editor.ViewText(), upper);
  waitForStatus("Ln 36, Col 1");  // the output is selected
  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), text);
  waitForStatus("Ln 31, Col 1");
  Editor.Command(Upper);
  EXPECT_EQ(Editor.ViewText(), upper);
  waitForStatus("Ln 36, Col 1");

  Editor.Command(ID_EDIT_UNDO);
  waitForStatus("Ln 31, Col 1");
  Editor.Command(ID_EDIT_REDO);
  EXPECT_EQ(Editor.ViewText(), upper);
  waitForStatus("Ln 36, Col 1");
  // Sorting the selected output sorts those five lines alone.
  Editor.Command(Sort);
  EXPECT_EQ(Editor.ViewText(), sorted);
}

}  // namespace
