// Word starts and FitText: where a display line may be cut and how few measurements it takes.
#include "editor/view/WordFit.h"

#include "tests/view/ViewFakes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every character 7 pixels wide except 'i' (2 pixels); counts the measurements taken.
struct CountingMeasure {
  int Calls = 0;
  MeasureFunction Function() {
    return [this](const char* text, int count) {
      ++Calls;
      int width = 0;
      for (int i = 0; i < count; ++i) width += text[i] == 'i' ? 2 : 7;
      return width;
    };
  }
};

FitResult Fit(const std::string& text, int width) {
  CountingMeasure measure;
  return FitText(text.data(), static_cast<int>(text.size()), width, 7, measure.Function());
}

TEST(WordFit, WhiteSpaceIsTheCLocalesWithoutLineFeed) {
  for (char c : std::string(" \t\r\v\f")) EXPECT_TRUE(IsWrapSpace(c)) << int(c);
  EXPECT_FALSE(IsWrapSpace('\n'));
  EXPECT_FALSE(IsWrapSpace('a'));
  EXPECT_FALSE(IsWrapSpace('\xA0'));
}

TEST(WordFit, NextWordStartSkipsTheWordThenItsWhiteSpace) {
  const std::string text = "ab  cd\tef";
  const int n = static_cast<int>(text.size());
  EXPECT_EQ(NextWordStart(text.data(), n, 0), 4);
  EXPECT_EQ(NextWordStart(text.data(), n, 1), 4);
  EXPECT_EQ(NextWordStart(text.data(), n, 2), 4);
  EXPECT_EQ(NextWordStart(text.data(), n, 4), 7);
  EXPECT_EQ(NextWordStart(text.data(), n, 7), n);
  EXPECT_EQ(NextWordStart(text.data(), n, n), n);
  EXPECT_EQ(NextWordStart("ab\ncd", 5, 0), 5);
}

TEST(WordFit, PreviousWordStartStepsBackOverWhiteSpaceThenTheWord) {
  const std::string text = "ab  cd\tef";
  EXPECT_EQ(PreviousWordStart(text.data(), 9), 7);
  EXPECT_EQ(PreviousWordStart(text.data(), 7), 4);
  EXPECT_EQ(PreviousWordStart(text.data(), 5), 4);
  EXPECT_EQ(PreviousWordStart(text.data(), 4), 0);
  EXPECT_EQ(PreviousWordStart(text.data(), 3), 0);
  EXPECT_EQ(PreviousWordStart(text.data(), 0), 0);
}

TEST(WordFit, CutsAfterTheSpaceFollowingTheLastWordThatFits) {
  const FitResult exact = Fit("aaaa bbbb cccc", 70);
  EXPECT_EQ(exact.Length, 10);
  EXPECT_EQ(exact.Width, 70);
  const FitResult narrower = Fit("aaaa bbbb cccc", 69);
  EXPECT_EQ(narrower.Length, 5);
  EXPECT_EQ(narrower.Width, 35);
  const FitResult whole = Fit("aaaa bbbb cccc", 98);
  EXPECT_EQ(whole.Length, 14);
  EXPECT_EQ(whole.Width, 98);
}

TEST(WordFit, AFirstWordWiderThanTheWidthIsTakenWhole) {
  const std::string word(200, 'w');
  EXPECT_EQ(Fit(word, 70).Length, 200);
  EXPECT_EQ(Fit(word, 70).Width, 1400);
  const FitResult followed = Fit(word + " tail", 70);
  EXPECT_EQ(followed.Length, 201);
  EXPECT_EQ(Fit("    " + word, 70).Length, 4);
  EXPECT_EQ(Fit(word, 0).Length, 200);
}

TEST(WordFit, WhiteSpaceAloneNeverCausesACut) {
  const FitResult fit = Fit("aaaa          ", 70);
  EXPECT_EQ(fit.Length, 14);
  EXPECT_EQ(fit.Width, 98);
}

TEST(WordFit, GrowsPastTheEstimateWhenCharactersAreNarrow) {
  const FitResult whole = Fit("iiii iiii iiii iiii iiii iiii", 83);
  EXPECT_EQ(whole.Length, 29);
  EXPECT_EQ(whole.Width, 24 * 2 + 5 * 7);
  const FitResult cut = Fit("iiii iiii iiii iiii iiii iiii", 70);
  EXPECT_EQ(cut.Length, 20);
  EXPECT_EQ(cut.Width, 16 * 2 + 4 * 7);
}

TEST(WordFit, EmptyTextFitsNothing) {
  const FitResult fit = Fit("", 70);
  EXPECT_EQ(fit.Length, 0);
  EXPECT_EQ(fit.Width, 0);
}

TEST(WordFit, ALineTakesAHandfulOfMeasurements) {
  std::string line;
  while (line.size() < 400) line += "word ";
  CountingMeasure measure;
  const FitResult fit = FitText(line.data(), static_cast<int>(line.size()), 80 * 7, 7, measure.Function());
  EXPECT_EQ(fit.Length, 80);
  EXPECT_LE(measure.Calls, 4);

  CountingMeasure shorter;
  const std::string words = "int value = compute(first, second) + other; // a comment that runs on and on";
  FitText(words.data(), static_cast<int>(words.size()), 40 * 7, 7, shorter.Function());
  EXPECT_LE(shorter.Calls, 5);
}

TEST(WordFit, TheViewMeasuresWithItsTabStops) {
  ViewFixture f;
  // A tab at the start reaches 28 pixels, so "\tab " is 49 wide and "cd" does not fit 50.
  const std::string text = "\tab cd";
  const FitResult fit = FitText(text.data(), static_cast<int>(text.size()), 50, f.View);
  EXPECT_EQ(fit.Length, 4);
  EXPECT_EQ(fit.Width, 49);
}

}  // namespace
