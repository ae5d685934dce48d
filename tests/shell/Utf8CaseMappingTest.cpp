// Case conversion of UTF-8 text: ASCII letters change, multi-byte characters keep their bytes.
#include "editor/shell/Utf8CaseMapping.h"

#include <gtest/gtest.h>

namespace {

// "Grüße café 日本語 abc" with its letters of other cases.
const std::string Mixed = "Gr\xC3\xBC\xC3\x9F" "e caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E aBc";

std::string Convert(const std::string& text, int mode) {
  return ConvertCase(text, mode, Utf8CaseMapping());
}

TEST(Utf8CaseMappingTest, UpperAndLowerCaseChangeOnlyAsciiLetters) {
  EXPECT_EQ(Convert(Mixed, UpperCase), "GR\xC3\xBC\xC3\x9F" "E CAF\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E ABC");
  EXPECT_EQ(Convert(Mixed, LowerCase), "gr\xC3\xBC\xC3\x9F" "e caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E abc");
}

TEST(Utf8CaseMappingTest, AMultiByteCharacterNeitherEndsNorStartsAWordOfItsOwn) {
  EXPECT_EQ(Convert("gr\xC3\xBC\xC3\x9F" "e \xC3\xA9t\xC3\xA9 d\xC3\xA9j\xC3\xA0-vu", TitleCase),
            "Gr\xC3\xBC\xC3\x9F" "e \xC3\xA9t\xC3\xA9 D\xC3\xA9j\xC3\xA0-Vu");
  EXPECT_EQ(Convert("o'neil \xE6\x97\xA5" "abc", TitleCase), "O'neil \xE6\x97\xA5" "abc");
}

TEST(Utf8CaseMappingTest, ToggleCaseSwapsAsciiLettersAndKeepsTheRest) {
  EXPECT_EQ(Convert(Mixed, ToggleCase), "gR\xC3\xBC\xC3\x9F" "E CAF\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E AbC");
}

}  // namespace
