// The main window's less common events: files dropped on it, the Font dialog, painting while
// minimised and the F1 key.
#include "editor/shell/CommandLineOptions.h"
#include "editor/shell/win32/MainWindow.h"
#include "editor/shell/win32/WindowsAppSettings.h"
#include "tests/common/ScratchFolder.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <thread>

namespace {

// A drop list as the shell hands it over: DROPFILES followed by the NUL-separated paths and
// one more NUL.
HDROP MakeDrop(const std::vector<std::string>& paths) {
  std::string names;
  for (const std::string& path : paths) names += path + '\0';
  names += '\0';
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// The main window in this process, so that a drop list of this process's memory reaches
// it; settings and documents live in a scratch folder.
class DropTest : public ::testing::Test {
protected:
  void SetUp() override {
    Scratch.WriteBytes("first.txt", "first\n");
    Scratch.WriteBytes("second.txt", "second\n");
    Scratch.WriteBytes("third.txt", "third\n");
    Options.fileName = Scratch.Path("first.txt");
    ASSERT_TRUE(Window.Create(GetModuleHandleA(nullptr), SW_SHOWNORMAL));
    ASSERT_EQ(Caption(), Scratch.Path("first.txt"));
  }
  void TearDown() override {
    if (Window.Window()) DestroyWindow(Window.Window());
  }

  std::string Caption() const { return WindowText(Window.Window()); }
  HWND ViewWindow() const { return GetDlgItem(Window.Window(), 104); }

  // Runs this thread's messages as the program's loop does, until none is left.
  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (Window.PreTranslate(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Window.OnIdle();
  }

  void Drop(const std::vector<std::string>& paths) {
    PostMessageA(Window.Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
    Pump();
  }

  ScratchFolder Scratch;
  CommandLineOptions Options;
  WindowsAppSettings Settings{Scratch.Path("Quilvane.ini")};
  MainWindow Window{Options, Settings};
};

// Answers the message box with this caption, once it shows, with a button; whileShown runs
// first, with the box on screen.
class BoxAnswer {
public:
  BoxAnswer(const char* caption, int button, std::function<void()> whileShown = [] {})
      : Thread([this, caption, button, whileShown] {
          HWND box = nullptr;
          while (!(box = FindWindowA("#32770", caption))) Sleep(20);
          Text = EditorProcess::MessageBoxText(box);
          whileShown();
          EditorProcess::Press(box, button);
        }) {}
  ~BoxAnswer() {
    if (Thread.joinable()) Thread.join();
  }
  // The box's text, once it was answered.
  std::string AnsweredText() {
    Thread.join();
    return Text;
  }

private:
  std::string Text;
  std::thread Thread;
};

}  // namespace

TEST_F(DropTest, TheFirstOfTheDroppedFilesIsOpened) {
  Drop({Scratch.Path("second.txt"), Scratch.Path("third.txt")});
  EXPECT_EQ(Caption(), Scratch.Path("second.txt"));
  EXPECT_EQ(WindowText(ViewWindow()), "second\n");
}

TEST_F(DropTest, AModifiedDocumentAsksFirstAndCancelKeepsIt) {
  SendMessageA(ViewWindow(), WM_CHAR, 'x', 0);
  Pump();
  ASSERT_EQ(Caption(), Scratch.Path("first.txt") + "*");
  BoxAnswer answer("Save File", IDCANCEL);
  Drop({Scratch.Path("second.txt")});
  EXPECT_EQ(answer.AnsweredText(), "Save modified file?");
  EXPECT_EQ(Caption(), Scratch.Path("first.txt") + "*");
  EXPECT_EQ(WindowText(ViewWindow()), "xfirst\n");
}

TEST_F(DropTest, AModifiedDocumentIsSavedOnYesBeforeTheDroppedFileOpens) {
  SendMessageA(ViewWindow(), WM_CHAR, 'x', 0);
  Pump();
  BoxAnswer answer("Save File", IDYES);
  Drop({Scratch.Path("second.txt")});
  answer.AnsweredText();
  EXPECT_EQ(Caption(), Scratch.Path("second.txt"));
  EXPECT_EQ(Scratch.ReadBytes("first.txt"), "xfirst\n");  // its own line breaks
}

// The status bar names the file while it is read; a read that fails is reported and leaves
// the document as it was, and the caret's place shows again.
TEST_F(DropTest, AFileThatCannotBeReadIsReportedAndTheOpenDocumentStays) {
  Pump();
  HWND status = FindWindowExA(Window.Window(), nullptr, STATUSCLASSNAMEA, nullptr);
  ASSERT_EQ(WindowText(status), "Ln 1, Col 1");
  const std::string locked = Scratch.Path("second.txt");
  HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  std::string statusDuringReport;
  BoxAnswer answer("Error", IDOK, [&] { statusDuringReport = WindowText(status); });
  Drop({locked});
  EXPECT_EQ(answer.AnsweredText(), "Unable to read from " + locked + ", it is opened by someone else.");
  CloseHandle(holder);
  EXPECT_EQ(statusDuringReport, "Opening second.txt...");
  EXPECT_EQ(Caption(), Scratch.Path("first.txt"));
  EXPECT_EQ(WindowText(ViewWindow()), "first\n");
  EXPECT_EQ(WindowText(status), "Ln 1, Col 1");
}

// Such a path cannot be a file that the platform opens; cutting it would open another one.
TEST_F(DropTest, APathLongerThanTheLimitIsIgnored) {
  Drop({Scratch.Path(std::string(300, 'a') + ".txt")});
  EXPECT_EQ(Caption(), Scratch.Path("first.txt"));
  EXPECT_EQ(FindWindowA("#32770", "Error"), nullptr);
}

namespace {

constexpr int FontSizeCombo = 1138;  // the Font dialog's size box (cmb3)
constexpr WPARAM OptionsFontCommand = 32800;

std::string StoredFontHeight(const EditorProcess& editor) {
  const std::string settings = editor.Folder().ReadBytes("Quilvane.ini");
  const size_t at = settings.find("FontHeight=");
  if (at == std::string::npos) return "";
  const size_t end = settings.find('\r', at);
  return settings.substr(at + 11, end - at - 11);
}

// Opens Options > Font, picks the largest size of the list and leaves with the button.
void ChooseLargestSize(EditorProcess& editor, int button) {
  PostMessageA(editor.MainWindow(), WM_COMMAND, OptionsFontCommand, 0);
  HWND dialog = editor.WaitForWindow("Font");
  ASSERT_NE(dialog, nullptr);
  HWND sizes = GetDlgItem(dialog, FontSizeCombo);
  ASSERT_NE(sizes, nullptr);
  const LRESULT count = SendMessageA(sizes, CB_GETCOUNT, 0, 0);
  ASSERT_GT(count, 1);
  SendMessageA(sizes, CB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(FontSizeCombo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
  EditorProcess::Press(dialog, button);
  EditorProcess::WaitUntil([&] { return !IsWindow(dialog); });
}

}  // namespace

TEST(FontDialogTest, CancelKeepsTheFontAndOkStoresTheChosenSize) {
  EditorProcess editor;
  editor.Folder().WriteBytes("doc.txt", "text\n");
  editor.Start({editor.Path("doc.txt")});
  ASSERT_TRUE(editor.WaitForMainWindow());
  ChooseLargestSize(editor, IDCANCEL);
  ChooseLargestSize(editor, IDOK);
  PostMessageA(editor.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(editor.WaitForExit(), 0u);
  // The first run's -13 is 10 points; the list's largest size is far above it.
  const int height = std::atoi(StoredFontHeight(editor).c_str());
  EXPECT_LT(height, -40);
}

// F1, the help command's hotkey, is checked with the other ways into the help page
// (ToolsWinTest.cpp), as it starts the browser.
TEST(MinimisedAndHelpKeyTest, TheMinimisedWindowPaintsAndComesBack) {
  EditorProcess editor;
  editor.Folder().WriteBytes("doc.txt", "text\n");
  editor.Start({editor.Path("doc.txt")});
  HWND main = editor.WaitForMainWindow();
  ASSERT_TRUE(main);
  EditorProcess::WaitUntil([&] { return editor.Caption() == editor.Path("doc.txt"); });
  editor.Type("k");
  EditorProcess::WaitUntil([&] { return editor.ViewText() == "ktext\n"; });
  EXPECT_EQ(editor.ProgramWindows().size(), 1u);

  ShowWindow(main, SW_MINIMIZE);
  EditorProcess::WaitUntil([&] { return IsIconic(main) != FALSE; });
  RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT frame;
  GetWindowRect(main, &frame);
  SaveScreenshot(CaptureScreenArea(frame), "main-window-minimised.png");

  ShowWindow(main, SW_RESTORE);
  EditorProcess::WaitUntil([&] { return IsIconic(main) == FALSE; });
  RECT client, view, status;
  GetClientRect(main, &client);
  GetWindowRect(editor.View(), &view);
  GetWindowRect(FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr), &status);
  EXPECT_EQ(view.right - view.left, client.right);
  EXPECT_EQ((view.bottom - view.top) + (status.bottom - status.top), client.bottom);
  EXPECT_EQ(editor.ViewText(), "ktext\n");
  EXPECT_EQ(editor.Caption(), editor.Path("doc.txt") + "*");
  RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GetWindowRect(main, &frame);
  SaveScreenshot(CaptureScreenArea(frame), "main-window-restored.png");
}
