// Breaking the printed text into the lines of one page, as an edit control breaks them.
#include "editor/shell/PrintLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every character 10 pixels wide, except "W" (20) and the NUL (0); tab stops every 40 pixels;
// lines 12 pixels high.
PrintFont TestFont() {
  PrintFont font;
  font.Advances.fill(10);
  font.Advances['W'] = 20;
  font.Advances[0] = 0;
  font.TabStop = 40;
  font.LineHeight = 12;
  return font;
}

struct Page {
  std::vector<std::string> Lines;  // the characters each line draws
  int Consumed;
};

Page Fit(const std::string& text, int width, int height = 1200) {
  const PageFit fit = FitPage(text.data(), static_cast<int>(text.size()), width, height, TestFont());
  Page page{{}, fit.Consumed};
  for (const PrintLine& line : fit.Lines) page.Lines.push_back(text.substr(line.Start, line.Length));
  return page;
}

using Lines = std::vector<std::string>;

TEST(FitPage, BreaksBeforeTheWordThatCrossesTheWidthAndHidesTheBlanksInFront) {
  // 100 pixels: ten characters.
  Page page = Fit("aaa bbb ccc ddd", 100);
  EXPECT_EQ(page.Lines, (Lines{"aaa bbb", "ccc ddd"}));
  EXPECT_EQ(page.Consumed, 15);
  page = Fit("aaaa  bbbbbb", 100);  // the word would end at 120
  EXPECT_EQ(page.Lines, (Lines{"aaaa", "bbbbbb"}));
  page = Fit("aaaaaaaaa b", 100);  // the blank may end exactly on the edge: "b" crosses it
  EXPECT_EQ(page.Lines, (Lines{"aaaaaaaaa", "b"}));
  page = Fit("aaaaaaaaaa", 100);  // exactly the width: one line
  EXPECT_EQ(page.Lines, (Lines{"aaaaaaaaaa"}));
}

TEST(FitPage, BlanksRunningPastTheEdgeStayOnTheirLine) {
  const Page page = Fit("abc" + std::string(30, ' ') + "def", 100);
  EXPECT_EQ(page.Lines, (Lines{"abc", "def"}));
  EXPECT_EQ(page.Consumed, 36);
}

TEST(FitPage, AWordWiderThanTheBodyIsBrokenWhereItCrossesTheEdge) {
  const Page page = Fit("xx " + std::string(25, 'a'), 100);
  EXPECT_EQ(page.Lines, (Lines{"xx", std::string(10, 'a'), std::string(10, 'a'), std::string(5, 'a')}));
  EXPECT_EQ(page.Consumed, 28);
}

TEST(FitPage, LineFeedsEndLinesAndEmptyLinesCount) {
  const Page page = Fit("one\n\nthree\n", 100);
  EXPECT_EQ(page.Lines, (Lines{"one", "", "three"}));
  EXPECT_EQ(page.Consumed, 11);
  EXPECT_EQ(Fit("end  \nnext", 100).Lines, (Lines{"end", "next"}));
}

TEST(FitPage, TabsAdvanceToTheNextStopFromTheLineStart) {
  // "\tab" ends at 60; "a\tb" at 50; "abcd\t" ends at 80, so a second word of 3 crosses 100.
  EXPECT_EQ(Fit("\tab\tcd", 100).Lines, (Lines{"\tab\tcd"}));        // 40+20, tab to 80, +20 = 100
  EXPECT_EQ(Fit("\tab\tcde", 100).Lines, (Lines{"\tab", "cde"}));
  EXPECT_EQ(Fit("abcd\txyz", 100).Lines, (Lines{"abcd", "xyz"}));
  EXPECT_EQ(Fit("abcd\txy", 100).Lines, (Lines{"abcd\txy"}));
  EXPECT_EQ(TabEnd(0, 40), 40);
  EXPECT_EQ(TabEnd(39, 40), 40);
  EXPECT_EQ(TabEnd(40, 40), 80);
}

TEST(FitPage, WideCharactersAreMeasuredByTheirOwnAdvance) {
  EXPECT_EQ(Fit("WWWWW W", 100).Lines, (Lines{"WWWWW", "W"}));
  EXPECT_EQ(Fit("WWWWWW", 100).Lines, (Lines{"WWWWW", "W"}));
}

TEST(FitPage, TakesOnlyTheLinesTheBodyHoldsWhole) {
  const std::string text = "l1\nl2\nl3\nl4\nl5";
  Page page = Fit(text, 100, 36);  // three lines of 12
  EXPECT_EQ(page.Lines, (Lines{"l1", "l2", "l3"}));
  EXPECT_EQ(page.Consumed, 9);
  page = Fit(text, 100, 47);  // a fourth line would show only in part
  EXPECT_EQ(page.Lines.size(), 3u);
  page = Fit(text, 100, 11);
  EXPECT_TRUE(page.Lines.empty());
  EXPECT_EQ(page.Consumed, 0);
}

TEST(FitPage, ABodyNarrowerThanOneCharacterStillTakesOnePerLine) {
  const Page page = Fit("abc", 5);
  EXPECT_EQ(page.Lines, (Lines{"a", "b", "c"}));
  EXPECT_EQ(page.Consumed, 3);
}

TEST(FitPage, ALongSingleLineFillsThePageAndTheNextPageGoesOnFromThere) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "word" + std::to_string(i % 10) + " ";  // 6 characters each
  // 10 characters a line: one word each; 5 lines a page.
  const PageFit first = FitPage(text.data(), static_cast<int>(text.size()), 100, 60, TestFont());
  ASSERT_EQ(first.Lines.size(), 5u);
  EXPECT_EQ(first.Consumed, 30);
  const PageFit second = FitPage(text.data() + 30, static_cast<int>(text.size()) - 30, 100, 60, TestFont());
  EXPECT_EQ(text.substr(30 + second.Lines[0].Start, second.Lines[0].Length), "word5");
}

TEST(FitPage, AnEmptyTextTakesNothing) {
  const Page page = Fit("", 100);
  EXPECT_TRUE(page.Lines.empty());
  EXPECT_EQ(page.Consumed, 0);
}

}  // namespace
