// First column whose colour differs between two colourings of a line.
#include "editor/view/ColouringDiff.h"

#include <gtest/gtest.h>

namespace {

TEST(ColouringDiff, FindsTheFirstChangeOfColumnKindOrLength) {
  const std::vector<TokenSpan> base{{0, 4, PlainText}, {4, 1, Keyword}};
  EXPECT_EQ(FirstColourChange(base, base), -1);
  EXPECT_EQ(FirstColourChange(base, {{0, 4, PlainText}, {4, 1, Comment}}), 4);
  EXPECT_EQ(FirstColourChange(base, {{0, 5, PlainText}, {5, 1, Keyword}}), 4);
  EXPECT_EQ(FirstColourChange(base, {{0, 2, PlainText}, {2, 3, Keyword}}), 2);
  EXPECT_EQ(FirstColourChange({{3, 2, PlainText}}, {{1, 4, PlainText}}), 1);
}

TEST(ColouringDiff, AnExtraTokenDiffersAtItsColumn) {
  const std::vector<TokenSpan> one{{0, 2, PlainText}};
  const std::vector<TokenSpan> two{{0, 2, PlainText}, {2, 1, Symbol}};
  EXPECT_EQ(FirstColourChange(one, two), 2);
  EXPECT_EQ(FirstColourChange(two, one), 2);
  EXPECT_EQ(FirstColourChange({}, one), 0);
  EXPECT_EQ(FirstColourChange({}, {}), -1);
}

}  // namespace
