// The printed page's margins, header and body, and the printer font's height.
#include "editor/shell/PrintLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(ComputePrintLayout, MarginsAreAFifteenthOfEachSideCutDown) {
  // A4 at 600 dpi, US letter at 300 dpi and a page whose sides do not divide by 15.
  struct Case { int W, H, MarginX, MarginY; };
  for (const Case c : {Case{4960, 7016, 330, 467}, Case{2550, 3300, 170, 220}, Case{100, 44, 6, 2}}) {
    const PrintLayout layout = ComputePrintLayout(c.W, c.H, 10);
    EXPECT_EQ(layout.Margins.Left, c.MarginX) << c.W;
    EXPECT_EQ(layout.Margins.Right, c.W - c.MarginX) << c.W;
    EXPECT_EQ(layout.Margins.Top, c.MarginY) << c.H;
    EXPECT_EQ(layout.Margins.Bottom, c.H - c.MarginY) << c.H;
  }
}

TEST(ComputePrintLayout, HeaderOnTheMarginsTopAndBodyTwoLinesBelowIt) {
  const PrintLayout layout = ComputePrintLayout(4960, 7016, 120);
  EXPECT_EQ(layout.Header.Left, 330);
  EXPECT_EQ(layout.Header.Right, 4960 - 330);
  EXPECT_EQ(layout.Header.Top, 467);
  EXPECT_EQ(layout.Header.Bottom, 467 + 120);
  EXPECT_EQ(layout.Body.Left, 330);
  EXPECT_EQ(layout.Body.Right, 4960 - 330);
  EXPECT_EQ(layout.Body.Top, 467 + 240);
  EXPECT_EQ(layout.Body.Bottom, 7016 - 467);
  EXPECT_EQ(layout.Body.Width(), 4960 - 660);
}

TEST(ComputePrintLayout, AFontTallerThanThePageLeavesAnEmptyBodyNotAReversedOne) {
  const PrintLayout layout = ComputePrintLayout(150, 150, 200);
  EXPECT_EQ(layout.Body.Top, layout.Margins.Bottom);
  EXPECT_EQ(layout.Body.Height(), 0);
  EXPECT_EQ(layout.Header.Bottom, layout.Margins.Bottom);
}

TEST(PrinterFontHeight, ScalesByPrinterOverScreenResolutionRoundingToNearest) {
  EXPECT_EQ(PrinterFontHeight(-13, 600, 96), -81);   // -81.25
  EXPECT_EQ(PrinterFontHeight(-16, 600, 96), -100);
  EXPECT_EQ(PrinterFontHeight(-15, 300, 96), -47);   // -46.875
  EXPECT_EQ(PrinterFontHeight(13, 600, 96), 81);
  EXPECT_EQ(PrinterFontHeight(-1, 144, 96), -2);     // -1.5: halves away from zero
  EXPECT_EQ(PrinterFontHeight(-13, 96, 96), -13);
  EXPECT_EQ(PrinterFontHeight(-20, 72, 120), -12);   // a printer coarser than the screen
}

TEST(PrinterFontHeight, LargeHeightsDoNotOverflowAndBadResolutionsChangeNothing) {
  EXPECT_EQ(PrinterFontHeight(-1000000, 4800, 96), -50000000);
  EXPECT_EQ(PrinterFontHeight(-13, 0, 96), -13);
  EXPECT_EQ(PrinterFontHeight(-13, 600, 0), -13);
}

}  // namespace
