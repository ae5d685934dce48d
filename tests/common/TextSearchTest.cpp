// Tests of FindText, FindWrapped and ReplaceAll.
#include "common/TextSearch.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <vector>

namespace {

// Straightforward model of the search, candidate by candidate, to check the fast one.
int ModelFind(const std::string& text, const std::string& pattern, int flags, int from, int to) {
  const int length = static_cast<int>(text.size());
  const int m = static_cast<int>(pattern.size());
  if (to < 0 || to > length) to = length;
  if (from < 0) from = 0;
  auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  auto accepted = [&](int p) {
    if (m == 0 || p + m > length) return false;
    const bool word = (flags & SearchWholeWord) != 0;
    if (word && p >= 1 && IsWordChar(text[p - 1]) && IsWordChar(text[p])) return false;
    for (int i = 0; i < m; ++i) {
      const bool same = (flags & SearchIgnoreCase) ? lower(text[p + i]) == lower(pattern[i])
                                                   : text[p + i] == pattern[i];
      if (!same) return false;
    }
    return !(word && p + m < length && IsWordChar(text[p + m - 1]) && IsWordChar(text[p + m]));
  };
  if (flags & SearchBackwards) {
    for (int p = to - 1; p >= from; --p)
      if (accepted(p)) return p;
  } else {
    for (int p = from; p < to; ++p)
      if (accepted(p)) return p;
  }
  return -1;
}

// Replacement in place on the current text, moving the positions as it goes.
int ModelReplaceAll(std::string& text, const std::string& find, const std::string& replace,
                    int flags, int from, int maxCount, std::vector<int>& positions) {
  int count = 0;
  int p = std::max(from, 0);
  const int shift = static_cast<int>(replace.size()) - static_cast<int>(find.size());
  while (p < static_cast<int>(text.size()) && (maxCount < 0 || count < maxCount)) {
    const int match = ModelFind(text, find, flags & ~SearchBackwards, p, -1);
    if (match < 0) break;
    for (int& position : positions)
      if (position >= match + static_cast<int>(find.size())) position += shift;
    text.replace(match, find.size(), replace);
    p = match + static_cast<int>(replace.size());
    ++count;
  }
  return count;
}

std::string RandomText(std::mt19937& random, int maxLength) {
  static const char alphabet[] = "aAb_1 .\xE9";
  std::string text(random() % (maxLength + 1), ' ');
  for (char& c : text) c = alphabet[random() % (sizeof alphabet - 1)];
  return text;
}

}  // namespace

TEST(TextSearch, WholeWordNeedsNonWordNeighboursOnlyAtWordEdges) {
  EXPECT_EQ(FindText("cab ab", "ab", SearchWholeWord, 0), 4);
  EXPECT_EQ(FindText("cab", "ab", SearchWholeWord, 0), -1);
  EXPECT_EQ(FindText("abc", "ab", SearchWholeWord, 0), -1);
  EXPECT_EQ(FindText("a_b b", "b", SearchWholeWord, 0), 4);
  // Digits are not word characters.
  EXPECT_EQ(FindText("x1", "1", SearchWholeWord, 0), 1);
  EXPECT_EQ(FindText("ab1", "ab", SearchWholeWord, 0), 0);
  // A pattern edge that is no word character needs no blank beside it.
  EXPECT_EQ(FindText("x.y", ".y", SearchWholeWord, 0), 1);
  EXPECT_EQ(FindText("ab(", "b(", SearchWholeWord, 0), -1);
}

TEST(TextSearch, IgnoreCaseComparesLowerCase) {
  EXPECT_EQ(FindText("hello World", "WORLD", SearchIgnoreCase, 0), 6);
  EXPECT_EQ(FindText("hello World", "WORLD", SearchMatchCase, 0), -1);
  EXPECT_EQ(FindText("hello World", "world", 0, 0), -1);
  EXPECT_EQ(FindText("HeLLo", "hello", SearchIgnoreCase | SearchBackwards, 0), 0);
}

TEST(TextSearch, RangeLimitsTheStartButNotTheEndOfAMatch) {
  const std::string text = "abcabc";
  EXPECT_EQ(FindText(text, "abc", SearchBackwards, 0), 3);
  EXPECT_EQ(FindText(text, "abc", SearchBackwards, 0, 3), 0);
  EXPECT_EQ(FindText(text, "abc", 0, 1, 4), 3);
  EXPECT_EQ(FindText(text, "abc", 0, 1, 3), -1);
  EXPECT_EQ(FindText(text, "bc", 0, 5), -1);
  // Out-of-range arguments are cut to the text; an empty pattern matches nowhere.
  EXPECT_EQ(FindText(text, "a", 0, -5), 0);
  EXPECT_EQ(FindText(text, "c", SearchBackwards, -3, 100), 5);
  EXPECT_EQ(FindText(text, "a", 0, 2, 1), -1);
  EXPECT_EQ(FindText(text, "a", 0, 10), -1);
  EXPECT_EQ(FindText(text, "", 0, 0), -1);
  EXPECT_EQ(FindText("ab", "abc", 0, 0), -1);
}

TEST(TextSearch, FindsTheSameAsACandidateByCandidateSearch) {
  std::mt19937 random(12345);
  for (int round = 0; round < 20000; ++round) {
    const std::string text = RandomText(random, 12);
    const std::string pattern = RandomText(random, 3);
    const int flags = static_cast<int>(random() % 16);
    const int from = static_cast<int>(random() % 17) - 2;
    const int to = static_cast<int>(random() % 17) - 2;
    ASSERT_EQ(FindText(text, pattern, flags, from, to), ModelFind(text, pattern, flags, from, to))
        << "text '" << text << "' pattern '" << pattern << "' flags " << flags << " range "
        << from << ".." << to;
  }
}

TEST(TextSearch, FindWrappedSearchesBehindStartThenFromTheTop) {
  const std::string text = "ab ab";
  EXPECT_EQ(FindWrapped(text, "ab", 0, 5, 5), 0);  // from the end: the whole text
  EXPECT_EQ(FindWrapped(text, "ab", 0, 1, 1), 3);
  EXPECT_EQ(FindWrapped(text, "ab", 0, 4, 4), 0);
  EXPECT_EQ(FindWrapped(text, "ab", 0, 1, 3), -1);
  EXPECT_EQ(FindWrapped(text, "ab", 0, 1, 4), 3);
}

TEST(TextSearch, FindWrappedBackwardsSearchesBeforeEndThenFromTheBottom) {
  EXPECT_EQ(FindWrapped("ab ab", "ab", SearchBackwards, 2, 2), 0);
  EXPECT_EQ(FindWrapped("xx ab", "ab", SearchBackwards, 1, 1), 3);
  EXPECT_EQ(FindWrapped("xx xx", "ab", SearchBackwards, 1, 1), -1);
}

TEST(TextSearch, ReplaceAllContinuesBehindTheInsertedText) {
  std::string text = "aaa";
  EXPECT_EQ(ReplaceAll(text, "a", "aa", 0, 0, -1, nullptr, 0), 3);
  EXPECT_EQ(text, "aaaaaa");
  text = "aaa";
  EXPECT_EQ(ReplaceAll(text, "a", "aa", 0, 0, 2, nullptr, 0), 2);
  EXPECT_EQ(text, "aaaaa");
  text = "aXaXa";
  EXPECT_EQ(ReplaceAll(text, "A", "b", SearchIgnoreCase, 2, -1, nullptr, 0), 2);
  EXPECT_EQ(text, "aXbXb");
  text = "x a a";
  EXPECT_EQ(ReplaceAll(text, "a", "", 0, 0, -1, nullptr, 0), 2);
  EXPECT_EQ(text, "x  ");
}

TEST(TextSearch, ReplaceAllMovesPositionsBehindEachMatch) {
  std::string text = "one two one";
  int positions[] = {0, 1, 3, 4, 11};
  EXPECT_EQ(ReplaceAll(text, "one", "1", 0, 0, -1, positions, 5), 2);
  EXPECT_EQ(text, "1 two 1");
  EXPECT_EQ(positions[0], 0);
  EXPECT_EQ(positions[1], 1);  // inside the first match: stays
  EXPECT_EQ(positions[2], 1);
  EXPECT_EQ(positions[3], 2);
  EXPECT_EQ(positions[4], 7);
}

TEST(TextSearch, ReplaceAllRefusesDegenerateRequests) {
  std::string text = "abc";
  EXPECT_EQ(ReplaceAll(text, "", "x", 0, 0, -1, nullptr, 0), 0);
  EXPECT_EQ(ReplaceAll(text, "a", "x", 0, 3, -1, nullptr, 0), 0);
  EXPECT_EQ(ReplaceAll(text, "a", "x", 0, 0, 0, nullptr, 0), 0);
  EXPECT_EQ(text, "abc");
  EXPECT_EQ(ReplaceAll(text, "a", "x", 0, -4, -1, nullptr, 0), 1);
  EXPECT_EQ(text, "xbc");
}

TEST(TextSearch, ReplaceAllWholeWordSeesTheTextAlreadyReplaced) {
  // After "a." becomes "a" the next "a" follows a letter and is no whole word any more.
  std::string text = "a.a.";
  EXPECT_EQ(ReplaceAll(text, "a.", "a", SearchWholeWord, 0, -1, nullptr, 0), 1);
  EXPECT_EQ(text, "aa.");
}

TEST(TextSearch, ReplaceAllAgreesWithReplacingInPlace) {
  std::mt19937 random(678);
  for (int round = 0; round < 20000; ++round) {
    std::string text = RandomText(random, 12);
    const std::string find = RandomText(random, 2);
    const std::string replace = RandomText(random, 3);
    const int flags = static_cast<int>(random() % 8);
    const int from = static_cast<int>(random() % 15) - 2;
    const int maxCount = static_cast<int>(random() % 5) - 1;
    std::vector<int> positions = {0, static_cast<int>(random() % 14), static_cast<int>(text.size())};
    std::string expectedText = text;
    std::vector<int> expectedPositions = positions;
    const int expected =
        ModelReplaceAll(expectedText, find, replace, flags, from, maxCount, expectedPositions);
    ASSERT_EQ(ReplaceAll(text, find, replace, flags, from, maxCount, positions.data(), 3), expected)
        << "text '" << expectedText << "' find '" << find << "'";
    ASSERT_EQ(text, expectedText);
    ASSERT_EQ(positions, expectedPositions);
  }
}

TEST(TextSearch, ReplaceAllIgnoresTheBackwardsFlag) {
  std::string text = "a a a";
  EXPECT_EQ(ReplaceAll(text, "a", "b", SearchBackwards, 0, 2, nullptr, 0), 2);
  EXPECT_EQ(text, "b b a");
}

TEST(TextSearch, LongTextWithManyMatches) {
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "word x ";
  text += "needle";
  EXPECT_EQ(FindText(text, "needle", 0, 0), 1400000);
  EXPECT_EQ(FindText(text, "NEEDLE", SearchIgnoreCase, 0), 1400000);
  EXPECT_EQ(FindText(text, "word", SearchBackwards | SearchWholeWord, 0), 1399993);
  EXPECT_EQ(ReplaceAll(text, "x", "yy", SearchWholeWord, 0, -1, nullptr, 0), 200000);
  EXPECT_EQ(text.size(), 1400000u + 200000u + 6u);
  EXPECT_EQ(text.compare(0, 15, "word yy word yy"), 0);
}

TEST(TextSearch, MatchesAtTheVeryStartAndEndOfTheTextUnderEveryFlag) {
  const std::string text = "Quux" + std::string(100, '.') + "quux";
  for (int word = 0; word <= SearchWholeWord; word += SearchWholeWord) {
    EXPECT_EQ(FindText(text, "quux", word, 0), 104);
    EXPECT_EQ(FindText(text, "Quux", word | SearchBackwards, 0), 0);
    EXPECT_EQ(FindText(text, "QUUX", word | SearchIgnoreCase, 0), 0);
    EXPECT_EQ(FindText(text, "qUUx", word | SearchIgnoreCase | SearchBackwards, 0), 104);
    EXPECT_EQ(FindText(text, "quux", word | SearchIgnoreCase, 1), 104);
  }
  // The last byte of the text alone, and a pattern that is the whole text or longer.
  EXPECT_EQ(FindText(text, "x", SearchBackwards, 0), 107);
  EXPECT_EQ(FindText("ab", "ab", SearchIgnoreCase | SearchWholeWord, 0), 0);
  EXPECT_EQ(FindText("ab", "abx", SearchIgnoreCase, 0), -1);
  EXPECT_EQ(FindText("ab", "xab", SearchBackwards, 0), -1);
}

TEST(TextSearch, IgnoreCaseFoldsBytesFrom128UpOnlyAsTheRuntimeDoes) {
  const std::string text = "caf\xC9 caf\xE9";
  const bool folded = std::tolower(0xC9) == std::tolower(0xE9);
  EXPECT_EQ(FindText(text, "CAF\xE9", SearchIgnoreCase, 0), folded ? 0 : 5);
  EXPECT_EQ(FindText(text, "\xC9", SearchIgnoreCase | SearchBackwards, 0), folded ? 8 : 3);
  EXPECT_EQ(FindText(text, "\xE9", SearchMatchCase, 0), 8);
  // A byte from 128 up ends a whole word unless the runtime counts it as a letter.
  EXPECT_EQ(FindText("\xE9x\xE9", "x", SearchWholeWord, 0), std::isalpha(0xE9) ? -1 : 1);
}

TEST(TextSearch, WholeWordPassesOverManyNearMisses) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "Xabs abX ";
  text += "ab";
  EXPECT_EQ(FindText(text, "ab", SearchWholeWord, 0), 45000);
  EXPECT_EQ(FindText(text, "AB", SearchWholeWord | SearchIgnoreCase | SearchBackwards, 0), 45000);
  EXPECT_EQ(FindText(text, "ab", SearchWholeWord | SearchBackwards, 0, 45000), -1);
}

// Long texts with few matches anywhere, so that a search runs far before it finds one, in
// both directions and over ranges that start or end near the matches.
TEST(TextSearch, FindsTheSameAsACandidateByCandidateSearchInLongTexts) {
  std::mt19937 random(4321);
  static const char filler[] = "aAb_ .x";
  for (int round = 0; round < 60; ++round) {
    std::string text(20000 + random() % 150000, ' ');
    for (char& c : text) c = filler[random() % (sizeof filler - 1)];
    const std::string pattern = random() % 2 ? "Zq_z" : "q";
    for (int i = 0; i < 3; ++i) text.replace(random() % (text.size() - 4), 4, random() % 2 ? "zQ_Z" : "Zq_z");
    const int flags = static_cast<int>(random() % 16);
    const int from = static_cast<int>(random() % text.size());
    const int to = random() % 3 ? -1 : static_cast<int>(random() % text.size());
    ASSERT_EQ(FindText(text, pattern, flags, from, to), ModelFind(text, pattern, flags, from, to))
        << "round " << round << " flags " << flags << " range " << from << ".." << to;
  }
}

// Distances around powers of two between the match and where the search starts, so that
// a scan that works in pieces of the text meets the match at the edge of a piece.
TEST(TextSearch, FindsOneMatchAtAnyDistanceFromWhereTheSearchStarts) {
  const std::string text = std::string(300000, 'a') + "Xy" + std::string(300000, 'b');
  for (int power = 1; power <= 1 << 18; power *= 2) {
    for (int distance = power - 1; distance <= power + 1; ++distance) {
      EXPECT_EQ(FindText(text, "xY", SearchIgnoreCase, 300000 - distance), 300000) << distance;
      EXPECT_EQ(FindText(text, "Xy", SearchBackwards, 0, 300001 + distance), 300000) << distance;
      EXPECT_EQ(FindText(text, "XY", SearchIgnoreCase | SearchBackwards, 0, 300001 + distance), 300000)
          << distance;
    }
  }
}
