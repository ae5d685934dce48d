// The key table: caret movement and its column, paging, editing keys and the read-only
// rules, keys without a rule, dialog codes, focus and the context menu's point.
#include "tests/view/InputFixture.h"

namespace {

using Keyboard = InputTest;

TEST_F(Keyboard, DownKeepsThePixelColumnThroughShortLinesAndRightResetsIt) {
  View.SetText("0123456789\nab\n0123456789\n\tx\n0123456789");
  PutCaret(8);
  EXPECT_TRUE(Press(KeyDown));
  EXPECT_EQ(View.Caret(), At(1, 2));  // the short line's end
  Press(KeyDown);
  EXPECT_EQ(View.Caret(), At(2, 8));  // back on the column
  Press(KeyDown);
  EXPECT_EQ(View.Caret(), At(3, 2));  // the tab reaches 28 px, 'x' ends at 35 < 56
  Press(KeyUp);
  EXPECT_EQ(View.Caret(), At(2, 8));
  Press(KeyDown);
  Press(KeyRight);
  EXPECT_EQ(View.Caret(), At(4, 0));
  Press(KeyUp);
  EXPECT_EQ(View.Caret(), At(3, 0));  // aims at x 0 now, not at 56
}

TEST_F(Keyboard, ACaretMovedByTheOwnerStartsANewColumn) {
  View.SetText("0123456789\nab\n0123456789");
  PutCaret(8);
  Press(KeyDown);
  PutCaret(At(1, 1));  // as a search would place it, without a key
  Press(KeyDown);
  EXPECT_EQ(View.Caret(), At(2, 1));
}

TEST_F(Keyboard, PressingOnlyAModifierKeepsTheColumn) {
  View.SetText("0123456789\nab\n0123456789");
  PutCaret(8);
  Press(KeyDown);
  EXPECT_FALSE(Press(KeyShift, ModShift));
  EXPECT_FALSE(Press(KeyControl, ModCtrl));
  Press(KeyDown, ModShift);
  EXPECT_EQ(View.Anchor(), At(1, 2));
  EXPECT_EQ(View.Caret(), At(2, 8));
}

TEST_F(Keyboard, ColumnFollowsTheHorizontalScroll) {
  View.SetText(std::string(300, 'a') + "\n" + std::string(300, 'b'));
  PutCaret(200);
  View.EnsureVisible(ScrollToCaret);
  ASSERT_GT(View.ScrollX(), 0);
  Press(KeyDown);
  EXPECT_EQ(View.Caret(), At(1, 200));
}

TEST_F(Keyboard, LeftAndRightWithASelectionStepFromTheCaret) {
  View.SetText("abcdefgh");
  View.SetSelection(1, 4, ScrollNone);
  Press(KeyLeft);
  EXPECT_EQ(View.Anchor(), 3);
  EXPECT_EQ(View.Caret(), 3);
  View.SetSelection(6, 2, ScrollNone);
  Press(KeyRight);
  EXPECT_EQ(View.Anchor(), 3);
  EXPECT_EQ(View.Caret(), 3);
  Press(KeyRight, ModShift);
  Press(KeyRight, ModShift);
  EXPECT_EQ(View.Anchor(), 3);
  EXPECT_EQ(View.Caret(), 5);
  Press(KeyLeft, ModShift);
  EXPECT_EQ(View.Caret(), 4);
  PutCaret(0);
  Press(KeyLeft);
  EXPECT_EQ(View.Caret(), 0);
  PutCaret(8);
  Press(KeyRight);
  EXPECT_EQ(View.Caret(), 8);
}

TEST_F(Keyboard, WordStepsStopAtRunsAndLineEnds) {
  View.SetText("foo_bar  +=  baz\nnext");
  const int stops[] = {9, 13, 16, 21};
  for (int stop : stops) {
    Press(KeyRight, ModCtrl);
    EXPECT_EQ(View.Caret(), stop);
  }
  EXPECT_FALSE(View.HasSelection());
  const int back[] = {17, 13, 9, 0};
  for (int stop : back) {
    Press(KeyLeft, ModCtrl);
    EXPECT_EQ(View.Caret(), stop);
  }
  PutCaret(9);
  Press(KeyRight, ModCtrl | ModShift);
  EXPECT_EQ(View.Anchor(), 9);
  EXPECT_EQ(View.Caret(), 13);
}

TEST_F(Keyboard, WordStepsCrossOneLineBreakAtATime) {
  View.SetText("a\n\n  b");
  EXPECT_EQ(View.WordStepRight(1), 2);  // onto the empty line
  EXPECT_EQ(View.WordStepRight(2), 6);  // over the break, the indent and the word
  EXPECT_EQ(View.WordStepLeft(6), 5);
  EXPECT_EQ(View.WordStepLeft(5), 3);  // back over the indent to the line's start
  EXPECT_EQ(View.WordStepLeft(3), 2);  // to the empty line
  EXPECT_EQ(View.WordStepLeft(2), 0);
}

TEST_F(Keyboard, HomeAndEndUseTheDisplayLineAndCtrlTheDocument) {
  View.SetText("  indented line\nsecond");
  PutCaret(6);
  Press(KeyHome);
  EXPECT_EQ(View.Caret(), 0);  // no smart home
  Press(KeyEnd, ModShift);
  EXPECT_EQ(View.Anchor(), 0);
  EXPECT_EQ(View.Caret(), 15);
  Press(KeyEnd, ModCtrl);
  EXPECT_EQ(View.Caret(), View.Length());
  EXPECT_FALSE(View.HasSelection());
  Press(KeyHome, ModCtrl | ModShift);
  EXPECT_EQ(View.Anchor(), View.Length());
  EXPECT_EQ(View.Caret(), 0);
}

TEST_F(Keyboard, HomeAndEndWithWordWrapStayOnTheWrappedSegment) {
  View.SetClientSize(8 * CharW, 25 * LineH);
  View.SetWordWrap(true);
  View.SetText("aaaa bbbb cccc");
  ASSERT_EQ(View.LineCount(), 3);
  PutCaret(At(1, 2));
  Press(KeyHome);
  EXPECT_EQ(View.Caret(), View.LineStart(1));
  Press(KeyEnd);
  EXPECT_EQ(View.Caret(), View.LineStart(1) + View.LineLength(1));
  EXPECT_EQ(View.LineFromPosition(View.Caret()), 1);
}

TEST_F(Keyboard, UpAndDownAtTheDocumentsEnds) {
  View.SetText("first\nlast");
  View.SetSelection(1, 3, ScrollNone);
  Press(KeyUp);
  EXPECT_EQ(View.Anchor(), 3);  // collapsed, not moved
  EXPECT_EQ(View.Caret(), 3);
  Press(KeyUp, ModShift);
  EXPECT_EQ(View.Anchor(), 3);
  EXPECT_EQ(View.Caret(), 0);
  View.SetSelection(7, 8, ScrollNone);
  Press(KeyDown, ModCtrl);
  EXPECT_EQ(View.Anchor(), 7);  // Ctrl alone neither moves nor collapses
  EXPECT_EQ(View.Caret(), 8);
  Press(KeyDown, ModShift);
  EXPECT_EQ(View.Anchor(), 7);
  EXPECT_EQ(View.Caret(), View.Length());
}

TEST_F(Keyboard, PageDownAndUpMoveAPageAndScroll) {
  SetLines(100);
  PutCaret(At(3, 2));
  EXPECT_TRUE(Press(KeyPageDown));
  EXPECT_EQ(View.TopLine(), 25);
  EXPECT_EQ(View.Caret(), At(28, 2));
  Press(KeyPageDown, ModShift);
  EXPECT_EQ(View.TopLine(), 50);
  EXPECT_EQ(View.Anchor(), At(28, 2));
  EXPECT_EQ(View.Caret(), At(53, 2));
  Press(KeyPageUp);
  EXPECT_EQ(View.TopLine(), 25);
  EXPECT_EQ(View.Caret(), At(28, 2));
  EXPECT_FALSE(View.HasSelection());
  Press(KeyPageUp);
  Press(KeyPageUp);
  EXPECT_EQ(View.TopLine(), 0);
  EXPECT_EQ(View.Caret(), 0);  // above the first line is the document start
}

TEST_F(Keyboard, PageKeysAtTheEndsAndWithCtrl) {
  SetLines(100);
  PutCaret(2);
  EXPECT_TRUE(Press(KeyPageUp));
  EXPECT_EQ(View.Caret(), 2);
  PutCaret(View.Length());
  View.EnsureVisible(ScrollToCaret);
  const int top = View.TopLine();
  EXPECT_TRUE(Press(KeyPageDown));
  EXPECT_EQ(View.Caret(), View.Length());
  EXPECT_EQ(View.TopLine(), top);
  EXPECT_FALSE(Press(KeyPageDown, ModCtrl));
  EXPECT_FALSE(Press(KeyPageUp, ModCtrl | ModShift));
  // Page Down from the page before the last goes beyond the last line: the document end.
  PutCaret(At(80, 3));
  Press(KeyPageDown);
  EXPECT_EQ(View.Caret(), View.Length());
}

TEST_F(Keyboard, CtrlUpAndDownAlsoScrollTheText) {
  SetLines(100);
  View.SetTopLine(10);
  PutCaret(At(20, 1));
  Press(KeyDown, ModCtrl);
  EXPECT_EQ(View.Caret(), At(21, 1));
  EXPECT_EQ(View.TopLine(), 11);
  Press(KeyUp, ModCtrl);
  Press(KeyUp, ModCtrl);
  EXPECT_EQ(View.Caret(), At(19, 1));
  EXPECT_EQ(View.TopLine(), 9);
  Press(KeyDown, ModCtrl | ModShift);
  EXPECT_EQ(View.Anchor(), At(19, 1));
  EXPECT_EQ(View.Caret(), At(20, 1));
  EXPECT_EQ(View.TopLine(), 10);
}

TEST_F(Keyboard, EscapeCollapsesTheSelectionToTheCaret) {
  View.SetText("hello");
  View.SetSelection(4, 1, ScrollNone);
  EXPECT_TRUE(Press(KeyEscape));
  EXPECT_EQ(View.Anchor(), 1);
  EXPECT_EQ(View.Caret(), 1);
  View.SetSelection(4, 1, ScrollNone);
  EXPECT_FALSE(Press(KeyEscape, ModShift));
  EXPECT_EQ(View.Anchor(), 4);
}

TEST_F(Keyboard, EditingChords) {
  View.SetText("one\ntwo");
  EXPECT_TRUE(Press('A', ModCtrl));
  EXPECT_EQ(View.SelectionStart(), 0);
  EXPECT_EQ(View.SelectionEnd(), View.Length());
  Press('C', ModCtrl);
  EXPECT_EQ(Clipboard.Text, "one\r\ntwo");
  View.SetSelection(0, 3, ScrollNone);
  Press('X', ModCtrl);
  EXPECT_EQ(View.GetText(NewLineLf), "\ntwo");
  Press('V', ModCtrl);
  Press('V', ModCtrl);
  EXPECT_EQ(View.GetText(NewLineLf), "oneone\ntwo");
  Press('Z', ModCtrl);
  EXPECT_EQ(View.GetText(NewLineLf), "one\ntwo");
  Press('Y', ModCtrl);
  EXPECT_EQ(View.GetText(NewLineLf), "oneone\ntwo");
  PutCaret(0);
  EXPECT_TRUE(Press(KeyDelete));
  EXPECT_EQ(View.GetText(NewLineLf), "neone\ntwo");
  View.SetSelection(0, 2, ScrollNone);
  Press(KeyInsert, ModCtrl);
  EXPECT_EQ(Clipboard.Text, "ne");
  Press(KeyDelete, ModShift);
  EXPECT_EQ(View.GetText(NewLineLf), "one\ntwo");
  Press(KeyInsert, ModShift);
  EXPECT_EQ(View.GetText(NewLineLf), "neone\ntwo");
  EXPECT_TRUE(Press(KeyInsert));
  EXPECT_FALSE(View.IsInsertMode());
}

TEST_F(Keyboard, ReadOnlyIgnoresEditingKeysButCopies) {
  View.SetText("hello\nworld");
  PutCaret(5);
  View.TypeChar('!');
  View.Undo();
  View.SetReadOnly(true);
  Clipboard.SetText("clip", false);
  View.SetSelection(0, 5, ScrollNone);
  const struct {
    int Key, Modifiers;
  } edits[] = {{'V', ModCtrl}, {KeyInsert, ModShift}, {'X', ModCtrl}, {KeyDelete, ModShift},
               {KeyDelete, 0}, {'Y', ModCtrl}, {'Z', ModCtrl}};
  for (const auto& e : edits) {
    EXPECT_TRUE(Press(e.Key, e.Modifiers)) << e.Key;
    EXPECT_EQ(View.GetText(NewLineLf), "hello\nworld") << e.Key;
  }
  EXPECT_EQ(Clipboard.Text, "clip");
  EXPECT_TRUE(View.CanRedo());
  Press('C', ModCtrl);
  EXPECT_EQ(Clipboard.Text, "hello");
  View.SetSelection(6, 11, ScrollNone);
  Press(KeyInsert, ModCtrl);
  EXPECT_EQ(Clipboard.Text, "world");
}

TEST_F(Keyboard, KeysWithoutARuleAreLeftToTheWindow) {
  View.SetText("abc");
  View.SetSelection(1, 2, ScrollNone);
  EXPECT_FALSE(Press('A'));         // typed, through the character message
  EXPECT_FALSE(Press('Z', ModShift));
  EXPECT_FALSE(Press('B', ModCtrl));
  EXPECT_FALSE(Press('A', ModCtrl | ModShift));
  EXPECT_FALSE(Press(KeyInsert, ModCtrl | ModShift));
  EXPECT_FALSE(Press(KeyDelete, ModCtrl | ModShift));
  EXPECT_FALSE(Press(KeyLeft, ModAlt));
  EXPECT_FALSE(Press(KeyUp, ModAlt | ModShift));
  EXPECT_FALSE(Press(KeyHome, ModAlt));
  EXPECT_FALSE(Press(0x70));  // F1
  EXPECT_EQ(View.Anchor(), 1);
  EXPECT_EQ(View.Caret(), 2);
  EXPECT_EQ(View.GetText(NewLineLf), "abc");
}

TEST_F(Keyboard, DialogCodes) {
  View.SetText("abc");
  EXPECT_EQ(View.DialogCode(true), 0);  // Escape goes to the dialog
  EXPECT_EQ(View.DialogCode(false), 132);
  View.SetSelection(0, 1, ScrollNone);
  EXPECT_EQ(View.DialogCode(true), 132);  // Escape collapses the selection first
  View.SetReadOnly(true);
  EXPECT_EQ(View.DialogCode(false), 129);
  PutCaret(0);
  EXPECT_EQ(View.DialogCode(true), 0);
}

TEST_F(Keyboard, FocusCreatesAndDestroysTheCaretAndRepaintsTheSelection) {
  View.SetText("hello world");
  View.SetSelection(2, 5, ScrollNone);
  Host.Clear();
  View.FocusChanged(false);
  EXPECT_EQ(Host.Count(HostEvent::CaretGone), 1);
  ASSERT_EQ(Host.Count(HostEvent::Rect), 1);
  EXPECT_EQ(Host.Events.back().C, 2 * CharW);
  EXPECT_EQ(Host.Events.back().D, 5 * CharW);
  Host.Clear();
  View.FocusChanged(true);
  EXPECT_EQ(Host.Count(HostEvent::Caret), 1);
  EXPECT_EQ(Host.Count(HostEvent::Rect), 1);
  PutCaret(3);
  Host.Clear();
  View.FocusChanged(true);
  EXPECT_EQ(Host.Count(HostEvent::Caret), 1);
  EXPECT_EQ(Host.Count(HostEvent::Rect), 0);
}

TEST_F(Keyboard, ContextMenuFromTheKeyboardOpensBelowTheCaret) {
  SetLines(10);
  View.SetTopLine(0);
  PutCaret(At(2, 3));
  int x = 0, y = 0;
  View.ContextMenuPoint(true, -1, -1, x, y);
  EXPECT_EQ(x, 3 * CharW);
  EXPECT_EQ(y, 3 * LineH);
  EXPECT_EQ(View.Caret(), At(2, 3));
}

TEST_F(Keyboard, ContextMenuByClickMovesOnlyACollapsedCaret) {
  SetLines(10);
  PutCaret(0);
  int x = 0, y = 0;
  View.ContextMenuPoint(false, X(4), Y(5), x, y);
  EXPECT_EQ(x, X(4));
  EXPECT_EQ(y, Y(5));
  EXPECT_EQ(View.Caret(), At(5, 4));
  EXPECT_FALSE(View.HasSelection());
  View.SetSelection(At(1, 0), At(1, 3), ScrollNone);
  View.ContextMenuPoint(false, X(4), Y(5), x, y);
  EXPECT_EQ(View.Anchor(), At(1, 0));
  EXPECT_EQ(View.Caret(), At(1, 3));
  EXPECT_EQ(y, Y(5));
}

}  // namespace
