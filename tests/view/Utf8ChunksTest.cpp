// A UTF-8 line longer than many measuring chunks: no character is measured in two pieces,
// so the line, the caret and clicks find every character at its cell.
#include "tests/view/ViewFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const std::string Kanji = "\xE6\x97\xA5";  // 3 bytes, one cell
constexpr int CharW = 7;

// As a real font shows a piece that starts inside a character: each of its leading
// continuation bytes as a cell of its own.
class CuttingMeasurer : public FakeMeasurer {
public:
  int TabbedWidth(const char* text, int count, int tabStop, int startX) override {
    int stray = 0;
    while (stray < count && (static_cast<unsigned char>(text[stray]) & 0xC0) == 0x80) ++stray;
    return FakeMeasurer::TabbedWidth(text, count, tabStop, startX) + stray * CharW;
  }
};

class Utf8Chunks : public ::testing::Test {
protected:
  // "a" and then characters of 3 bytes, so that chunk ends fall inside characters.
  Utf8Chunks() {
    View.SetClientSize(80 * CharW, 25 * 16);
    View.SetUtf8(true);
    Line = "a";
    for (int i = 0; i < Count; ++i) Line += Kanji;
    View.SetText(Line);
  }
  // Position of the character after the first `cells`.
  static int PositionOfCell(int cells) { return cells == 0 ? 0 : 1 + 3 * (cells - 1); }
  void PutCaret(int pos) { View.SetSelection(pos, pos, ScrollNone); }

  static constexpr int Count = 10000;
  CuttingMeasurer Measurer;
  FakeHost Host;
  FakeClipboard Clipboard;
  TextView View{Measurer, Host, Clipboard};
  std::string Line;
};

TEST_F(Utf8Chunks, LineWidthIsOneCellPerCharacter) {
  EXPECT_EQ(View.LineWidth(0), (Count + 1) * CharW);
  EXPECT_EQ(View.MeasureText(Line.data(), static_cast<int>(Line.size())), (Count + 1) * CharW);
}

TEST_F(Utf8Chunks, EveryCaretPositionLiesAtItsCell) {
  for (int cells = 0; cells <= Count + 1; ++cells)
    ASSERT_EQ(View.PointX(PositionOfCell(cells)), cells * CharW) << "after " << cells << " characters";
  EXPECT_EQ(View.PointX(View.Length()), View.LineWidth(0));
}

TEST_F(Utf8Chunks, ClicksFindTheCharacterUnderThem) {
  for (int cells : {0, 1, 779, 780, 781, 1559, 1560, 1561, 5000, Count}) {
    View.SetScrollX(std::max(0, cells * CharW - 100));
    EXPECT_EQ(View.PositionFromPoint(cells * CharW - View.ScrollX() + CharW / 2, 8), PositionOfCell(cells))
        << "cell " << cells;
  }
}

// An edit near a chunk end moves where that chunk ends; the measure stays exact.
TEST_F(Utf8Chunks, EditsNearChunkEndsKeepTheWidthExact) {
  View.LineWidth(0);
  for (int cells = 770; cells < 790; ++cells) {
    PutCaret(PositionOfCell(cells));
    View.TypeChar('b');
    ASSERT_EQ(View.LineWidth(0), (Count + 2) * CharW) << "typed after " << cells << " characters";
    ASSERT_EQ(View.PointX(View.Length()), (Count + 2) * CharW);
    View.Undo();
    ASSERT_EQ(View.LineWidth(0), (Count + 1) * CharW);
  }
}

}  // namespace
