// Tests of DiffRange.
#include "common/DiffRange.h"

#include <gtest/gtest.h>

namespace {

void ExpectRange(const std::string& a, const std::string& b, int start, int inA, int inB) {
  int s = 99, lengthInA = 99, lengthInB = 99;
  DiffRange(a, b, s, lengthInA, lengthInB);
  EXPECT_EQ(s, start) << a << " / " << b;
  EXPECT_EQ(lengthInA, inA) << a << " / " << b;
  EXPECT_EQ(lengthInB, inB) << a << " / " << b;
}

}  // namespace

TEST(DiffRange, EqualStringsHaveNoRange) {
  ExpectRange("abcd", "abcd", -1, 0, 0);
  ExpectRange("", "", -1, 0, 0);
}

TEST(DiffRange, ChangesInsertionsAndDeletions) {
  ExpectRange("abcd", "abxd", 2, 1, 1);
  ExpectRange("abcd", "aXYZd", 1, 2, 3);
  ExpectRange("abc", "abXc", 2, 0, 1);
  ExpectRange("abc", "abcde", 3, 0, 2);
  ExpectRange("xy", "", 0, 2, 0);
}

TEST(DiffRange, TailWalkStopsAtStartInBothStrings) {
  // With repeated characters the common tail could also cover part of the common head.
  ExpectRange("aa", "aaa", 2, 0, 1);
  ExpectRange("aaa", "aa", 2, 1, 0);
  ExpectRange("abab", "ab", 2, 2, 0);
  ExpectRange("xab", "xabab", 3, 0, 2);
}
