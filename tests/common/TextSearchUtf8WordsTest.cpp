// Whole-word search in UTF-8 text: a letter beyond ASCII belongs to the word around it, and
// without the flag every such byte still separates words as before.
#include "common/TextSearch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Cafe = "caf\xC3\xA9";  // café
constexpr int Utf8Words = SearchWholeWord | SearchUtf8Words;

TEST(TextSearchUtf8Words, ALetterBeyondAsciiContinuesTheWord) {
  const std::string text = Cafe + " caf";
  EXPECT_EQ(FindText(text, "caf", Utf8Words, 0), 6);
  EXPECT_EQ(FindText(text, "caf", Utf8Words | SearchBackwards, 0), 6);
  EXPECT_EQ(FindText("\xC3\xA9" "caf " "caf", "caf", Utf8Words, 0), 6) << "a letter in front";
  EXPECT_EQ(FindText(text, Cafe, Utf8Words, 0), 0);
  EXPECT_EQ(FindText(Cafe + "s " + Cafe, Cafe, Utf8Words | SearchIgnoreCase, 0), 7);
}

TEST(TextSearchUtf8Words, ASearchForALetterBeyondAsciiFindsOnlyWholeWords) {
  const std::string e = "\xC3\xA9";
  EXPECT_EQ(FindText(Cafe + " " + e, e, Utf8Words, 0), 6);
  EXPECT_EQ(FindText(Cafe, e, Utf8Words, 0), -1);
}

TEST(TextSearchUtf8Words, WithoutTheFlagTheBytesSeparateWordsAsBefore) {
  EXPECT_EQ(FindText(Cafe + " caf", "caf", SearchWholeWord, 0), 0);
  EXPECT_EQ(FindText(Cafe + " caf", "caf", SearchUtf8Words, 0), 0) << "the flag alone asks no whole word";
}

TEST(TextSearchUtf8Words, FindWrappedKeepsTheRule) {
  const std::string text = "caf " + Cafe;
  EXPECT_EQ(FindWrapped(text, "caf", Utf8Words, 3, 3), 0);
}

TEST(TextSearchUtf8Words, ReplaceAllReplacesOnlyWholeWords) {
  std::string text = Cafe + " caf caf" + "\xC3\xA9";
  EXPECT_EQ(ReplaceAll(text, "caf", "tea", Utf8Words, 0, -1, nullptr, 0), 1);
  EXPECT_EQ(text, Cafe + " tea caf\xC3\xA9");
}

// Replace All from inside a text sees the letter in front of where it starts.
TEST(TextSearchUtf8Words, ReplaceAllFromAPositionSeesTheLetterInFront) {
  std::string text = "\xC3\xA9" "caf";
  EXPECT_EQ(ReplaceAll(text, "caf", "tea", Utf8Words, 2, -1, nullptr, 0), 0);
  EXPECT_EQ(ReplaceAll(text, "caf", "tea", SearchWholeWord, 2, -1, nullptr, 0), 1);
  EXPECT_EQ(text, "\xC3\xA9" "tea");
}

}  // namespace
