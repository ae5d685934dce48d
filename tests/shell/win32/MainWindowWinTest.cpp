// The real editor under Wine: the command line, typing and saving with each line-break type,
// the save question on close, files with NUL bytes, the reload question and the help box.
#include "editor/shell/CommandLineOptions.h"
#include "editor/shell/DocumentText.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

// Four lines separated by CR LF, a lone CR and a lone LF, without a break after the last.
const char MixedBreaks[] = "alpha\r\nbeta\rgamma\ndelta";

// Starts the editor on a file of the scratch folder and waits for its window.
struct OpenedEditor {
  explicit OpenedEditor(const std::string& bytes, int newLineType = 0, const char* name = "doc.txt",
                        std::vector<std::string> extra = {})
      : Editor(newLineType), File(Editor.Path(name)) {
    Editor.Folder().WriteBytes(name, bytes);
    extra.insert(extra.begin(), File);
    Editor.Start(extra);
  }
  std::string Disk() const { return Editor.Folder().ReadBytes(FileNameOf(File)); }
  static std::string FileNameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

  EditorProcess Editor;
  std::string File;
};

// The caption with the modified mark once the typed keys have arrived.
void WaitForModified(EditorProcess& editor, const std::string& path) {
  EditorProcess::WaitUntil([&] { return editor.Caption() == path + "*"; });
}

// What the screen shows of a window: another process's window is read from the screen, as
// its own device context is not this process's to read.
Image CaptureFromScreen(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  return CaptureScreenArea(frame);
}

struct LogOffQuery {
  HWND Window;
  DWORD_PTR Answer;
};

DWORD WINAPI AskLogOff(LPVOID data) {
  auto* query = static_cast<LogOffQuery*>(data);
  SendMessageTimeoutA(query->Window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, INFINITE, &query->Answer);
  return 0;
}

}  // namespace

TEST(MainWindowTest, OpensTheCommandLineFileWithEveryLineBreakAsLineFeedAndGoesToTheLine) {
  OpenedEditor opened(MixedBreaks, 0, "doc.txt", {"-GL", "3"});
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(opened.Editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return opened.Editor.Caption() == opened.File; });
  EXPECT_EQ(opened.Editor.ViewText(), "alpha\nbeta\ngamma\ndelta");
  EditorProcess::WaitUntil([&] { return opened.Editor.StatusText() == "Ln 3, Col 1"; });
  const auto shown = std::chrono::steady_clock::now();
  std::printf("[ measure ] start-up to the shown document: %lld ms\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(shown - start).count()));
}

TEST(MainWindowTest, ALineBeyondTheEndGoesToTheLastLine) {
  OpenedEditor opened("one\ntwo\nthree", 0, "doc.txt", {"-gl", "99"});
  ASSERT_TRUE(opened.Editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return opened.Editor.StatusText() == "Ln 3, Col 1"; });
  EXPECT_EQ(opened.Editor.Caption(), opened.File);
}

TEST(MainWindowTest, AMissingFileStartsAnEmptyDocumentOfThatName) {
  EditorProcess editor;
  const std::string missing = editor.Path("new file.cpp");
  editor.Start({missing});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.Caption() == missing; });
  EXPECT_EQ(editor.ViewText(), "");
  EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(MainWindowTest, NoFileStartsTheUntitledDocument) {
  EditorProcess editor;
  editor.Start({});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.Caption() == "Untitled.txt"; });
  EditorProcess::WaitUntil([&] { return editor.StatusText() == "Ln 1, Col 1"; });
  EXPECT_EQ(editor.ViewText(), "");
}

class SaveLineBreaksTest : public testing::TestWithParam<int> {};

// The file's first line break decides for all of them; the setting is for new documents.
TEST_P(SaveLineBreaksTest, TypedTextIsSavedWithCtrlSInTheFilesFirstLineBreakWhateverTheSetting) {
  OpenedEditor opened(MixedBreaks, GetParam());
  ASSERT_TRUE(opened.Editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return opened.Editor.Caption() == opened.File; });
  opened.Editor.Type("Hi ");
  WaitForModified(opened.Editor, opened.File);
  EXPECT_EQ(opened.Editor.ViewText(), "Hi alpha\nbeta\ngamma\ndelta");
  opened.Editor.PressKey('S', true);
  EditorProcess::WaitUntil([&] { return opened.Editor.Caption() == opened.File; });
  EXPECT_EQ(opened.Disk(), "Hi alpha\r\nbeta\r\ngamma\r\ndelta");
}

INSTANTIATE_TEST_SUITE_P(EachNewLineType, SaveLineBreaksTest, testing::Values(0, 1, 2));

TEST(MainWindowTest, SavingRemovesTrailingBlanksAndUnmodifiedSaveWritesNothing) {
  OpenedEditor opened("abc\r\nlast");
  ASSERT_TRUE(opened.Editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return opened.Editor.Caption() == opened.File; });
  opened.Editor.PressKey(VK_END);
  opened.Editor.Type(" \t ");
  WaitForModified(opened.Editor, opened.File);
  opened.Editor.PressKey('S', true);
  EditorProcess::WaitUntil([&] { return opened.Editor.Caption() == opened.File; });
  EXPECT_EQ(opened.Disk(), "abc\r\nlast");
  // Saving again writes nothing, even when the file went meanwhile.
  ASSERT_TRUE(DeleteFileA(opened.File.c_str()));
  opened.Editor.PressKey('S', true);
  opened.Editor.PressKey(VK_END, true);
  EditorProcess::WaitUntil([&] { return opened.Editor.StatusText() == "Ln 2, Col 5"; });
  EXPECT_EQ(GetFileAttributesA(opened.File.c_str()), INVALID_FILE_ATTRIBUTES);
}

class SaveQuestionTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Opened.Editor.WaitForMainWindow());
    EditorProcess::WaitUntil([&] { return Opened.Editor.Caption() == Opened.File; });
    Opened.Editor.Type("x");
    WaitForModified(Opened.Editor, Opened.File);
  }
  // Closes the window as its title bar does and answers the question.
  void CloseAndAnswer(int button) {
    PostMessageA(Opened.Editor.MainWindow(), WM_CLOSE, 0, 0);
    HWND box = Opened.Editor.WaitForWindow("Save File");
    ASSERT_TRUE(box);
    EXPECT_EQ(EditorProcess::MessageBoxText(box), "Save modified file?");
    EXPECT_TRUE(GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && GetDlgItem(box, IDCANCEL));
    EditorProcess::Press(box, button);
  }

  OpenedEditor Opened{"text"};
};

TEST_F(SaveQuestionTest, YesSavesAndCloses) {
  CloseAndAnswer(IDYES);
  EXPECT_EQ(Opened.Editor.WaitForExit(), 0u);
  EXPECT_EQ(Opened.Disk(), "xtext");
}

TEST_F(SaveQuestionTest, NoClosesWithoutSaving) {
  CloseAndAnswer(IDNO);
  EXPECT_EQ(Opened.Editor.WaitForExit(), 0u);
  EXPECT_EQ(Opened.Disk(), "text");
}

TEST_F(SaveQuestionTest, CancelKeepsTheWindowAndTheText) {
  CloseAndAnswer(IDCANCEL);
  EditorProcess::WaitUntil([&] { return !Opened.Editor.FindWindowNamed("Save File"); });
  // The window still answers and still holds the change.
  EXPECT_TRUE(Opened.Editor.IsRunning());
  EXPECT_EQ(Opened.Editor.ViewText(), "xtext");
  EXPECT_EQ(Opened.Editor.Caption(), Opened.File + "*");
  EXPECT_EQ(Opened.Disk(), "text");
}

TEST_F(SaveQuestionTest, CancelInTheLogOffQueryVetoesTheLogOff) {
  // Asked from another thread, as the question holds the answer back until it is answered.
  LogOffQuery query{Opened.Editor.MainWindow(), 1};
  HANDLE thread = CreateThread(nullptr, 0, AskLogOff, &query, 0, nullptr);
  ASSERT_TRUE(thread);
  HWND box = Opened.Editor.WaitForWindow("Save File");
  ASSERT_TRUE(box);
  EditorProcess::Press(box, IDCANCEL);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  EXPECT_EQ(query.Answer, 0u);
  EXPECT_TRUE(Opened.Editor.IsRunning());
  EXPECT_EQ(Opened.Disk(), "text");
}

TEST(MainWindowTest, AFileWithANulByteOpensReadOnlyAndIsNeverCut) {
  const std::string bytes("head\r\nabc\0def\r\nmore", 19);
  OpenedEditor opened(bytes);
  HWND box = opened.Editor.WaitForWindow("Quilvane");
  ASSERT_TRUE(box);
  EXPECT_EQ(EditorProcess::MessageBoxText(box), BinaryFileMessage(opened.File));
  EditorProcess::Press(box, IDOK);
  ASSERT_TRUE(opened.Editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return opened.Editor.Caption() == opened.File + " [Read Only]"; });
  EXPECT_EQ(opened.Editor.ViewText(), "head\nabc");
  // Typing changes nothing, and the file watch (a second) does not make it writable.
  opened.Editor.Type("zz");
  opened.Editor.PressKey('S', true);
  Sleep(1500);
  EXPECT_EQ(opened.Editor.ViewText(), "head\nabc");
  EXPECT_EQ(opened.Editor.Caption(), opened.File + " [Read Only]");
  // Nothing to save, so closing asks nothing, and the file keeps every byte.
  PostMessageA(opened.Editor.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(opened.Editor.WaitForExit(), 0u);
  EXPECT_EQ(opened.Disk(), bytes);
}

TEST(MainWindowTest, AChangeByAnotherProgramIsOfferedForReload) {
  OpenedEditor opened("first\nsecond");
  ASSERT_TRUE(opened.Editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return opened.Editor.Caption() == opened.File; });
  opened.Editor.PressKey(VK_DOWN);
  EditorProcess::WaitUntil([&] { return opened.Editor.StatusText() == "Ln 2, Col 1"; });
  Sleep(20);  // a later write time than the one loaded
  opened.Editor.Folder().WriteBytes("doc.txt", "changed\r\nlines\r\nthree");
  HWND box = opened.Editor.WaitForWindow("Reload File");
  ASSERT_TRUE(box);
  EXPECT_EQ(EditorProcess::MessageBoxText(box), ExternalChangeQuestion(opened.File, false));
  EditorProcess::Press(box, IDYES);
  EditorProcess::WaitUntil([&] { return opened.Editor.ViewText() == "changed\nlines\nthree"; });
  // The caret stays on its line.
  EditorProcess::WaitUntil([&] { return opened.Editor.StatusText() == "Ln 2, Col 1"; });
  EXPECT_EQ(opened.Editor.Caption(), opened.File);
}

TEST(MainWindowTest, HelpShowsTheUsageAndEndsWithoutWritingSettings) {
  EditorProcess editor;
  const std::string settings = editor.Folder().ReadBytes("Quilvane.ini");
  editor.Start({"/help"});
  HWND box = editor.WaitForWindow("Quilvane Command Line Help");
  ASSERT_TRUE(box);
  EXPECT_EQ(EditorProcess::MessageBoxText(box), CommandLineHelpText());
  EditorProcess::Press(box, IDOK);
  EXPECT_EQ(editor.WaitForExit(), 0u);
  EXPECT_EQ(editor.Folder().ReadBytes("Quilvane.ini"), settings);
}

TEST(MainWindowTest, ScreenshotOfACppFile) {
  const std::string source =
      "// Shows the window with a C++ file.\n#include <string>\n\n/* A block\n   comment */\n"
      "int Count(const std::string& text) {\n  int lines = 1;\n  for (char c : text)\n"
      "    if (c == '\\n') ++lines;  // one more\n  return lines;\n}\n";
  OpenedEditor opened(source, 0, "Sample.cpp");
  ASSERT_TRUE(opened.Editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return opened.Editor.StatusText() == "Ln 1, Col 1"; });
  SetForegroundWindow(opened.Editor.MainWindow());
  RedrawWindow(opened.Editor.MainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(500);  // the other process paints in its own time
  const Image shot = CaptureFromScreen(opened.Editor.MainWindow());
  EXPECT_GT(shot.Width(), 200);
  EXPECT_FALSE(SaveScreenshot(shot, "QuilvaneMainWindow.png").empty());
  // Keywords of the C++ language file are coloured: some pixels are neither black nor white
  // nor grey inside the view.
  RECT view;
  GetWindowRect(opened.Editor.View(), &view);
  RECT frame;
  GetWindowRect(opened.Editor.MainWindow(), &frame);
  int coloured = 0;
  for (int y = view.top - frame.top; y < view.bottom - frame.top; ++y)
    for (int x = view.left - frame.left; x < view.right - frame.left; ++x) {
      const COLORREF c = shot.At(x, y);
      if (GetRValue(c) != GetGValue(c) || GetGValue(c) != GetBValue(c)) ++coloured;
    }
  EXPECT_GT(coloured, 50);
}

TEST(MainWindowTest, EditorOptionsStoreTheExtensionWithoutDotsAndRefuseForbiddenOnes) {
  EditorProcess editor;
  editor.Start({});
  ASSERT_TRUE(editor.WaitForMainWindow());
  PostMessageA(editor.MainWindow(), WM_COMMAND, 32798, 0);
  HWND dialog = editor.WaitForWindow("Editor Options");
  ASSERT_TRUE(dialog);
  HWND extension = GetDlgItem(dialog, 1049);
  EXPECT_EQ(WindowText(extension), "txt");
  // The preview follows the format as it is typed (its macros: TextCommandsWinTest).
  SendMessageA(GetDlgItem(dialog, 1047), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("plain words"));
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 1051)), "plain words");
  SendMessageA(extension, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("a*b"));
  EditorProcess::Press(dialog, IDOK);
  HWND error = editor.WaitForWindow("Error");
  ASSERT_TRUE(error);
  EXPECT_NE(EditorProcess::MessageBoxText(error).find("'a*b'"), std::string::npos);
  EditorProcess::Press(error, IDOK);
  EditorProcess::WaitUntil([&] { return !editor.FindWindowNamed("Error"); });
  ASSERT_TRUE(editor.FindWindowNamed("Editor Options"));
  SendMessageA(extension, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(".c"));
  CheckRadioButton(dialog, 1040, 1042, 1042);
  EditorProcess::Press(dialog, IDOK);
  // OK writes the settings at once.
  EditorProcess::WaitUntil([&] {
    const std::string settings = editor.Folder().ReadBytes("Quilvane.ini");
    return settings.find("DefaultExtention=c\r\n") != std::string::npos &&
           settings.find("NewLineType=2\r\n") != std::string::npos;
  });
  EXPECT_FALSE(editor.FindWindowNamed("Editor Options"));
  // A new document takes the new extension.
  editor.PressKey('N', true);
  EditorProcess::WaitUntil([&] { return editor.Caption() == "Untitled.c"; });
}

TEST(MainWindowTest, PlacementWordWrapAndRecentFilesAreKeptForTheNextRun) {
  const std::string settingsName = "Quilvane.ini";
  EditorProcess editor;
  editor.Folder().WriteBytes("notes.txt", "some notes");
  const std::string notes = editor.Path("notes.txt");
  editor.Start({notes});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.Caption() == notes; });
  SetWindowPos(editor.MainWindow(), nullptr, 40, 30, 500, 360, SWP_NOZORDER | SWP_NOACTIVATE);
  PostMessageA(editor.MainWindow(), WM_COMMAND, 32811, 0);  // Options > Word Wrap
  ShowWindow(editor.MainWindow(), SW_MAXIMIZE);
  PostMessageA(editor.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(editor.WaitForExit(), 0u);
  const std::string settings = editor.Folder().ReadBytes(settingsName);
  EXPECT_NE(settings.find("Maximized=True\r\n"), std::string::npos);
  EXPECT_NE(settings.find("WinPosTop=30\r\nWinPosLeft=40\r\nWinPosBottom=390\r\nWinPosRight=540\r\n"), std::string::npos)
      << settings.substr(0, 400);
  EXPECT_NE(settings.find("WordWrap=True"), std::string::npos);
  EXPECT_NE(settings.find("RecentFilesCount=1\r\n=" + notes + "\r\n"), std::string::npos);

  // The next run opens maximised over the same normal rectangle.
  EditorProcess again;
  again.Folder().WriteBytes(settingsName, settings);
  again.Start({});
  ASSERT_TRUE(again.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return IsZoomed(again.MainWindow()) != FALSE; });
  // Restoring it shows the saved rectangle.
  ShowWindow(again.MainWindow(), SW_RESTORE);
  EditorProcess::WaitUntil([&] {
    RECT rect;
    GetWindowRect(again.MainWindow(), &rect);
    return rect.left == 40 && rect.top == 30 && rect.right == 540 && rect.bottom == 390;
  });
  PostMessageA(again.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(again.WaitForExit(), 0u);
  EXPECT_NE(again.Folder().ReadBytes(settingsName).find("Maximized=False\r\n"), std::string::npos);
}

TEST(MainWindowTest, SavingAnUntitledDocumentAsksForANameAndAddsTheDefaultExtension) {
  EditorProcess editor(2);
  editor.Start({});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.Caption() == "Untitled.txt"; });
  editor.Type("one");
  EditorProcess::WaitUntil([&] { return editor.Caption() == "Untitled.txt*"; });
  editor.PressKey('S', true);
  HWND dialog = editor.WaitForWindow("Save As");
  ASSERT_TRUE(dialog);
  // The file name field of the explorer-style dialog.
  const std::string chosen = editor.Path("saved");
  SendMessageA(GetDlgItem(dialog, 1148), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chosen.c_str()));
  EditorProcess::Press(dialog, IDOK);
  EditorProcess::WaitUntil([&] { return editor.Caption() == chosen + ".txt"; });
  EXPECT_EQ(editor.Folder().ReadBytes("saved.txt"), "one");
}

TEST(MainWindowTest, TheRecentPopupReopensAFileByItsItem) {
  EditorProcess editor;
  editor.Folder().WriteBytes("first.txt", "first file");
  const std::string first = editor.Path("first.txt");
  editor.Start({first});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.Caption() == first; });
  editor.PressKey('N', true);
  EditorProcess::WaitUntil([&] { return editor.Caption() == "Untitled.txt"; });
  // Opening the menu bar builds the popup; its one item takes the pool's next id after those
  // of the tools' items, one per tool of the settings. (Another process cannot read the menu.)
  const std::string settings = editor.Folder().ReadBytes("Quilvane.ini");
  const std::string countKey = "CommandsCount=";
  const UINT id = 40000u + static_cast<UINT>(std::stoi(settings.substr(settings.find(countKey) + countKey.size())));
  HMENU menu = GetMenu(editor.MainWindow());
  PostMessageA(editor.MainWindow(), WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
  PostMessageA(editor.MainWindow(), WM_COMMAND, id, 0);
  EditorProcess::WaitUntil([&] { return editor.Caption() == first; });
  EXPECT_EQ(editor.ViewText(), "first file");
  // A file that went since is reported and leaves the list.
  // Rebuilding gives the released id to the same item again.
  PostMessageA(editor.MainWindow(), WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
  ASSERT_TRUE(DeleteFileA(first.c_str()));
  PostMessageA(editor.MainWindow(), WM_COMMAND, id, 0);
  HWND error = editor.WaitForWindow("Error");
  ASSERT_TRUE(error);
  EXPECT_EQ(EditorProcess::MessageBoxText(error), MissingFileMessage(first));
  EditorProcess::Press(error, IDOK);
  PostMessageA(editor.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(editor.WaitForExit(), 0u);
  EXPECT_NE(editor.Folder().ReadBytes("Quilvane.ini").find("RecentFilesCount=0\r\n"), std::string::npos);
}

TEST(MainWindowTest, TheReadOnlyAttributeSetOutsideShowsInTheCaptionAndRefusesTheSave) {
  OpenedEditor opened("text");
  ASSERT_TRUE(opened.Editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return opened.Editor.Caption() == opened.File; });
  opened.Editor.Type("x");
  WaitForModified(opened.Editor, opened.File);
  ASSERT_TRUE(SetFileAttributesA(opened.File.c_str(), FILE_ATTRIBUTE_READONLY));
  EditorProcess::WaitUntil([&] { return opened.Editor.Caption() == opened.File + "* [Read Only]"; });
  opened.Editor.PressKey('S', true);
  HWND error = opened.Editor.WaitForWindow("Error");
  ASSERT_TRUE(error);
  EXPECT_EQ(EditorProcess::MessageBoxText(error), ReadOnlyTargetMessage(opened.File));
  EditorProcess::Press(error, IDOK);
  ASSERT_TRUE(SetFileAttributesA(opened.File.c_str(), FILE_ATTRIBUTE_NORMAL));
  EditorProcess::WaitUntil([&] { return opened.Editor.Caption() == opened.File + "*"; });
  EXPECT_EQ(opened.Disk(), "text");
}

TEST(MainWindowTest, TheOpenDialogOpensAnExistingFileWithoutExtensionAsChosenAndKeepsTheFilter) {
  EditorProcess editor;
  editor.Folder().WriteBytes("Makefile", "all:\n\tmake it\n");
  const std::string makefile = editor.Path("Makefile");
  editor.Start({});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.Caption() == "Untitled.txt"; });
  editor.PressKey('O', true);
  HWND dialog = editor.WaitForWindow("Open");
  ASSERT_TRUE(dialog);
  SendMessageA(GetDlgItem(dialog, 1148), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(makefile.c_str()));
  EditorProcess::Press(dialog, IDOK);
  EditorProcess::WaitUntil([&] { return editor.Caption() == makefile; });
  EXPECT_EQ(editor.ViewText(), "all:\n\tmake it\n");
  PostMessageA(editor.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(editor.WaitForExit(), 0u);
  // The filter in use when the dialog closed is remembered by name.
  EXPECT_NE(editor.Folder().ReadBytes("Quilvane.ini").find("OpenFilterName=AllFilesFilterName\r\n"), std::string::npos);
}

TEST(MainWindowTest, WordWrapFollowsMaximisingAndRestoring) {
  std::string line;
  for (int i = 0; i < 80; ++i) line += "word ";
  OpenedEditor opened(line + "\r\nend");
  ASSERT_TRUE(opened.Editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return opened.Editor.Caption() == opened.File; });
  // The view's own text holds a CR at every soft break.
  const auto softBreaks = [&] {
    const std::string text = opened.Editor.ViewText();
    return static_cast<int>(std::count(text.begin(), text.end(), '\r'));
  };
  EXPECT_EQ(softBreaks(), 0);
  PostMessageA(opened.Editor.MainWindow(), WM_COMMAND, 32811, 0);  // Options > Word Wrap
  EditorProcess::WaitUntil([&] { return softBreaks() > 0; });
  const int normal = softBreaks();
  ShowWindow(opened.Editor.MainWindow(), SW_MAXIMIZE);
  EditorProcess::WaitUntil([&] { return softBreaks() < normal; });
  ShowWindow(opened.Editor.MainWindow(), SW_RESTORE);
  EditorProcess::WaitUntil([&] { return softBreaks() == normal; });
  // Saving writes the file's own lines, without the soft breaks.
  opened.Editor.PressKey(VK_END, true);
  opened.Editor.Type("!");
  WaitForModified(opened.Editor, opened.File);
  opened.Editor.PressKey('S', true);
  EditorProcess::WaitUntil([&] { return opened.Editor.Caption() == opened.File; });
  line.pop_back();  // the trailing blank goes on save
  EXPECT_EQ(opened.Disk(), line + "\r\nend!");
}
