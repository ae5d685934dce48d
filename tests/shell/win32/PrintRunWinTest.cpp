// Printing from the real program onto a file printer: the job's name, its pages, copies and
// the selection, read back from the PostScript the printer wrote.
#include "editor/resources/resource.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/shell/win32/FilePrinter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Controls of the system's print dialog.
constexpr int AllChoice = 0x420;
constexpr int SelectionChoice = 0x421;
constexpr int CopiesEdit = 0x482;

std::string WindowsPath(std::string unixPath) {
  for (char& c : unixPath)
    if (c == '/') c = '\\';
  return "Z:" + unixPath;
}

// One line of some 7000 characters, added at the end of the printed sample.
std::string LongLine() {
  std::string line;
  for (int i = 0; i < 900; ++i) line += "word" + std::to_string(i) + " ";
  return line;
}

class PrintRunTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Printer.Installed());
    const std::string source = WindowsPath(QUILVANE_SOURCE_DIR "/editor/view/TextViewPaint.cpp");
    ASSERT_TRUE(CopyFileA(source.c_str(), Editor.Path("TextViewPaint.cpp").c_str(), FALSE));
    Editor.Folder().WriteBytes("TextViewPaint.cpp", Editor.Folder().ReadBytes("TextViewPaint.cpp") + LongLine());
    Editor.Start({Editor.Path("TextViewPaint.cpp")});
    Editor.WaitForMainWindow();
  }

  // Ctrl+P: the system's print dialog.
  HWND OpenPrintDialog() {
    Editor.PressKey('P', true);
    return Editor.WaitForWindow("Print");
  }

  // Ctrl+P, then the dialog's choices, then OK; returns the job once the printer wrote it all.
  PostScriptJob Print(int copies, bool selection) {
    DeleteFileA(Output.c_str());
    HWND dialog = OpenPrintDialog();
    EXPECT_NE(dialog, nullptr);
    if (!dialog) return {};
    if (copies != 1) SetDlgItemTextA(dialog, CopiesEdit, std::to_string(copies).c_str());
    if (selection) SendMessageA(GetDlgItem(dialog, SelectionChoice), BM_CLICK, 0, 0);
    EditorProcess::Press(dialog, IDOK);
    PostScriptJob job;
    EditorProcess::WaitUntil([&] {
      job = ReadPostScriptJob(Editor.Folder().ReadBytes("print.ps"));
      return job.Pages >= 0;
    });
    return job;
  }

  void KeepForLooking(const std::string& name) {
    CreateDirectoryA(QUILVANE_SCREENSHOT_DIR, nullptr);
    CopyFileA(Output.c_str(), (std::string(QUILVANE_SCREENSHOT_DIR) + "\\" + name).c_str(), FALSE);
  }

  EditorProcess Editor;
  std::string Output = Editor.Path("print.ps");
  FilePrinter Printer{Output};
};

TEST_F(PrintRunTest, TheWholeDocumentPrintsOnPagesOfAJobNamedAfterTheFile) {
  const PostScriptJob job = Print(1, false);
  EXPECT_EQ(job.Title, "Quilvane - TextViewPaint.cpp");
  EXPECT_GE(job.Pages, 4);  // some 200 lines at 60 a page, and the long line
  EXPECT_EQ(job.PageMarks, job.Pages);
  KeepForLooking("print-document.ps");
}

TEST_F(PrintRunTest, TwoCopiesPrintTheDocumentTwiceAndOnlyOnce) {
  const PostScriptJob one = Print(1, false);
  const PostScriptJob two = Print(2, false);
  ASSERT_GT(one.Pages, 0);
  // Either the editor printed both sets or the driver makes the copies, never both.
  EXPECT_EQ(two.Pages * two.Copies, 2 * one.Pages);
}

TEST_F(PrintRunTest, TheSelectionOfALongLinePrintsItWrappedOverSeveralPages) {
  Editor.PressKey(VK_END, true);
  INPUT keys[4] = {};
  const WORD sequence[4][2] = {{VK_SHIFT, 0}, {VK_HOME, 0}, {VK_HOME, KEYEVENTF_KEYUP}, {VK_SHIFT, KEYEVENTF_KEYUP}};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = sequence[i][0];
    keys[i].ki.dwFlags = sequence[i][1];
  }
  SendInput(4, keys, sizeof(INPUT));
  const PostScriptJob whole = Print(1, false);
  const PostScriptJob selection = Print(1, true);
  EXPECT_GE(selection.Pages, 2);
  EXPECT_LT(selection.Pages, whole.Pages);
  KeepForLooking("print-selection.ps");
}

// Without any printer the system's dialog says so itself and fails; the editor goes on with
// its document and can print again once a printer is there.
TEST_F(PrintRunTest, WithoutAnyPrinterTheSystemSaysSoAndTheEditorGoesOn) {
  Printer.Remove();
  Editor.PressKey('P', true);
  HWND notice = Editor.WaitForWindow("Print");
  ASSERT_NE(notice, nullptr);
  EXPECT_NE(EditorProcess::MessageBoxText(notice).find("install a printer"), std::string::npos);
  EditorProcess::Press(notice, IDOK);
  EditorProcess::WaitUntil([&] { return Editor.ProgramWindows().size() == 1; });
  EXPECT_EQ(Editor.ProgramWindows()[0], Editor.MainWindow());
  FilePrinter again{Output};
  ASSERT_TRUE(again.Installed());
  EXPECT_GE(Print(1, false).Pages, 4);
}

}  // namespace

// A zoom is for the screen: the pages come out in the chosen font's size all the same.
TEST_F(PrintRunTest, AZoomedViewPrintsInTheChosenFontsSize) {
  const int pages = Print(1, false).Pages;
  ASSERT_GE(pages, 4);
  for (int step = 0; step < 4; ++step) Editor.Command(ID_OPTIONS_ZOOM_IN);
  EXPECT_EQ(Print(1, false).Pages, pages);
}
