// The Hotkeys editor in the real editor under Wine: the listed menu, giving an item a key that
// then works and is stored at exit (Match Brace's too), and the refusal of a hotkey that
// another item has.
#include "common/win32/KeyNames.h"
#include "tests/dialogs/win32/DialogDriver.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr unsigned HotkeysCommand = 32799;
constexpr int List = 1052;
constexpr int Hotkey = 1054;
constexpr int Ctrl = HOTKEYF_CONTROL;

// A list line with its hotkey named as the keyboard layout names it (Wine: "Control_L+O").
std::string Keyed(const std::string& line, int key, int modifiers) {
  return line + " (" + HotkeyText(key, modifiers) + ")";
}

struct HotkeysEditorTest : testing::Test {
  void SetUp() override {
    Editor.Start({});
    ASSERT_TRUE(Editor.WaitForMainWindow());
    Dialog = Open();
    ASSERT_TRUE(Dialog);
  }
  HWND Open() {
    Editor.PostCommand(HotkeysCommand);
    return Editor.WaitForWindow("Hotkeys");
  }
  int Line(const std::string& text) const { return LineIndex(Dialog, List, text); }
  void Click(const std::string& line) {
    const int index = Line(line);
    ASSERT_GE(index, 0) << line;
    ClickLine(Dialog, List, index);
    Settle(Dialog);
  }
  int Selection() const { return static_cast<int>(SendDlgItemMessageA(Dialog, List, LB_GETCURSEL, 0, 0)); }
  WORD ShownHotkey() const { return LOWORD(SendDlgItemMessageA(Dialog, Hotkey, HKM_GETHOTKEY, 0, 0)); }

  EditorProcess Editor;
  HWND Dialog = nullptr;
};

TEST_F(HotkeysEditorTest, ListsTheWholeMenuWithSubmenusIndentedAndWithoutRecentFiles) {
  const std::vector<std::string> lines = ListLines(Dialog, List);
  ASSERT_GT(lines.size(), 40u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8),
            (std::vector<std::string>{"File", Keyed("    New", 'N', Ctrl), Keyed("    Open", 'O', Ctrl), Keyed("    Save", 'S', Ctrl), "    Save As",
                                      Keyed("    Print", 'P', Ctrl), "    Recent", "    Exit"}));
  EXPECT_GE(Line(Keyed("        Last Clipboard", 'L', Ctrl)), 0);
  EXPECT_GE(Line(Keyed("    Console Window", 'C', Ctrl | HOTKEYF_SHIFT)), 0);
  EXPECT_GE(Line(Keyed("    Execute Current File", VK_F5, 0)), 0);
  EXPECT_EQ(Selection(), 0);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Dialog, Hotkey)));  // a submenu's line
  Click(Keyed("    Open", 'O', Ctrl));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Dialog, Hotkey)));
  EXPECT_EQ(ShownHotkey(), MAKEWORD('O', HOTKEYF_CONTROL));
  Click("    Advanced");
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Dialog, Hotkey)));
  Sleep(300);
  RECT frame;
  GetWindowRect(Dialog, &frame);
  EXPECT_FALSE(SaveScreenshot(CaptureScreenArea(frame), "HotkeysEditor.png").empty());
}

TEST_F(HotkeysEditorTest, ANewHotkeyShowsInTheMenuRunsItsCommandAndIsStoredAtExit) {
  Click(Keyed("    Goto Line", 'G', Ctrl));
  SetHotkey(Dialog, 'J', HOTKEYF_CONTROL);
  Click(Keyed("    Find", 'F', Ctrl));
  EXPECT_GE(Line(Keyed("    Goto Line", 'J', Ctrl)), 0);
  // Clearing a hotkey drops it from the line.
  SetHotkey(Dialog, 0, 0);
  Click(Keyed("    Replace", 'H', Ctrl));
  EXPECT_GE(Line("    Find"), 0);
  EditorProcess::Press(Dialog, IDOK);
  WaitUntilClosed(Dialog);
  Editor.PressKey('J', true);
  HWND gotoLine = Editor.WaitForWindow("Goto Line");
  ASSERT_TRUE(gotoLine);
  EditorProcess::Press(gotoLine, IDCANCEL);
  WaitUntilClosed(gotoLine);
  // The menu's texts changed: listed again, they show the new hotkeys.
  Dialog = Open();
  ASSERT_TRUE(Dialog);
  EXPECT_GE(Line(Keyed("    Goto Line", 'J', Ctrl)), 0);
  EXPECT_GE(Line("    Find"), 0);
  EXPECT_EQ(Line(Keyed("    Find", 'F', Ctrl)), -1);
  EditorProcess::Press(Dialog, IDCANCEL);
  WaitUntilClosed(Dialog);
  PostMessageA(Editor.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(Editor.WaitForExit(), 0u);
  const std::string settings = Editor.Folder().ReadBytes("Quilvane.ini");
  EXPECT_NE(settings.find("Command=32793\r\nKey=74\r\nFlags=9\r\n"), std::string::npos);
  EXPECT_NE(settings.find("Command=32784\r\nKey=0\r\nFlags=1\r\n"), std::string::npos);
}

TEST_F(HotkeysEditorTest, MatchBraceIsListedWithCtrlCloseBracketAndTakesAnotherKey) {
  Click(Keyed("    Match Brace", 0xDD, Ctrl));
  SetHotkey(Dialog, 'B', HOTKEYF_CONTROL);
  Click(Keyed("    Find", 'F', Ctrl));
  EXPECT_GE(Line(Keyed("    Match Brace", 'B', Ctrl)), 0);
  EditorProcess::Press(Dialog, IDOK);
  WaitUntilClosed(Dialog);
  Editor.TypeUnits(L"(x)");
  Editor.PressKey(VK_HOME);
  EditorProcess::WaitUntil([&] { return Editor.StatusText() == "Ln 1, Col 1"; });
  Editor.PressKey('B', true);
  EditorProcess::WaitUntil([&] { return Editor.StatusText() == "Ln 1, Col 3"; });
  EXPECT_EQ(Editor.ViewText(), "(x)");
}

TEST_F(HotkeysEditorTest, AHotkeyOfAnotherItemIsRefusedUnlessTheSelectionMovesOntoThatItem) {
  Click(Keyed("    Find", 'F', Ctrl));
  const int find = Selection();
  SetHotkey(Dialog, 'H', HOTKEYF_CONTROL);  // Replace's
  ClickLine(Dialog, List, Line(Keyed("    Goto Line", 'G', Ctrl)));
  HWND error = Editor.WaitForWindow("Error");
  ASSERT_TRUE(error);
  EXPECT_EQ(EditorProcess::MessageBoxText(error), "This hotkey conflicts with the hotkey for 'Search>>Replace'.");
  EditorProcess::Press(error, IDOK);
  WaitUntilClosed(error);
  Settle(Dialog);
  EXPECT_EQ(Selection(), find);
  // Onto Replace itself the selection may move, so that its hotkey can be changed.
  Click(Keyed("    Replace", 'H', Ctrl));
  EXPECT_FALSE(Editor.FindWindowNamed("Error"));
  EXPECT_EQ(Selection(), Line(Keyed("    Replace", 'H', Ctrl)));
  EditorProcess::Press(Dialog, IDOK);
  error = Editor.WaitForWindow("Error");
  ASSERT_TRUE(error);
  EXPECT_EQ(EditorProcess::MessageBoxText(error), "This hotkey conflicts with the hotkey for 'Search>>Find'.");
  EditorProcess::Press(error, IDOK);
  WaitUntilClosed(error);
  Settle(Dialog);
  ASSERT_TRUE(IsWindowVisible(Dialog));
  EditorProcess::Press(Dialog, IDCANCEL);
  WaitUntilClosed(Dialog);
  // Cancel changed nothing.
  Dialog = Open();
  ASSERT_TRUE(Dialog);
  EXPECT_GE(Line(Keyed("    Find", 'F', Ctrl)), 0);
  EditorProcess::Press(Dialog, IDCANCEL);
}

}  // namespace
