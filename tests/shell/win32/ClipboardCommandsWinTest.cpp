// The real editor and the real clipboard under Wine: the clipboard part of the status bar,
// Last Clipboard, Switch Clipboard with its warning, and a picture of the status bar.
#include "editor/resources/resource.h"
#include "editor/shell/SwitchClipboard.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/RawClipboard.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Text as another program copies it.
void CopyText(const std::string& text) {
  EXPECT_TRUE(PutRawClipboardText(text));
}

void CopyPicture() {
  EXPECT_TRUE(PutRawClipboard(CF_BITMAP, CreateBitmap(4, 4, 1, 32, nullptr)));
}

void CopyFiles(const std::vector<std::string>& paths) {
  EXPECT_TRUE(PutDropList(paths));
}

bool ClipboardHoldsText() {
  return IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

struct ClipboardCommandsTest : testing::Test {
  void SetUp() override {
    OpenAndEmptyClipboard();
    CloseClipboard();
    Editor.Start({});
    ASSERT_TRUE(Editor.WaitForMainWindow());
    WaitForClipboardStatus("<No text is in the text>");
  }
  void WaitForClipboardStatus(const std::string& status) {
    EditorProcess::WaitUntil([&] { return Editor.StatusPartText(1) == status; });
  }
  // Posts Switch Clipboard and waits for the warning it asks.
  HWND SwitchAndWaitForWarning() {
    Editor.PostCommand(ID_EDIT_SWITCH_CLIPBOARD);
    HWND box = Editor.WaitForWindow("Warning");
    EXPECT_EQ(EditorProcess::MessageBoxText(box), SwitchClipboardWarning());
    EXPECT_TRUE(GetDlgItem(box, IDYES));
    EXPECT_TRUE(GetDlgItem(box, IDNO));
    return box;
  }
  // Once the box is gone the command goes on; a message sent afterwards is answered when
  // the command has ended.
  void WaitUntilBoxCloses(HWND box) {
    EditorProcess::WaitUntil([&] { return !IsWindow(box); });
    SendMessageA(Editor.MainWindow(), WM_NULL, 0, 0);
  }

  EditorProcess Editor;
};

TEST_F(ClipboardCommandsTest, TheStatusBarShowsTextOnOneLineCutAt500AndTabsAsBlanks) {
  CopyText("first\r\nsecond\tend");
  WaitForClipboardStatus("first\\nsecond    end");
  // The caret's part is its own: the idle time after start-up fills it, whatever the
  // clipboard's part says meanwhile.
  EditorProcess::WaitUntil([&] { return Editor.StatusText().substr(0, 3) == "Ln "; });
  const std::string longText(600, 'w');
  CopyText(longText);
  WaitForClipboardStatus(longText.substr(0, 500));
}

TEST_F(ClipboardCommandsTest, TheStatusBarNamesOneCopiedFileOrSeveral) {
  Editor.Folder().WriteBytes("one.txt", "1");
  Editor.Folder().WriteBytes("two.txt", "2");
  CopyFiles({Editor.Path("one.txt")});
  WaitForClipboardStatus("File: " + Editor.Path("one.txt"));
  CopyFiles({Editor.Path("one.txt"), Editor.Path("two.txt")});
  WaitForClipboardStatus("Files: " + Editor.Path("one.txt") + "; " + Editor.Path("two.txt"));
  CopyPicture();
  WaitForClipboardStatus("<No text is in the text>");
}

TEST_F(ClipboardCommandsTest, LastClipboardBringsBackTheTextBeforeAndThenTheOneAfter) {
  CopyText("A\r\nsecond line");
  WaitForClipboardStatus("A\\nsecond line");
  CopyText("B");
  WaitForClipboardStatus("B");
  Editor.Command(ID_EDIT_LAST_CLIPBOARD);
  EXPECT_EQ(RawClipboardText(), "A\r\nsecond line");
  WaitForClipboardStatus("A\\nsecond line");
  Editor.Command(ID_EDIT_LAST_CLIPBOARD);
  EXPECT_EQ(RawClipboardText(), "B");
  WaitForClipboardStatus("B");
}

TEST_F(ClipboardCommandsTest, TheSameTextCopiedAgainLeavesThePreviousTextInPlace) {
  CopyText("A");
  WaitForClipboardStatus("A");
  CopyText("B");
  WaitForClipboardStatus("B");
  CopyText("x");
  WaitForClipboardStatus("x");
  CopyText("B");
  WaitForClipboardStatus("B");
  CopyText("B");
  WaitForClipboardStatus("B");
  Editor.Command(ID_EDIT_LAST_CLIPBOARD);
  EXPECT_EQ(RawClipboardText(), "x");
}

TEST_F(ClipboardCommandsTest, SwitchingTwiceEmptiesTheClipboardTextAndThenRestoresIt) {
  CopyText("T\r\nline two");
  WaitForClipboardStatus("T\\nline two");
  Editor.Command(ID_EDIT_SWITCH_CLIPBOARD);
  EXPECT_TRUE(ClipboardHoldsText());
  EXPECT_EQ(RawClipboardText(), "");
  WaitForClipboardStatus("");
  Editor.Command(ID_EDIT_SWITCH_CLIPBOARD);
  EXPECT_EQ(RawClipboardText(), "T\r\nline two");
  WaitForClipboardStatus("T\\nline two");
}

TEST_F(ClipboardCommandsTest, APictureIsOnlyOverwrittenAfterTheWarningIsAnsweredYes) {
  CopyText("private");
  WaitForClipboardStatus("private");
  Editor.Command(ID_EDIT_SWITCH_CLIPBOARD);  // the editor keeps "private"
  CopyPicture();
  WaitForClipboardStatus("<No text is in the text>");

  HWND box = SwitchAndWaitForWarning();
  EditorProcess::Press(box, IDNO);
  WaitUntilBoxCloses(box);
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
  EXPECT_FALSE(ClipboardHoldsText());

  box = SwitchAndWaitForWarning();
  EditorProcess::Press(box, IDYES);
  WaitUntilBoxCloses(box);
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
  EXPECT_EQ(RawClipboardText(), "private");
  WaitForClipboardStatus("private");
  // The private clipboard is empty now: a picture is left alone without a question.
  CopyPicture();
  WaitForClipboardStatus("<No text is in the text>");
  Editor.Command(ID_EDIT_SWITCH_CLIPBOARD);
  EXPECT_FALSE(Editor.FindWindowNamed("Warning"));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
}

// The find dialog keeps the keyboard while it is active; Switch Clipboard's hotkey still works
// there, and a question it asks belongs to the dialog, so the dialog stays usable behind it.
TEST_F(ClipboardCommandsTest, TheSwitchHotkeyWorksInsideTheFindDialogAndItsWarningBelongsToIt) {
  CopyText("kept");
  WaitForClipboardStatus("kept");
  Editor.PostCommand(ID_SEARCH_FIND);
  HWND find = Editor.WaitForWindow("Find");
  ASSERT_TRUE(find);
  SetDlgItemTextA(find, IDC_FIND_TEXT, "needle");

  Editor.PressKey('W', true, find);
  WaitForClipboardStatus("");
  EXPECT_EQ(RawClipboardText(), "");
  EXPECT_EQ(WindowText(GetDlgItem(find, IDC_FIND_TEXT)), "needle");

  CopyPicture();
  WaitForClipboardStatus("<No text is in the text>");
  Editor.PressKey('W', true, find);
  HWND box = Editor.WaitForWindow("Warning");
  ASSERT_TRUE(box);
  EXPECT_EQ(GetWindow(box, GW_OWNER), find);
  EditorProcess::Press(box, IDYES);
  WaitUntilBoxCloses(box);
  EXPECT_EQ(RawClipboardText(), "kept");
  EXPECT_TRUE(IsWindowVisible(find));
}

TEST_F(ClipboardCommandsTest, PictureOfTheStatusBarWithTheClipboardText) {
  CopyText("int main() {\r\n\treturn 0;\r\n}");
  WaitForClipboardStatus("int main() {\\n    return 0;\\n}");
  Sleep(500);
  RECT frame;
  GetWindowRect(Editor.MainWindow(), &frame);
  const std::string path = SaveScreenshot(CaptureScreenArea(frame), "clipboard-status.png");
  EXPECT_FALSE(path.empty());
}

}  // namespace
