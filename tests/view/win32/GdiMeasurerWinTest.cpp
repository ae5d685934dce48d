// The advance-width table measures exactly what GDI's own extent functions measure.
#include "common/win32/FontHelpers.h"
#include "editor/view/win32/GdiMeasurer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HFONT CreateCourierNew(int points) {
  HDC screen = GetDC(nullptr);
  const int height = PointsToFontHeight(screen, points);
  ReleaseDC(nullptr, screen);
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
}

// GDI's answers for the same font, from a device context of its own.
class ReferenceContext {
public:
  explicit ReferenceContext(HFONT font) : Context(CreateCompatibleDC(nullptr)) {
    Original = SelectObject(Context, font);
  }
  ~ReferenceContext() {
    SelectObject(Context, Original);
    DeleteDC(Context);
  }
  int Extent(const std::string& text) const {
    SIZE size{};
    GetTextExtentPoint32A(Context, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
  int TabbedExtent(const std::string& text, int tabStop) const {
    INT stops[1] = {tabStop};
    return LOWORD(GetTabbedTextExtentA(Context, text.data(), static_cast<int>(text.size()), 1, stops));
  }
  TEXTMETRICA Metrics() const {
    TEXTMETRICA metrics{};
    GetTextMetricsA(Context, &metrics);
    return metrics;
  }

private:
  HDC Context;
  HGDIOBJ Original;
};

std::vector<char> PrintableCharacters() {
  std::vector<char> characters;
  for (int c = 0x20; c <= 0x7E; ++c) characters.push_back(static_cast<char>(c));
  for (int c = 0xA0; c <= 0xFF; ++c) characters.push_back(static_cast<char>(c));
  return characters;
}

const char* const MixedStrings[] = {
    "int main(int argc, char** argv) { return 0; }",
    "The quick brown fox jumps over the lazy dog. 0123456789",
    "WWWWiiiill..,,;;::||mmmm",
    "  // comment with \"quotes\" and 'c' and \\ and ~`!@#$%^&*()_+-=[]{}<>?/",
    "\xE9t\xE9 \xC0 la fa\xE7on na\xEFve \xFC\xDF \xA9\xAE\xB0\xB1",
};

const char* const TabbedStrings[] = {
    "\tx", "abc\tdef", "a\t\tb", "\t\t\t", "int\tcount;\t// tabbed comment", "ab\tWWWWWWWWWWWW\tc\t",
};

// Every check for one font: metrics, single characters, mixed strings and tabs.
void ExpectMeasurerMatchesGdi(HFONT font) {
  GdiMeasurer measurer;
  measurer.SetFont(font);
  ReferenceContext gdi(font);

  const TEXTMETRICA metrics = gdi.Metrics();
  const FontMetrics measured = measurer.Metrics();
  EXPECT_EQ(measured.AverageCharWidth, metrics.tmAveCharWidth);
  EXPECT_EQ(measured.LineHeight, metrics.tmHeight);
  EXPECT_EQ(measured.MaxCharWidth, metrics.tmMaxCharWidth);

  for (char c : PrintableCharacters()) {
    const std::string one(1, c);
    EXPECT_EQ(measurer.TabbedWidth(&c, 1, 32, 0), gdi.Extent(one)) << "character " << (static_cast<int>(c) & 0xFF);
    EXPECT_EQ(measurer.GlyphWidth(c), gdi.Extent(one)) << "character " << (static_cast<int>(c) & 0xFF);
  }
  std::string all;
  for (char c : PrintableCharacters()) all += c;
  EXPECT_EQ(measurer.TabbedWidth(all.data(), static_cast<int>(all.size()), 32, 0), gdi.Extent(all));
  for (const std::string text : MixedStrings)
    EXPECT_EQ(measurer.TabbedWidth(text.data(), static_cast<int>(text.size()), 32, 0), gdi.Extent(text)) << text;

  const int tabStop = 4 * metrics.tmAveCharWidth;
  for (const std::string text : TabbedStrings) {
    EXPECT_EQ(measurer.TabbedWidth(text.data(), static_cast<int>(text.size()), tabStop, 0),
              gdi.TabbedExtent(text, tabStop))
        << text;
  }
}

TEST(GdiMeasurerWinTest, DefaultGuiFontMatchesGdiExtents) {
  ExpectMeasurerMatchesGdi(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

TEST(GdiMeasurerWinTest, CourierNewMatchesGdiExtents) {
  HFONT font = CreateCourierNew(10);
  ASSERT_NE(font, nullptr);
  ExpectMeasurerMatchesGdi(font);
  DeleteObject(font);
}

// A chunk that starts part-way into a line keeps the line's tab stops: its width is what GDI
// measures for the whole line minus what it measures for the part before the chunk.
TEST(GdiMeasurerWinTest, StartXKeepsTheLinesTabStops) {
  HFONT font = CreateCourierNew(10);
  ASSERT_NE(font, nullptr);
  GdiMeasurer measurer;
  measurer.SetFont(font);
  ReferenceContext gdi(font);
  const int tabStop = 4 * measurer.Metrics().AverageCharWidth;
  const std::string line = "ab\tcde\t\tfghij\tk";
  for (size_t split = 0; split <= line.size(); ++split) {
    const std::string before = line.substr(0, split);
    const int startX = gdi.TabbedExtent(before, tabStop);
    const int expected = gdi.TabbedExtent(line, tabStop) - startX;
    EXPECT_EQ(measurer.TabbedWidth(line.data() + split, static_cast<int>(line.size() - split), tabStop, startX),
              expected)
        << "split at " << split;
  }
  DeleteObject(font);
}

TEST(GdiMeasurerWinTest, SetFontRefreshesTheWidthTable) {
  GdiMeasurer measurer;
  EXPECT_EQ(measurer.Font(), GetStockObject(DEFAULT_GUI_FONT));
  const int guiI = measurer.GlyphWidth('i');
  const int guiW = measurer.GlyphWidth('W');
  EXPECT_LT(guiI, guiW) << "the default GUI font is proportional";
  HFONT font = CreateCourierNew(20);
  ASSERT_NE(font, nullptr);
  measurer.SetFont(font);
  EXPECT_EQ(measurer.Font(), font);
  EXPECT_EQ(measurer.GlyphWidth('i'), measurer.GlyphWidth('W')) << "Courier New is fixed pitch";
  EXPECT_EQ(measurer.GlyphWidth('i'), measurer.Metrics().AverageCharWidth);
  EXPECT_NE(measurer.GlyphWidth('W'), guiW);
  DeleteObject(font);
}

TEST(GdiMeasurerWinTest, TabsWithoutATabStopUseEightAverageWidths) {
  GdiMeasurer measurer;
  const int eight = 8 * measurer.Metrics().AverageCharWidth;
  EXPECT_EQ(measurer.TabbedWidth("\t", 1, 0, 0), eight);
  EXPECT_EQ(measurer.TabbedWidth("\t", 1, 0, 3), eight - 3);
  EXPECT_EQ(measurer.TabbedWidth("", 0, 28, 0), 0);
}

}  // namespace
