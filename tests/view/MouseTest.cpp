// Hit-testing, clicks and their modifier rules, double clicks on words, dragging with the
// drag lock, and the timer that scrolls while dragging outside the window.
#include "tests/view/InputFixture.h"

namespace {

using Mouse = InputTest;

TEST_F(Mouse, PointsFallOnTheCharacterTheyHit) {
  View.SetText("abcdef\n\tx\nlast");
  EXPECT_EQ(View.PositionFromPoint(0, 0), 0);
  EXPECT_EQ(View.PositionFromPoint(6, 15), 0);  // the right half still goes before 'a'
  EXPECT_EQ(View.PositionFromPoint(7, 0), 1);
  EXPECT_EQ(View.PositionFromPoint(500, 0), 6);  // beyond the end: the line's end
  EXPECT_EQ(View.PositionFromPoint(27, 16), At(1, 0));  // inside the tab's 28 pixels
  EXPECT_EQ(View.PositionFromPoint(28, 16), At(1, 1));
  EXPECT_EQ(View.PositionFromPoint(-5, 16), At(1, 0));
  EXPECT_EQ(View.PositionFromPoint(10, 3 * LineH), View.Length());  // below the last line
  EXPECT_EQ(View.PositionFromPoint(10, 25 * LineH), View.Length());
}

TEST_F(Mouse, PointsFollowTheScrollPosition) {
  SetLines(100, std::string(200, 'x'));
  View.SetTopLine(10);
  View.SetScrollX(70);
  EXPECT_EQ(View.PositionFromPoint(0, 0), At(10, 10));
  EXPECT_EQ(View.PositionFromPoint(-7, 2 * LineH), At(12, 9));
  EXPECT_EQ(View.PositionFromPoint(0, -LineH), At(9, 10));
  EXPECT_EQ(View.PositionFromPoint(0, -11 * LineH), 0);  // above the first line
}

TEST_F(Mouse, TabsInAScrolledLineKeepTheLinesTabStops) {
  View.SetText(std::string(100, 'x') + "\n" + std::string(5, 'y') + "\tz");
  View.SetScrollX(14);
  // The tab runs from 35 to 56 line pixels, 21 to 42 in the window.
  EXPECT_EQ(View.PositionFromPoint(41, LineH), At(1, 5));
  EXPECT_EQ(View.PositionFromPoint(42, LineH), At(1, 6));
}

// Counts the characters the view measures one at a time.
class GlyphCounter : public FakeMeasurer {
public:
  int GlyphWidth(char c) override {
    ++Glyphs;
    return FakeMeasurer::GlyphWidth(c);
  }
  int Glyphs = 0;
};

TEST(MouseOnAHugeLine, ClickMeasuresOnlyUpToThePoint) {
  GlyphCounter measurer;
  FakeHost host;
  FakeClipboard clipboard;
  TextView view(measurer, host, clipboard);
  view.SetClientSize(80 * 7, 25 * 16);
  view.SetText(std::string(2000000, 'x'));
  measurer.Glyphs = 0;
  EXPECT_EQ(view.PositionFromPoint(5 * 7 + 3, 0), 5);
  EXPECT_LE(measurer.Glyphs, 6);
  // Scrolled far right, the walk starts from the measured chunk that holds the point.
  view.SetScrollX(700000);
  measurer.Glyphs = 0;
  EXPECT_EQ(view.PositionFromPoint(100, 0), (700000 + 100) / 7);
  EXPECT_LE(measurer.Glyphs, 8193);
}

TEST_F(Mouse, ALongTabbedLineIsHitAsItsMeasuringPlacesIt) {
  std::string line;
  while (line.size() < 100000) line += "abcd\t";
  View.SetText(line);
  for (int column : {5, 2339, 2340, 2341, 4683, 50001, 99999}) {
    const int left = View.MeasureText(line.data(), column);
    View.SetScrollX(left - 100);
    const int x = left - View.ScrollX();
    EXPECT_EQ(View.PositionFromPoint(x, 0), column) << column;
    EXPECT_EQ(View.PositionFromPoint(x - 1, 0), column - 1) << column;
  }
}

TEST_F(Mouse, ClickMovesShiftClickExtendsAndTakesTheFocus) {
  SetLines(10);
  Host.Focus = false;
  Host.Clear();
  View.MouseDown(X(2), Y(1), MouseLeft);
  EXPECT_TRUE(Host.Focus);
  EXPECT_EQ(View.Anchor(), At(1, 2));
  EXPECT_EQ(View.Caret(), At(1, 2));
  EXPECT_EQ(Host.Count(HostEvent::Timer), 1);
  View.MouseUp();
  View.MouseDown(X(4), Y(3), MouseLeft | MouseShift);
  EXPECT_EQ(View.Anchor(), At(1, 2));
  EXPECT_EQ(View.Caret(), At(3, 4));
}

TEST_F(Mouse, UpAndDownAfterAClickAimAtTheClickedColumn) {
  SetLines(10, "0123456789");
  PutCaret(At(0, 8));
  View.KeyDown(KeyDown, 0);
  View.MouseDown(X(2), Y(4), MouseLeft);
  View.MouseUp();
  View.KeyDown(KeyDown, 0);
  EXPECT_EQ(View.Caret(), At(5, 2));
  View.MouseDoubleClick(X(4), Y(7));
  View.KeyDown(KeyUp, 0);
  EXPECT_EQ(View.Caret(), At(6, 10));  // the double click left the caret at the word's end
  View.GotoLine(2);
  View.KeyDown(KeyDown, 0);
  EXPECT_EQ(View.Caret(), At(3, 0));
}

TEST_F(Mouse, OtherButtonCombinationsChangeNothing) {
  SetLines(10);
  View.SetSelection(At(1, 1), At(1, 3), ScrollNone);
  const int combinations[] = {MouseLeft | MouseRight, MouseLeft | MouseCtrl | MouseShift, MouseLeft | MouseMiddle,
                              MouseLeft | MouseX1, MouseLeft | MouseShift | MouseRight};
  for (int keys : combinations) {
    View.MouseDown(X(5), Y(6), keys);
    View.MouseMove(X(7), Y(7), keys);
    EXPECT_EQ(View.Anchor(), At(1, 1)) << keys;
    EXPECT_EQ(View.Caret(), At(1, 3)) << keys;
    View.MouseUp();
  }
}

TEST_F(Mouse, DraggingExtendsFromThePress) {
  SetLines(10);
  View.MouseDown(X(1), Y(0), MouseLeft);
  View.MouseMove(X(3), Y(2), MouseLeft);
  EXPECT_EQ(View.Anchor(), At(0, 1));
  EXPECT_EQ(View.Caret(), At(2, 3));
  View.MouseMove(X(4), Y(4), 0);  // the button is up: a plain move
  EXPECT_EQ(View.Caret(), At(2, 3));
  View.MouseMove(X(0), Y(5), MouseLeft);
  EXPECT_EQ(View.Anchor(), At(0, 1));
  EXPECT_EQ(View.Caret(), At(5, 0));
}

TEST_F(Mouse, CtrlClickSelectsTheWordAndLocksTheDrag) {
  View.SetText("alpha beta gamma");
  View.MouseDown(X(7), Y(0), MouseLeft | MouseCtrl);
  EXPECT_EQ(View.Anchor(), 6);
  EXPECT_EQ(View.Caret(), 10);
  View.MouseMove(X(14), Y(0), MouseLeft | MouseCtrl);
  EXPECT_EQ(View.Anchor(), 6);
  EXPECT_EQ(View.Caret(), 10);
  View.MouseUp();
  View.MouseDown(X(1), Y(0), MouseLeft);  // a new press drags again
  View.MouseMove(X(3), Y(0), MouseLeft);
  EXPECT_EQ(View.Anchor(), 1);
  EXPECT_EQ(View.Caret(), 3);
}

TEST_F(Mouse, APlainPressEndsADragLockWhoseButtonUpWentElsewhere) {
  View.SetText("alpha beta gamma");
  View.MouseDoubleClick(X(1), Y(0));
  View.MouseDown(X(7), Y(0), MouseLeft);
  View.MouseMove(X(12), Y(0), MouseLeft);
  EXPECT_EQ(View.Anchor(), 7);
  EXPECT_EQ(View.Caret(), 12);
}

TEST_F(Mouse, DoubleClickSelectsWordsAndRuns) {
  View.SetText("x = foo_bar2+=-;  end\nnext");
  View.MouseDoubleClick(X(6), Y(0));
  EXPECT_EQ(View.GetSelectedText(), "foo_bar2");
  View.MouseMove(X(19), Y(0), MouseLeft);  // locked until the button goes up
  EXPECT_EQ(View.GetSelectedText(), "foo_bar2");
  View.MouseUp();
  View.MouseDoubleClick(X(13), Y(0));
  EXPECT_EQ(View.GetSelectedText(), "+=-;");
  View.MouseDoubleClick(X(16), Y(0));  // white space after a run: the run
  EXPECT_EQ(View.GetSelectedText(), "+=-;");
  View.MouseDoubleClick(X(17), Y(0));  // white space after white space: nothing
  EXPECT_FALSE(View.HasSelection());
  EXPECT_EQ(View.Caret(), 17);
  View.MouseDoubleClick(X(40), Y(0));  // beyond the line's end: the word before
  EXPECT_EQ(View.GetSelectedText(), "end");
  View.MouseDoubleClick(X(0), Y(1));
  EXPECT_EQ(View.GetSelectedText(), "next");
}

TEST_F(Mouse, DraggingBelowTheWindowExtendsEveryTickWhileScrolling) {
  SetLines(100);
  View.MouseDown(X(2), Y(3), MouseLeft);
  const int below = View.ClientHeight() + 5;
  for (int tick = 1; tick <= 3; ++tick) {
    EXPECT_TRUE(View.DragTimerTick(true, X(2), below));
    EXPECT_EQ(View.TopLine(), tick);
    EXPECT_EQ(View.Anchor(), At(3, 2));
    EXPECT_EQ(View.Caret(), At(24 + tick, 2));
  }
  EXPECT_TRUE(View.DragTimerTick(true, X(2), Y(10)));  // back inside: the moves do it
  EXPECT_EQ(View.Caret(), At(27, 2));
  EXPECT_FALSE(View.DragTimerTick(false, X(2), below));
  EXPECT_EQ(View.TopLine(), 3);
  EXPECT_EQ(View.Caret(), At(27, 2));
}

TEST_F(Mouse, DraggingAboveAndLeftOfTheWindowScrollsBack) {
  SetLines(100, std::string(200, 'x'));
  View.SetTopLine(50);
  View.SetScrollX(700);
  View.MouseDown(X(2), Y(55), MouseLeft);
  EXPECT_TRUE(View.DragTimerTick(true, X(2), -3));
  EXPECT_EQ(View.TopLine(), 49);
  EXPECT_EQ(View.LineFromPosition(View.Caret()), 49);
  EXPECT_TRUE(View.DragTimerTick(true, -3, Y(49)));
  EXPECT_LT(View.ScrollX(), 700);
  EXPECT_EQ(View.Anchor(), At(55, 102));
}

TEST_F(Mouse, ALockedDragDoesNotExtendFromTheTimer) {
  SetLines(100);
  View.MouseDown(X(1), Y(2), MouseLeft | MouseCtrl);
  const int anchor = View.Anchor(), caret = View.Caret();
  EXPECT_TRUE(View.DragTimerTick(true, X(1), View.ClientHeight() + 5));
  EXPECT_EQ(View.Anchor(), anchor);
  EXPECT_EQ(View.Caret(), caret);
  EXPECT_EQ(View.TopLine(), 0);
}

TEST_F(Mouse, ButtonUpStopsTheDragTimer) {
  View.SetText("abc");
  View.MouseDown(X(1), Y(0), MouseLeft);
  Host.Clear();
  View.MouseUp();
  ASSERT_EQ(Host.Count(HostEvent::Timer), 1);
  EXPECT_EQ(Host.Events.back().A, 0);
}

}  // namespace

// The wheel with Ctrl asks the owner to zoom, a request per whole notch, and scrolls nothing.
TEST(ZoomWheel, WholeNotchesAskForAZoomAndTheTextStaysWhereItWas) {
  ViewFixture fixture;
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line\n";
  fixture.View.SetText(text);
  fixture.View.SetTopLine(10);
  fixture.Host.Clear();
  fixture.View.ZoomWheel(120);
  fixture.View.ZoomWheel(-40);  // turning back drops what was collected
  fixture.View.ZoomWheel(-40);
  fixture.View.ZoomWheel(-40);
  fixture.View.ZoomWheel(240);
  EXPECT_EQ(fixture.Host.Notifications(), (std::vector<int>{TVN_ZOOMIN, TVN_ZOOMOUT, TVN_ZOOMIN, TVN_ZOOMIN}));
  EXPECT_EQ(fixture.View.TopLine(), 10);
}
