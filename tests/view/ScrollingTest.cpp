// The wheel, the scroll-bar requests, the scroll bars after a held arrow key, and going to a
// display or hard line.
#include "tests/view/InputFixture.h"

namespace {

using Scrolling = InputTest;

TEST_F(Scrolling, WheelScrollsLinesPerNotchAndLeavesTheCaret) {
  SetLines(100);
  View.SetTopLine(10);
  PutCaret(At(12, 1));
  Host.Clear();
  View.Wheel(120, 3);
  EXPECT_EQ(View.TopLine(), 7);
  View.Wheel(-240, 3);
  EXPECT_EQ(View.TopLine(), 13);
  EXPECT_EQ(View.Caret(), At(12, 1));
  EXPECT_TRUE(Host.Notifications().empty());
  View.Wheel(120, 0);
  EXPECT_EQ(View.TopLine(), 13);
}

TEST_F(Scrolling, PartialNotchesRoundHalvesAwayFromZero) {
  SetLines(100);
  View.SetTopLine(50);
  View.Wheel(20, 3);  // half a line
  EXPECT_EQ(View.TopLine(), 49);
  View.Wheel(-20, 3);
  EXPECT_EQ(View.TopLine(), 50);
  View.Wheel(19, 3);  // less than half
  EXPECT_EQ(View.TopLine(), 50);
  View.Wheel(60, 3);  // one and a half
  EXPECT_EQ(View.TopLine(), 48);
  View.Wheel(-60, 3);
  EXPECT_EQ(View.TopLine(), 50);
}

TEST_F(Scrolling, WheelInPageModeScrollsAWholePage) {
  SetLines(100);
  View.SetTopLine(30);
  View.Wheel(-120, WheelScrollsPage);
  EXPECT_EQ(View.TopLine(), 55);
  View.Wheel(120, WheelScrollsPage);
  EXPECT_EQ(View.TopLine(), 30);
  View.Wheel(-120 * 100, WheelScrollsPage);  // clamped to the last full page
  EXPECT_EQ(View.TopLine(), 75);
  View.Wheel(-120, 4000000000u);  // a huge setting that is not "page" stays in range
  EXPECT_EQ(View.TopLine(), 75);
}

TEST_F(Scrolling, VerticalScrollBarRequests) {
  SetLines(100);
  View.SetTopLine(30);
  View.VerticalScroll(ScrollLineDown, 0);
  EXPECT_EQ(View.TopLine(), 31);
  View.VerticalScroll(ScrollLineUp, 0);
  EXPECT_EQ(View.TopLine(), 30);
  View.VerticalScroll(ScrollPageDown, 0);
  EXPECT_EQ(View.TopLine(), 55);  // the line after the last whole one
  View.VerticalScroll(ScrollPageUp, 0);
  EXPECT_EQ(View.TopLine(), 30);
  View.VerticalScroll(ScrollThumbTrack, 64);
  EXPECT_EQ(View.TopLine(), 64);
  EXPECT_EQ(Host.Vertical.Position, 64);
  View.VerticalScroll(ScrollThumbPosition, 7);
  EXPECT_EQ(View.TopLine(), 7);
  View.VerticalScroll(8, 40);  // end of scrolling: nothing to do
  EXPECT_EQ(View.TopLine(), 7);
  View.VerticalScroll(ScrollPageUp, 0);
  EXPECT_EQ(View.TopLine(), 0);
  View.VerticalScroll(ScrollLineUp, 0);
  EXPECT_EQ(View.TopLine(), 0);
  View.VerticalScroll(ScrollThumbTrack, 500);
  EXPECT_EQ(View.TopLine(), 75);
}

TEST_F(Scrolling, PageUpAndDownOfAWindowWithAPartialLine) {
  SetLines(100);
  View.SetClientSize(80 * CharW, 10 * LineH + 5);
  View.SetTopLine(40);
  View.VerticalScroll(ScrollPageDown, 0);
  EXPECT_EQ(View.TopLine(), 50);
  View.VerticalScroll(ScrollPageUp, 0);
  EXPECT_EQ(View.TopLine(), 40);
}

TEST_F(Scrolling, HorizontalScrollBarRequests) {
  View.SetText(std::string(300, 'x'));
  View.HorizontalScroll(ScrollLineDown, 0);
  EXPECT_EQ(View.ScrollX(), CharW);
  View.HorizontalScroll(ScrollPageDown, 0);
  EXPECT_EQ(View.ScrollX(), CharW + 80 * CharW);
  View.HorizontalScroll(ScrollLineUp, 0);
  EXPECT_EQ(View.ScrollX(), 80 * CharW);
  View.HorizontalScroll(ScrollPageUp, 0);
  EXPECT_EQ(View.ScrollX(), 0);
  View.HorizontalScroll(ScrollThumbTrack, 1000);
  EXPECT_EQ(View.ScrollX(), 1000);
  EXPECT_EQ(Host.Horizontal.Position, 1000);
  View.HorizontalScroll(ScrollThumbPosition, 99999);
  EXPECT_EQ(View.ScrollX(), 300 * CharW - 80 * CharW + 1);
  View.HorizontalScroll(8, 0);
  EXPECT_EQ(View.ScrollX(), 300 * CharW - 80 * CharW + 1);
}

TEST_F(Scrolling, HeldUpOrDownKeySyncsTheVerticalBarOnKeyUp) {
  SetLines(100);
  PutCaret(At(20, 0));
  Host.Clear();
  for (int i = 0; i < 10; ++i) Press(KeyDown);  // auto-repeat: no key-up in between
  EXPECT_EQ(View.TopLine(), 30 - 24);
  EXPECT_EQ(Host.Count(HostEvent::VScroll), 0);
  View.KeyUp(KeyDown);
  EXPECT_EQ(Host.Vertical.Position, View.TopLine());
  Host.Clear();
  Tap(KeyDown);  // each step of a tapped key goes to the bar at once
  EXPECT_EQ(Host.Vertical.Position, View.TopLine());
  Tap(KeyPageDown);
  EXPECT_EQ(Host.Vertical.Position, View.TopLine());
}

TEST_F(Scrolling, HeldLeftOrRightKeySyncsTheHorizontalBarOnKeyUp) {
  View.SetText(std::string(300, 'x'));
  PutCaret(79);
  Host.Clear();
  Press(KeyRight);
  Press(KeyRight);
  EXPECT_GT(View.ScrollX(), 0);
  EXPECT_EQ(Host.Count(HostEvent::HScroll), 0);
  View.KeyUp(KeyUp);  // another key's release leaves the bar alone
  EXPECT_EQ(Host.Count(HostEvent::HScroll), 0);
  View.KeyUp(KeyRight);
  EXPECT_EQ(Host.Horizontal.Position, View.ScrollX());
}

TEST_F(Scrolling, LosingTheFocusWhileAnArrowIsHeldSyncsTheBars) {
  SetLines(100);
  PutCaret(At(24, 0));
  Press(KeyDown, ModCtrl);
  ASSERT_NE(Host.Vertical.Position, View.TopLine());
  View.FocusChanged(false);
  EXPECT_EQ(Host.Vertical.Position, View.TopLine());
  EXPECT_FALSE(View.VerticalKeyHeld);
  const int position = Host.Vertical.Position;
  View.SetTopLine(40);  // no key is held any more
  EXPECT_EQ(Host.Vertical.Position, 40);
  EXPECT_NE(position, 40);
}

TEST_F(Scrolling, GotoLineCentresAndClamps) {
  SetLines(100);
  View.GotoLine(50);
  EXPECT_EQ(View.TopLine(), 50 - 25 / 2);
  EXPECT_EQ(View.Caret(), At(50, 0));
  EXPECT_FALSE(View.HasSelection());
  View.GotoLine(500);
  EXPECT_EQ(View.Caret(), At(99, 0));
  EXPECT_EQ(View.TopLine(), 75);
  View.GotoLine(-4);
  EXPECT_EQ(View.Caret(), 0);
  EXPECT_EQ(View.TopLine(), 0);
}

TEST_F(Scrolling, GotoHardLineUnderWordWrap) {
  View.SetClientSize(8 * CharW, 25 * LineH);
  View.SetWordWrap(true);
  View.SetText("aaaa bbbb cccc\nsecond\naaaa bbbb cccc\nlast");
  ASSERT_EQ(View.LineCount(), 8);
  View.SetSelection(5, 5, ScrollNone);
  View.GotoHardLine(-3);
  EXPECT_EQ(View.Caret(), 0);
  View.GotoHardLine(1);
  EXPECT_EQ(View.Caret(), View.LineStart(3));
  View.GotoHardLine(2);
  EXPECT_EQ(View.Caret(), View.LineStart(4));
  View.GotoHardLine(3);
  EXPECT_EQ(View.Caret(), View.LineStart(7));
  View.GotoHardLine(4);  // one too many: the last display line
  EXPECT_EQ(View.Caret(), View.LineStart(7));
  View.SetText("aaaa bbbb cccc");
  View.GotoHardLine(99);
  EXPECT_EQ(View.Caret(), View.LineStart(2));  // the last segment, not the hard line's start
}

}  // namespace
