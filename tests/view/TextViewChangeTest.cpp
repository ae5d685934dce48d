// ReplaceText and the line table around it: limits, notifications, repainting, widest line.
#include "tests/view/ViewFakes.h"

#include <gtest/gtest.h>

namespace {

class TextViewChange : public ::testing::Test, public ViewFixture {};

TEST_F(TextViewChange, ANewViewHasOneEmptyLine) {
  EXPECT_EQ(View.LineCount(), 1);
  EXPECT_EQ(View.LineLength(0), 0);
  for (int style = 0; style < 3; ++style) EXPECT_EQ(View.GetText(style), "");
}

TEST_F(TextViewChange, LineQueriesOfTwoLines) {
  View.SetText("a\nb");
  EXPECT_EQ(View.LineCount(), 2);
  EXPECT_EQ(View.LineStart(1), 2);
  EXPECT_EQ(View.LineLength(0), 1);
  EXPECT_EQ(View.LineFromPosition(2), 1);
  EXPECT_EQ(View.LineFromPosition(1), 0);
  EXPECT_EQ(View.GetText(NewLineCrLf), "a\r\nb");
  EXPECT_EQ(View.GetText(NewLineCr), "a\rb");
  EXPECT_EQ(View.GetText(NewLineLf), "a\nb");
}

TEST_F(TextViewChange, InsertingAndRemovingLinesKeepsTheTable) {
  View.SetText("a");
  ASSERT_TRUE(View.ReplaceText(1, 0, "x\ny\n", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(View.LineCount(), 3);
  EXPECT_EQ(View.LineText(2), "");
  EXPECT_EQ(View.Caret(), 5);
  ASSERT_TRUE(View.ReplaceText(1, 4, "", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(View.LineCount(), 1);
  EXPECT_EQ(View.GetText(NewLineLf), "a");
}

TEST_F(TextViewChange, AnEmptyReplacementDoesNothing) {
  View.SetText("abc");
  Host.Clear();
  EXPECT_FALSE(View.ReplaceText(1, 0, "", -1, -1, ScrollToCaret, true));
  EXPECT_TRUE(Host.Events.empty());
}

TEST_F(TextViewChange, MaxLengthTruncatesThenBeeps) {
  View.SetText("abcd");
  View.MaxLength = 5;
  EXPECT_TRUE(View.ReplaceText(4, 0, "xyz", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(View.GetText(NewLineLf), "abcdx");
  Host.Clear();
  EXPECT_FALSE(View.ReplaceText(2, 0, "q", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(Host.Count(HostEvent::Beep), 1);
  EXPECT_TRUE(Host.Notifications().empty());
  // Replacing within the limit still works when the document is full.
  EXPECT_TRUE(View.ReplaceText(0, 2, "QQ", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(View.GetText(NewLineLf), "QQcdx");
}

TEST_F(TextViewChange, SetTextPutsTheCaretAtTheStart) {
  View.SetText("one\ntwo");
  EXPECT_EQ(View.Anchor(), 0);
  EXPECT_EQ(View.Caret(), 0);
}

TEST_F(TextViewChange, NotifiesSelectionThenText) {
  View.SetText("abc");
  View.SetSelection(3, 3, ScrollNone);
  Host.Clear();
  View.ReplaceText(3, 0, "d", -1, -1, ScrollToCaret, true);
  const std::vector<int> codes = Host.Notifications();
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.back(), TVN_TEXTCHANGED);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), TVN_TEXTCHANGED), 1);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), TVN_SELCHANGED), 1);  // the caret moved 3 -> 4
}

TEST_F(TextViewChange, IdenticalTextIsNoModificationAndNoUndo) {
  View.SetText("abc");
  View.ClearUndo();
  View.SetModified(false);
  View.ReplaceText(0, 3, "abc", -1, -1, ScrollToCaret, true);
  EXPECT_FALSE(View.IsModified());
  EXPECT_FALSE(View.CanUndo());
}

TEST_F(TextViewChange, RepaintsFromTheFirstChangedColumn) {
  View.SetText("abcdef\nxyz");
  Host.Clear();
  View.ReplaceText(3, 1, "D", -1, -1, ScrollNone, true);
  std::vector<HostEvent> strips;
  for (const HostEvent& e : Host.Events)
    if (e.What == HostEvent::Strip) strips.push_back(e);
  ASSERT_EQ(strips.size(), 1u);
  EXPECT_EQ(strips[0].A, 0);   // top of line 0
  EXPECT_EQ(strips[0].B, 16);  // one line high
  EXPECT_EQ(strips[0].C, 21);  // after three characters
}

TEST_F(TextViewChange, ALineGoneFromTheWindowIsRepaintedWhole) {
  View.SetText("a\nb\nc");
  Host.Clear();
  View.ReplaceText(1, 2, "", -1, -1, ScrollNone, true);  // "a\nc"
  int wholeStrips = 0;
  for (const HostEvent& e : Host.Events) wholeStrips += e.What == HostEvent::Strip && e.A == 32 && e.C == 0;
  EXPECT_EQ(wholeStrips, 1);  // the third line no longer exists
}

TEST_F(TextViewChange, WidestLineFollowsEdits) {
  View.SetText("short\na much longer line\nmid");
  EXPECT_EQ(View.GetWidestLine(), 1);
  View.ReplaceText(0, 0, "x\n", -1, -1, ScrollNone, true);  // widest line moves down
  EXPECT_EQ(View.GetWidestLine(), 2);
  View.ReplaceText(View.LineStart(2), View.LineLength(2), "", -1, -1, ScrollNone, true);
  EXPECT_EQ(View.GetWidestLine(), 1);  // "short" is now the widest
  // Deleting the only LF of two lines joins them; the vertical range shrinks.
  View.SetText("abc\nde");
  View.ReplaceText(3, 1, "", -1, -1, ScrollNone, true);
  EXPECT_EQ(View.GetWidestLine(), 0);
  EXPECT_EQ(View.LineWidth(0), 5 * 7);
  EXPECT_EQ(Host.Vertical.Max, 0);
  EXPECT_EQ(Host.Horizontal.Max, 5 * 7 - 1);
}

TEST_F(TextViewChange, ReplacingEverythingClearsBookmarks) {
  View.SetText("a\nb\nc");
  View.SetBookmark(0, true);
  View.SetBookmark(2, true);
  View.SetText("x\ny\nz");
  for (int line = 0; line < View.LineCount(); ++line) EXPECT_FALSE(View.HasBookmark(line)) << line;
}

TEST_F(TextViewChange, ColouringIsCachedPerLineAndRenewedByAnEdit) {
  View.SetText("ab\ncd");
  const RefPtr<LineColouring> before = View.ColouringOf(1);
  const int cached = View.CachedTokenLines();
  View.ColouringOf(1);
  EXPECT_EQ(View.CachedTokenLines(), cached);
  View.ReplaceText(4, 0, "X", -1, -1, ScrollNone, true);
  const RefPtr<LineColouring> after = View.ColouringOf(1);
  ASSERT_EQ(after->Tokens.size(), 1u);
  EXPECT_EQ(after->Tokens[0].Text, "cXd");
  EXPECT_EQ(before->Tokens[0].Text, "cd");  // a colouring keeps its own copy of the line
}

}  // namespace
