// The marker trie: leftmost then longest match, replaced values, signed byte order, no empty match.
#include "editor/syntax/MarkerTrie.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Found {
  bool Ok = false;
  int Value = 0;
  int Start = -1;
  int End = -1;
};

Found FindIn(const MarkerTrie<int>& trie, const std::string& text, int pos = 0) {
  Found found;
  found.Ok = trie.Find(text.data(), static_cast<int>(text.size()), pos, found.Value, found.Start, found.End);
  return found;
}

void ExpectFound(const MarkerTrie<int>& trie, const std::string& text, int value, int start, int end, int pos = 0) {
  const Found found = FindIn(trie, text, pos);
  ASSERT_TRUE(found.Ok) << text;
  EXPECT_EQ(found.Value, value) << text;
  EXPECT_EQ(found.Start, start) << text;
  EXPECT_EQ(found.End, end) << text;
}

TEST(MarkerTrie, LeftmostPositionWinsThenLongestString) {
  MarkerTrie<int> trie;
  trie.Add("/", 1);
  trie.Add("//", 2);
  trie.Add("/*", 3);
  trie.Add("=", 4);
  trie.Add("*/x", 5);
  ExpectFound(trie, "a//b", 2, 1, 3);
  ExpectFound(trie, "=/*", 4, 0, 1);
  ExpectFound(trie, "=/*", 3, 1, 3, 1);
  ExpectFound(trie, "a/ b", 1, 1, 2);
  // "*/x" fails part way at position 0, which yields nothing: the search goes on at 1.
  ExpectFound(trie, "*/y", 1, 1, 2);
  ExpectFound(trie, "**/x", 5, 1, 4);
  EXPECT_FALSE(FindIn(trie, "abc").Ok);
  EXPECT_FALSE(FindIn(trie, "a//", 3).Ok);
}

TEST(MarkerTrie, PrefixesAreFoundOnlyWhenRegistered) {
  MarkerTrie<int> trie;
  trie.Add("<<=", 7);
  trie.Add("-", 1);
  trie.Add("--", 2);
  trie.Add("--->", 3);
  // A longer string that fails part way leaves the longest one passed on the way.
  ExpectFound(trie, "a---x", 2, 1, 3);
  ExpectFound(trie, "--->", 3, 0, 4);
  EXPECT_FALSE(FindIn(trie, "<<").Ok);
  ExpectFound(trie, "x<<<=", 7, 2, 5);
  int value = 0;
  EXPECT_EQ(trie.LongestAt("<<=", 3, 0, value), 3);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(trie.LongestAt("<<=", 3, 1, value), 0);
  // The text ends before the string does.
  EXPECT_EQ(trie.LongestAt("<<=", 2, 0, value), 0);
}

TEST(MarkerTrie, AddingAgainReplacesTheValue) {
  MarkerTrie<int> trie;
  trie.Add("\"", 4);
  trie.Add("\\\"", 2);
  trie.Add("\"", 3);
  ExpectFound(trie, "ab\"", 3, 2, 3);
  ExpectFound(trie, "a\\\"", 2, 1, 3);
}

TEST(MarkerTrie, TheEmptyStringIsNeverFound) {
  MarkerTrie<int> trie;
  trie.Add("", 9);
  EXPECT_FALSE(FindIn(trie, "any text").Ok);
  EXPECT_FALSE(FindIn(trie, "").Ok);
  trie.Add("t", 1);
  ExpectFound(trie, "any text", 1, 4, 5);
}

TEST(MarkerTrie, HighBytesAndSignedOrderAreMatchedByteForByte) {
  MarkerTrie<int> trie;
  // Siblings on both sides of zero in signed order, added out of order.
  trie.Add("#\x7F", 1);
  trie.Add("#\xE9", 2);
  trie.Add("#!", 3);
  trie.Add("#\x80", 4);
  trie.Add("\xFF", 5);
  ExpectFound(trie, "#\x7F", 1, 0, 2);
  ExpectFound(trie, "#\xE9", 2, 0, 2);
  ExpectFound(trie, "#!", 3, 0, 2);
  ExpectFound(trie, "#\x80", 4, 0, 2);
  ExpectFound(trie, "ab\xFF", 5, 2, 3);
  EXPECT_FALSE(FindIn(trie, "#\x81").Ok);
}

TEST(MarkerTrie, CaseAlwaysMatters) {
  MarkerTrie<int> trie;
  trie.Add("<A", 1);
  EXPECT_FALSE(FindIn(trie, "<a").Ok);
  ExpectFound(trie, "<a<A", 1, 2, 4);
}

TEST(MarkerTrie, ClearForgetsEverything) {
  MarkerTrie<int> trie;
  trie.Add("//", 1);
  trie.Clear();
  EXPECT_FALSE(FindIn(trie, "//").Ok);
  trie.Add("/", 2);
  ExpectFound(trie, "//", 2, 0, 1);
}

}  // namespace
