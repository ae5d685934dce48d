// The gutter: its rectangle in the window, its fill and edge colours, line numbers (none on
// continuation lines), bookmark boxes, and its width as the line count grows.
#include "tests/view/FakePainter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr Colour GutterGrey = 0xE6E6E6;
constexpr Colour NumberGreen = 0x006000;
constexpr Colour BookmarkCyan = 0xFFFF00;
constexpr Colour ButtonFace = 0x010000 + SystemColourButtonFace;

// Window edges of 2 pixels and a horizontal scroll bar 17 high.
GutterFrame Frame(bool verticalBar) {
  GutterFrame frame;
  frame.EdgeWidth = 2;
  frame.EdgeHeight = 2;
  frame.ScrollBarHeight = 17;
  frame.VerticalScrollBar = verticalBar;
  return frame;
}

std::string Lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? "\n" : "") + std::string("line ") + std::to_string(i);
  return text;
}

class Gutter : public ::testing::Test, public ViewFixture {
protected:
  void PaintGutter() {
    Painter.Calls.clear();
    View.PaintGutter(Painter, Frame(false));
  }
  std::vector<std::string> Numbers() const {
    std::vector<std::string> numbers;
    for (const PaintCall& call : Painter.Of(PaintCall::Text)) numbers.push_back(call.Chars);
    return numbers;
  }

  FakeGutterPainter Painter;
};

TEST_F(Gutter, RectangleCoversTheClientHeightAndTheBarsCornerWithAVerticalBar) {
  View.SetShowLineNumbers(true);
  const int width = View.GutterWidth();
  ASSERT_EQ(width, 20 + 2 + 7 + 1);
  const PixelRect plain = View.GutterRect(Frame(false));
  EXPECT_EQ(plain.Left, 2);
  EXPECT_EQ(plain.Top, 2);
  EXPECT_EQ(plain.Right, width + 2);
  EXPECT_EQ(plain.Bottom, 25 * 16 + 2);
  const PixelRect withBar = View.GutterRect(Frame(true));
  EXPECT_EQ(withBar.Bottom, 25 * 16 + 2 + 17);
  EXPECT_EQ(withBar.Right, plain.Right);
}

TEST_F(Gutter, FillsGreyWithTheEdgeColumnInTheBackground) {
  View.SetText(Lines(3));
  PaintGutter();
  const PixelRect rect = View.GutterRect(Frame(false));
  const std::vector<PaintCall> fills = Painter.Of(PaintCall::FillRect);
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[0].X, rect.Right - 1);
  EXPECT_EQ(fills[0].X2, rect.Right);
  EXPECT_EQ(fills[0].Y, rect.Top);
  EXPECT_EQ(fills[0].Y2, rect.Bottom);
  EXPECT_EQ(fills[0].Fill, 0xFFFFFFu) << "the default scheme's background";
  EXPECT_EQ(fills[1].X, rect.Left);
  EXPECT_EQ(fills[1].X2, rect.Right - 1);
  EXPECT_EQ(fills[1].Fill, GutterGrey);

  View.SetReadOnly(true);
  View.SetGreyWhenReadOnly(true);
  PaintGutter();
  EXPECT_EQ(Painter.Of(PaintCall::FillRect).at(0).Fill, ButtonFace);
  View.SetReadOnly(false);
  Host.Enabled = false;
  PaintGutter();
  EXPECT_EQ(Painter.Of(PaintCall::FillRect).at(0).Fill, ButtonFace);
  EXPECT_EQ(Painter.Of(PaintCall::FillRect).at(1).Fill, GutterGrey);
}

TEST_F(Gutter, NumbersEveryVisibleLineFromTheTopLine) {
  View.SetText(Lines(100));
  View.SetShowLineNumbers(true);
  View.SetTopLine(40);
  View.SetClientSize(View.ClientWidth(), 10 * 16 + 5);  // ten whole lines and part of one
  PaintGutter();
  const std::vector<PaintCall> numbers = Painter.Of(PaintCall::Text);
  ASSERT_EQ(numbers.size(), 11u);
  for (int row = 0; row < 11; ++row) {
    EXPECT_EQ(numbers[row].Chars, std::to_string(41 + row));
    EXPECT_EQ(numbers[row].X, 2);
    EXPECT_EQ(numbers[row].Y, 2 + row * 16 + 1);
    EXPECT_EQ(numbers[row].TextColour, NumberGreen);
  }
}

TEST_F(Gutter, LastLinesNumberedOnlyAsFarAsTheDocumentGoes) {
  View.SetText(Lines(3));
  View.SetShowLineNumbers(true);
  PaintGutter();
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3"}));
  View.SetShowLineNumbers(false);
  PaintGutter();
  EXPECT_TRUE(Numbers().empty());
  EXPECT_EQ(Painter.Of(PaintCall::FillRect).size(), 2u) << "the bookmark margin is still painted";
}

TEST_F(Gutter, ContinuationLinesGetNoNumber) {
  View.SetClientSize(10 * 7, 25 * 16);
  View.SetShowLineNumbers(true);
  View.SetText("one two three four\nfive\nsix seven eight");
  View.SetWordWrap(true);
  ASSERT_GT(View.LineCount(), 3);
  PaintGutter();
  std::vector<std::string> expected;
  for (int line = 0; line < View.LineCount(); ++line)
    if (line == 0 || !View.EndsWithSoftBreak(line - 1)) expected.push_back(std::to_string(View.HardLineOfLine(line) + 1));
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Numbers(), expected);
  // Each number sits in the row of its hard line's first display line.
  const std::vector<PaintCall> calls = Painter.Of(PaintCall::Text);
  EXPECT_EQ(calls[1].Y, 2 + View.LineOfHardLine(1) * 16 + 1);
  EXPECT_EQ(calls[2].Y, 2 + View.LineOfHardLine(2) * 16 + 1);
}

TEST_F(Gutter, BookmarkBoxSitsAtTheRightOfItsLinesCell) {
  View.SetText(Lines(5));
  View.SetBookmark(1, true);
  View.SetBookmark(3, true);
  View.SetTopLine(0);
  PaintGutter();
  const PixelRect rect = View.GutterRect(Frame(false));
  const std::vector<PaintCall> boxes = Painter.Of(PaintCall::RoundBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].X, rect.Right - 21);
  EXPECT_EQ(boxes[0].Y, rect.Top + 16 + 1);
  EXPECT_EQ(boxes[0].X2, rect.Right - 1);
  EXPECT_EQ(boxes[0].Y2, rect.Top + 2 * 16 - 1);
  EXPECT_EQ(boxes[0].Fill, BookmarkCyan);
  EXPECT_EQ(boxes[1].Y, rect.Top + 3 * 16 + 1);
}

TEST_F(Gutter, NothingIsPaintedWithoutAWidth) {
  View.SetText(Lines(3));
  View.SetBookmark(0, true);
  View.SetShowBookmarkMargin(false);
  ASSERT_EQ(View.GutterWidth(), 0);
  PaintGutter();
  EXPECT_TRUE(Painter.Calls.empty());
}

TEST_F(Gutter, TenthLineWidensTheNumberColumnAndRewraps) {
  View.SetShowLineNumbers(true);
  View.SetText(Lines(9));
  EXPECT_EQ(View.GutterWidth(), 20 + 2 + 7 + 1);
  View.SetWordWrap(true);
  Host.Clear();
  View.ReplaceText(View.Length(), 0, "\nlast one", View.Length(), View.Length(), ScrollNone, true);
  EXPECT_EQ(View.GutterWidth(), 20 + 2 + 2 * 7 + 1);
  EXPECT_EQ(Host.Count(HostEvent::GutterWidth), 1);
  EXPECT_GE(Host.Count(HostEvent::All), 1);
  EXPECT_GE(Host.Count(HostEvent::Wait), 2) << "the whole document is rewrapped at the new width";

  // Without the bookmark margin there is no gap before the digits.
  View.SetShowBookmarkMargin(false);
  EXPECT_EQ(View.GutterWidth(), 2 * 7 + 1);
}

}  // namespace

// Under a dark scheme the gutter is drawn from the scheme's own colours: a fill a little
// lighter than the background and numbers well between it and the text, both readable.
TEST(DarkGutter, TakesItsFillAndNumbersFromTheScheme) {
  ViewFixture fixture;
  TextView& view = fixture.View;
  view.SetColorScheme(RefPtr<ColorScheme>(new ColorScheme("night", 0, {0xFFFFFF, 1, 2, 3, 4, 0x000000})));
  view.SetText(Lines(3));
  view.SetShowLineNumbers(true);
  FakeGutterPainter painter;
  view.PaintGutter(painter, Frame(false));
  const std::vector<PaintCall> fills = painter.Of(PaintCall::FillRect);
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[0].Fill, 0x000000u) << "the edge column keeps the background";
  EXPECT_EQ(fills[1].Fill, 0x202020u);
  const std::vector<PaintCall> numbers = painter.Of(PaintCall::Text);
  ASSERT_EQ(numbers.size(), 3u);
  EXPECT_EQ(numbers[0].TextColour, 0x999999u);

  // A light background keeps the light grey and the dark green.
  view.SetColorScheme(RefPtr<ColorScheme>(new ColorScheme("paper", 0, {0x000000, 1, 2, 3, 4, 0xD0F0F0})));
  painter.Calls.clear();
  view.PaintGutter(painter, Frame(false));
  EXPECT_EQ(painter.Of(PaintCall::FillRect).at(1).Fill, GutterGrey);
  EXPECT_EQ(painter.Of(PaintCall::Text).at(0).TextColour, NumberGreen);
}
