// Tests of PointsToFontHeight, SameFont and CopyFont.
#include "common/win32/FontHelpers.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

LOGFONTA MakeLogFont(const char* faceName, int height) {
  LOGFONTA logFont;
  std::memset(&logFont, 0, sizeof logFont);
  logFont.lfHeight = height;
  logFont.lfWeight = FW_NORMAL;
  logFont.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(logFont.lfFaceName, faceName, LF_FACESIZE);
  return logFont;
}

HFONT MakeFont(const char* faceName, int height = -13) {
  const LOGFONTA logFont = MakeLogFont(faceName, height);
  return CreateFontIndirectA(&logFont);
}

}  // namespace

TEST(FontHelpers, PointsToFontHeightUsesTheVerticalResolution) {
  HDC screen = GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ASSERT_GT(dpi, 0);
  EXPECT_EQ(PointsToFontHeight(screen, 10), -MulDiv(10, dpi, 72));
  EXPECT_EQ(PointsToFontHeight(screen, 72), -dpi);
  if (dpi == 96) {
    EXPECT_EQ(PointsToFontHeight(screen, 10), -13);
  }
  ReleaseDC(nullptr, screen);
}

TEST(FontHelpers, PointsToFontHeightRestoresTheMapMode) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  SetMapMode(dc, MM_LOMETRIC);
  EXPECT_EQ(PointsToFontHeight(dc, 10), -MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72));
  EXPECT_EQ(GetMapMode(dc), MM_LOMETRIC);
  DeleteDC(dc);
}

TEST(FontHelpers, SameFontComparesHandlesThenLogFonts) {
  HFONT courier = MakeFont("Courier New");
  HFONT courierAgain = MakeFont("Courier New");
  HFONT arial = MakeFont("Arial");
  HFONT bigCourier = MakeFont("Courier New", -20);
  ASSERT_TRUE(courier && courierAgain && arial && bigCourier);
  EXPECT_NE(courier, courierAgain);
  EXPECT_TRUE(SameFont(courier, courier));
  EXPECT_TRUE(SameFont(courier, courierAgain));
  EXPECT_FALSE(SameFont(courier, arial));
  EXPECT_FALSE(SameFont(courier, bigCourier));
  EXPECT_FALSE(SameFont(courier, nullptr));
  EXPECT_FALSE(SameFont(nullptr, courier));
  for (HFONT font : {courier, courierAgain, arial, bigCourier}) DeleteObject(font);
}

TEST(FontHelpers, CopyFontMakesAnEqualNewFont) {
  EXPECT_EQ(CopyFont(nullptr), nullptr);
  HFONT original = MakeFont("Courier New");
  ASSERT_NE(original, nullptr);
  HFONT copy = CopyFont(original);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, original);
  EXPECT_TRUE(SameFont(copy, original));
  DeleteObject(original);
  LOGFONTA logFont;
  ASSERT_EQ(GetObjectA(copy, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
  EXPECT_STREQ(logFont.lfFaceName, "Courier New");
  DeleteObject(copy);
}
