// Printed lines of a UTF-8 text: a multi-byte character is measured once, as one character,
// and no line breaks inside it.
#include "editor/shell/PrintLines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// ASCII 10 pixels each; every other character 20, asked by code point.
PrintFont Utf8Font(std::vector<unsigned>* asked) {
  PrintFont font;
  font.Advances.fill(10);
  font.TabStop = 40;
  font.LineHeight = 10;
  font.Utf8 = true;
  font.CharAdvance = [asked](unsigned codePoint) {
    asked->push_back(codePoint);
    return 20;
  };
  return font;
}

PageFit Fit(const std::string& text, int width, const PrintFont& font) {
  return FitPage(text.data(), static_cast<int>(text.size()), width, 100, font);
}

TEST(Utf8PrintLines, MultiByteCharactersAreMeasuredWholeByCodePoint) {
  std::vector<unsigned> asked;
  // "é日x": 20 + 20 + 10 pixels in 6 bytes.
  const PageFit fit = Fit("\xC3\xA9\xE6\x97\xA5x", 50, Utf8Font(&asked));
  ASSERT_EQ(fit.Lines.size(), 1u);
  EXPECT_EQ(fit.Lines[0].Length, 6);
  EXPECT_EQ(asked, (std::vector<unsigned>{0xE9, 0x65E5}));
}

TEST(Utf8PrintLines, AWordWiderThanTheLineBreaksBetweenCharacters) {
  std::vector<unsigned> asked;
  // Four characters of 3 bytes, 20 pixels each, on lines 50 pixels wide: two per line.
  const std::string sun = "\xE6\x97\xA5";
  const PageFit fit = Fit(sun + sun + sun + sun, 50, Utf8Font(&asked));
  ASSERT_EQ(fit.Lines.size(), 2u);
  EXPECT_EQ(fit.Lines[0].Start, 0);
  EXPECT_EQ(fit.Lines[0].Length, 6);
  EXPECT_EQ(fit.Lines[1].Start, 6);
  EXPECT_EQ(fit.Lines[1].Length, 6);
  EXPECT_EQ(fit.Consumed, 12);
}

TEST(Utf8PrintLines, WithoutUtf8EveryByteIsACharacterOfItsOwn) {
  std::vector<unsigned> asked;
  PrintFont font = Utf8Font(&asked);
  font.Utf8 = false;
  // Six bytes of 10 pixels: 50 pixels take five of them.
  const PageFit fit = Fit("\xC3\xA9\xE6\x97\xA5x", 50, font);
  EXPECT_EQ(fit.Lines[0].Length, 5);
  EXPECT_TRUE(asked.empty());
}

}  // namespace
