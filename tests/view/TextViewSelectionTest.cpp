// Selection, scrolling and the scroll bars.
#include "tests/view/ViewFakes.h"

#include <gtest/gtest.h>

namespace {

class TextViewSelection : public ::testing::Test, public ViewFixture {
protected:
  void SetLines(int count, const std::string& line = "line") {
    std::string text;
    for (int i = 0; i < count; ++i) text += line + (i + 1 < count ? "\n" : "");
    View.SetText(text);
  }
};

TEST_F(TextViewSelection, UnchangedEndsSendNoNotification) {
  View.SetText("hello");
  View.SetSelection(1, 3, ScrollNone);
  Host.Clear();
  View.SetSelection(1, 3, ScrollToCaret);
  EXPECT_TRUE(Host.Notifications().empty());
  View.SetSelection(1, 4, ScrollToCaret);
  EXPECT_EQ(Host.Notifications(), std::vector<int>{TVN_SELCHANGED});
}

TEST_F(TextViewSelection, PositionsAreClamped) {
  View.SetText("abc");
  View.SetSelection(-5, 99, ScrollNone);
  EXPECT_EQ(View.Anchor(), 0);
  EXPECT_EQ(View.Caret(), 3);
}

TEST_F(TextViewSelection, RepaintsOnlyTheChangedPart) {
  View.SetText("abcdefgh");
  View.SetSelection(2, 4, ScrollNone);
  Host.Clear();
  View.SetSelection(2, 6, ScrollNone);
  ASSERT_EQ(Host.Count(HostEvent::Rect), 1);
  for (const HostEvent& e : Host.Events)
    if (e.What == HostEvent::Rect) {
      EXPECT_EQ(e.C, 4 * 7);
      EXPECT_EQ(e.D, 6 * 7);
    }
}

TEST_F(TextViewSelection, CaretBelowTheWindowScrollsItToTheLastWholeLine) {
  SetLines(100);
  View.SetSelection(View.LineStart(40), View.LineStart(40), ScrollToCaret);
  EXPECT_EQ(View.TopLine(), 40 - 24);
  View.SetSelection(View.LineStart(3), View.LineStart(3), ScrollToCaret);
  EXPECT_EQ(View.TopLine(), 3);
  View.SetSelection(View.LineStart(50), View.LineStart(50), ScrollCentre);
  EXPECT_EQ(View.TopLine(), 50 - 25 / 2);
  EXPECT_EQ(Host.Vertical.Position, View.TopLine());
  EXPECT_EQ(Host.Vertical.Max, 99);
  EXPECT_EQ(Host.Vertical.Page, 25);
}

TEST_F(TextViewSelection, TopLineIsClampedSoTheLastPageIsFull) {
  SetLines(30);
  View.SetTopLine(29);
  EXPECT_EQ(View.TopLine(), 30 - 25);
  View.SetTopLine(-3);
  EXPECT_EQ(View.TopLine(), 0);
  SetLines(10);
  View.SetTopLine(5);
  EXPECT_EQ(View.TopLine(), 0);
}

TEST_F(TextViewSelection, CaretRightOfTheWindowSitsFifteenCharactersFromTheEdge) {
  View.SetText(std::string(300, 'x'));
  View.SetSelection(200, 200, ScrollToCaret);
  EXPECT_EQ(View.ScrollX(), 200 * 7 + 15 * 7 - 80 * 7);
  View.SetSelection(0, 0, ScrollToCaret);
  EXPECT_EQ(View.ScrollX(), 0);
}

TEST_F(TextViewSelection, ScrollXIsClampedToTheWidestLine) {
  View.SetText(std::string(100, 'x'));
  View.SetScrollX(100000);
  EXPECT_EQ(View.ScrollX(), 100 * 7 - 80 * 7 + 1);
  View.SetScrollX(-1);
  EXPECT_EQ(View.ScrollX(), 0);
}

TEST_F(TextViewSelection, HeldArrowKeysLeaveTheScrollBarForLater) {
  SetLines(100);
  View.VerticalKeyHeld = true;
  Host.Clear();
  View.SetTopLine(10);
  EXPECT_EQ(Host.Count(HostEvent::VScroll), 0);
  EXPECT_EQ(Host.Count(HostEvent::Scroll), 1);
}

}  // namespace
