// The word list: its ordering, lookups with and without case, and the search by identifier runs.
#include "editor/syntax/WordList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int Compare(const std::string& a, const std::string& b, bool withCase) {
  const int aLength = static_cast<int>(a.size());
  const int bLength = static_cast<int>(b.size());
  return withCase ? CompareWithCase(a.data(), aLength, b.data(), bLength)
                  : CompareWithoutCase(a.data(), aLength, b.data(), bLength);
}

bool Lookup(const WordList<int>& list, const std::string& word, bool matchCase, int& value) {
  return list.Lookup(word.data(), static_cast<int>(word.size()), matchCase, value);
}

std::string Flipped(std::string word) {
  for (char& c : word) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return word;
}

TEST(WordListCompare, CaseDecidesOnlyAmongCaseBlindEquals) {
  EXPECT_EQ(Compare("while", "WHILE", false), 0);
  EXPECT_LT(Compare("while", "While", true), 0);
  EXPECT_GT(Compare("WHILE", "While", true), 0);
  EXPECT_EQ(Compare("While", "While", true), 0);
  // Letters order without case, even with case: "Beta" before "alpha" would break the search.
  EXPECT_LT(Compare("alpha", "Beta", true), 0);
  EXPECT_LT(Compare("Zeta", "zz", true), 0);
  EXPECT_LT(Compare("a", "ab", true), 0);
  EXPECT_LT(Compare("_x", "a", true), 0);
  EXPECT_LT(Compare("9", "_", true), 0);
  EXPECT_GT(Compare("\xE9", "z", false), 0);
}

class WordListLookup : public ::testing::Test {
protected:
  WordListLookup() {
    for (std::size_t i = 0; i < Words.size(); ++i) List.Add(Words[i], static_cast<int>(i));
  }

  const std::vector<std::string> Words = {"While", "while", "WHILE", "_x",  "Zeta", "alpha",
                                          "Beta",  "42",    "a_b",   "x9y", "\xE9t\xE9"};
  WordList<int> List;
};

TEST_F(WordListLookup, WithoutCaseEverySpellingFindsAWordOfThatSpellingBlindly) {
  for (const std::string& word : Words) {
    for (const std::string& spelling : {word, Flipped(word)}) {
      int value = -1;
      ASSERT_TRUE(Lookup(List, spelling, false, value)) << spelling;
      EXPECT_EQ(Compare(Words[static_cast<std::size_t>(value)], spelling, false), 0) << spelling;
    }
  }
}

TEST_F(WordListLookup, WithCaseOnlyExactSpellingsAreFound) {
  for (std::size_t i = 0; i < Words.size(); ++i) {
    int value = -1;
    ASSERT_TRUE(Lookup(List, Words[i], true, value)) << Words[i];
    EXPECT_EQ(value, static_cast<int>(i)) << Words[i];
  }
  int value = -1;
  EXPECT_FALSE(Lookup(List, "wHILE", true, value));
  EXPECT_FALSE(Lookup(List, "zeta", true, value));
  EXPECT_FALSE(Lookup(List, "ALPHA", true, value));
  EXPECT_FALSE(Lookup(List, "whil", false, value));
  EXPECT_FALSE(Lookup(List, "", false, value));
}

TEST(WordList, EqualWordsKeepBothEntries) {
  WordList<int> list;
  list.Add("if", 1);
  list.Add("if", 2);
  list.Add("else", 3);
  int value = 0;
  ASSERT_TRUE(Lookup(list, "if", true, value));
  EXPECT_TRUE(value == 1 || value == 2);
  list.Clear();
  EXPECT_FALSE(Lookup(list, "if", true, value));
}

TEST(WordList, FindReturnsTheFirstListedIdentifierRun) {
  WordList<int> list;
  list.Add("end", 4);
  list.Add("esc", 1);
  const std::string text = "x+end9 endx (end)";
  int value = 0;
  int start = 0;
  int end = 0;
  const int length = static_cast<int>(text.size());
  // "end9" and "endx" are whole runs that are not in the list.
  ASSERT_TRUE(list.Find(text.data(), length, 0, true, value, start, end));
  EXPECT_EQ(value, 4);
  EXPECT_EQ(start, 13);
  EXPECT_EQ(end, 16);
  EXPECT_FALSE(list.Find(text.data(), length, 14, true, value, start, end));
  EXPECT_FALSE(list.Find("END", 3, 0, true, value, start, end));
  ASSERT_TRUE(list.Find("a END", 5, 0, false, value, start, end));
  EXPECT_EQ(start, 2);
}

}  // namespace
