// First differing column of two colourings.
#include "editor/view/ColouringDiff.h"

#include <gtest/gtest.h>

namespace {

RefPtr<LineColouring> Colouring(std::vector<ColouredToken> tokens) {
  RefPtr<LineColouring> colouring(new LineColouring);
  colouring->Tokens = std::move(tokens);
  return colouring;
}

int Diff(const RefPtr<LineColouring>& a, const RefPtr<LineColouring>& b) {
  return FirstDifferingColumn(*a, *b);
}

TEST(ColouringDiff, FindsTheFirstChangeInColumnKindOrText) {
  const RefPtr<LineColouring> base = Colouring({{PlainText, "int ", 0}, {Keyword, "x", 4}});
  EXPECT_EQ(Diff(base, base), -1);
  EXPECT_EQ(Diff(base, Colouring({{PlainText, "int ", 0}, {Comment, "x", 4}})), 4);
  EXPECT_EQ(Diff(base, Colouring({{PlainText, "inT ", 0}, {Keyword, "x", 4}})), 2);
  EXPECT_EQ(Diff(base, Colouring({{PlainText, "int  ", 0}, {Keyword, "x", 5}})), 4);
  EXPECT_EQ(Diff(base, Colouring({{PlainText, "in", 0}, {Keyword, "t x", 2}})), 2);
}

TEST(ColouringDiff, AnExtraTokenDiffersAtItsColumn) {
  const RefPtr<LineColouring> one = Colouring({{PlainText, "ab", 0}});
  const RefPtr<LineColouring> two = Colouring({{PlainText, "ab", 0}, {Symbol, ";", 2}});
  EXPECT_EQ(Diff(one, two), 2);
  EXPECT_EQ(Diff(two, one), 2);
  EXPECT_EQ(Diff(Colouring({}), one), 0);
}

}  // namespace
