// The real editor under Wine: undoing Replace All, a case conversion or a paste puts the
// view back where it stood, its first line and its horizontal scroll, with the caret and
// selection as they were. A click at the top left corner of the text shows, in the status
// bar, which line and column are in sight there.
#include "editor/resources/resource.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/RawClipboard.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct UndoRestoresViewTest : testing::Test {
  void Open(const std::string& text) {
    Editor.Folder().WriteBytes("doc.txt", text);
    Editor.Start({Editor.Path("doc.txt")});
    ASSERT_TRUE(Editor.WaitForMainWindow());
    WaitForStatus("Ln 1, Col 1");
  }
  // The part's length and text are read one after the other: a status that changes in
  // between comes cut short, so two reads must agree.
  std::string Status() const {
    std::string previous, now = Editor.StatusPartText(0);
    while (now != previous) {
      previous = now;
      now = Editor.StatusPartText(0);
    }
    return now;
  }
  void WaitForStatus(const std::string& status) {
    EditorProcess::WaitUntil([&] { return Status() == status; });
  }
  // The caret status, once it is no longer the one given.
  std::string StatusChangedFrom(const std::string& before) {
    std::string now;
    EditorProcess::WaitUntil([&] {
      now = Status();
      return now != before;
    });
    return now;
  }
  // The caret goes to the first line in sight and the first column in sight on it; the caret
  // must stand elsewhere before.
  std::string ClickTopLeft() {
    const std::string before = Status();
    PostMessageA(Editor.View(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(Editor.View(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    return StatusChangedFrom(before);
  }
  // Posted to the view, so that it arrives whichever window has the focus.
  void PressDown() {
    PostMessageA(Editor.View(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(Editor.View(), WM_KEYUP, VK_DOWN, 0xC0000000);
  }
  void GotoLine(int line) {
    Editor.PostCommand(ID_SEARCH_GOTO_LINE);
    HWND dialog = Editor.WaitForWindow("Goto Line");
    ASSERT_TRUE(dialog);
    SetDlgItemTextA(dialog, IDC_GOTO_LINE, std::to_string(line).c_str());
    EditorProcess::Press(dialog, IDOK);
    WaitForStatus(StatusAt(line, 1));
  }
  static std::string StatusAt(int line, int column) {
    return "Ln " + std::to_string(line) + ", Col " + std::to_string(column);
  }
  static std::string LinesBelow(const std::string& status, int lines) {
    int line = 0, column = 0;
    EXPECT_EQ(std::sscanf(status.c_str(), "Ln %d, Col %d", &line, &column), 2) << status;
    return StatusAt(line + lines, column);
  }
  // The caret stands at the top left corner of the text, which is status: it came back, and
  // so did the view's place.
  void ExpectCaretAtTopLeft(const std::string& status) {
    PressDown();
    EXPECT_EQ(StatusChangedFrom(status), LinesBelow(status, 1));
    EXPECT_EQ(ClickTopLeft(), status);
  }

  EditorProcess Editor;
};

// Lines "line 1" to "line 200".
std::string NumberedLines() {
  std::string text;
  for (int line = 1; line <= 200; ++line) text += "line " + std::to_string(line) + "\n";
  return text;
}

void SetFindText(HWND dialog, int comboId, const std::string& text) {
  HWND combo = GetDlgItem(dialog, comboId);
  SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
}

// The changed span runs from line 2 to the far end of line 79: undo does not go there. The
// lines in sight at the top are wide, the others short, so that the whole text can be read.
TEST_F(UndoRestoresViewTest, ReplaceAllIsUndoneWithTheViewScrolledAsItWas) {
  std::string text;
  for (int line = 1; line <= 80; ++line) {
    const bool wide = (line >= 21 && line <= 23) || line == 79;
    std::string row = "row " + std::to_string(line);
    while (row.size() < (wide ? 300u : 12u)) row += " words";
    if (line == 2) row.replace(8, 2, "zz");
    if (line == 79) row.replace(290, 2, "zz");
    text += row + "\n";
  }
  Open(text);
  SendMessageA(Editor.View(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 20), 0);
  SendMessageA(Editor.View(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 400), 0);
  const std::string shown = ClickTopLeft();
  ASSERT_EQ(shown.substr(0, 7), "Ln 21, ");
  ASSERT_NE(shown, "Ln 21, Col 1");

  Editor.PostCommand(ID_SEARCH_REPLACE);
  HWND dialog = Editor.WaitForWindow("Replace");
  ASSERT_TRUE(dialog);
  SetFindText(dialog, IDC_FIND_TEXT, "zz");
  SetFindText(dialog, IDC_REPLACE_TEXT, "y");
  EditorProcess::Press(dialog, IDC_REPLACE_ALL_BUTTON);
  HWND box = Editor.WaitForWindow("Replace All");
  ASSERT_TRUE(box);
  EXPECT_EQ(EditorProcess::MessageBoxText(box), "2 replacments made.");
  EditorProcess::Press(box, IDOK);
  EditorProcess::WaitUntil([&] { return !IsWindow(box); });
  EditorProcess::Press(dialog, IDCANCEL);
  EditorProcess::WaitUntil([&] { return !IsWindow(dialog); });
  ASSERT_NE(Editor.ViewText(), text);

  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), text);
  ExpectCaretAtTopLeft(shown);
}

// The conversion scrolls to the end of the selection, which was made upwards from below the
// window; undo selects it again in that direction and scrolls back.
TEST_F(UndoRestoresViewTest, UpperCaseIsUndoneWithTheFirstLineAsItWas) {
  const std::string text = NumberedLines();
  Open(text);
  GotoLine(150);
  Editor.PressShifted(VK_UP, 60);
  WaitForStatus(StatusAt(90, 1));  // the caret's line is now the first one in sight
  Editor.Command(ID_EDIT_UPPER_CASE);
  ASSERT_NE(Editor.ViewText(), text);
  WaitForStatus(StatusAt(150, 1));

  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), text);
  EXPECT_EQ(StatusChangedFrom(StatusAt(150, 1)), StatusAt(90, 1));
  ExpectCaretAtTopLeft(StatusAt(90, 1));
}

// Pasting a hundred lines scrolls them into sight; undo puts the caret back three lines
// below the first line in sight, which stays the first.
TEST_F(UndoRestoresViewTest, PasteIsUndoneWithTheFirstLineAsItWas) {
  const std::string text = NumberedLines();
  Open(text);
  GotoLine(60);
  const std::string top = ClickTopLeft();
  const std::string caret = LinesBelow(top, 3);
  for (int i = 0; i < 3; ++i) PressDown();
  WaitForStatus(caret);
  std::string pasted;
  for (int line = 1; line <= 100; ++line) pasted += "pasted " + std::to_string(line) + "\r\n";
  ASSERT_TRUE(PutRawClipboardText(pasted));
  Editor.Command(ID_EDIT_PASTE);
  ASSERT_EQ(Editor.ViewText().size(), text.size() + pasted.size() - 100);
  WaitForStatus(LinesBelow(caret, 100));

  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), text);
  EXPECT_EQ(StatusChangedFrom(LinesBelow(caret, 100)), caret);
  PressDown();
  EXPECT_EQ(StatusChangedFrom(caret), LinesBelow(caret, 1));
  EXPECT_EQ(ClickTopLeft(), top);
}

}  // namespace
