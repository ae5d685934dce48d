// Windows tests of font handles saved to and loaded from a settings file.
#include "common/win32/FontSettings.h"

#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

LOGFONTA DescriptionOf(HFONT font) {
  LOGFONTA description = {};
  GetObjectA(font, sizeof description, &description);
  return description;
}

}  // namespace

TEST(FontSettingsWinTest, AFontRoundTripsThroughTheFile) {
  ScratchFolder scratch;
  const std::string path = scratch.Path("font.ini");
  HFONT saved = CreateFontA(-13, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
  ASSERT_TRUE(saved);
  {
    SettingsFile file(path, false);
    ExchangeFontHandle(file, "Font", saved);
  }
  EXPECT_NE(std::string::npos, scratch.ReadBytes("font.ini").find("FontFaceName=Courier New\r\n"));
  HFONT loaded = nullptr;
  {
    SettingsFile file(path, true);
    ExchangeFontHandle(file, "Font", loaded);
  }
  ASSERT_TRUE(loaded);
  EXPECT_NE(saved, loaded);
  const LOGFONTA a = DescriptionOf(saved), b = DescriptionOf(loaded);
  EXPECT_EQ(a.lfHeight, b.lfHeight);
  EXPECT_EQ(a.lfWeight, b.lfWeight);
  EXPECT_EQ(a.lfItalic, b.lfItalic);
  EXPECT_EQ(a.lfCharSet, b.lfCharSet);
  EXPECT_EQ(a.lfPitchAndFamily, b.lfPitchAndFamily);
  EXPECT_STREQ(a.lfFaceName, b.lfFaceName);
  // The previous handle is left to the caller: it is still a valid font.
  EXPECT_EQ(static_cast<int>(sizeof(LOGFONTA)), GetObjectA(saved, sizeof(LOGFONTA), nullptr));
  DeleteObject(saved);
  DeleteObject(loaded);
}

TEST(FontSettingsWinTest, AFailedLoadKeepsTheHandle) {
  ScratchFolder scratch;
  const std::string path = scratch.Path("font.ini");
  scratch.WriteBytes("font.ini", "Version=10\r\n\r\nFontHeight=-13\r\nOther=1\r\n");
  HFONT font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
  const HFONT before = font;
  SettingsFile file(path, true);
  EXPECT_THROW(ExchangeFontHandle(file, "Font", font), Exception);
  EXPECT_EQ(before, font);
}
