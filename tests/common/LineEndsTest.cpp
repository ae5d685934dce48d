// Tests of the line-break conversions.
#include "common/LineEnds.h"

#include <gtest/gtest.h>

#include <vector>

TEST(LineEndsTest, NormalizeTurnsCrLfAndLoneCrIntoLf) {
  std::string text = "a\r\nb\rc\n\r\r\nd\r";
  NormalizeLineEnds(text);
  EXPECT_EQ("a\nb\nc\n\n\nd\n", text);
  std::string plain("x\ty\0z", 5);
  NormalizeLineEnds(plain);
  EXPECT_EQ(std::string("x\ty\0z", 5), plain);
}

TEST(LineEndsTest, ToCrLfPrecedesEveryLfWithCr) {
  EXPECT_EQ("abc", ToCrLf("abc"));
  EXPECT_EQ("\r\n", ToCrLf("\n"));
  EXPECT_EQ("a\r\n\r\nb\r\r\n", ToCrLf("a\n\nb\r\n"));
  EXPECT_EQ("a\r\nb\r\n", ToCrLf("a\nb\n", 3));
  EXPECT_EQ("", ToCrLf(""));
}

TEST(LineEndsTest, ToCrLfIgnoresAWrongLineCount) {
  EXPECT_EQ("a\r\nb\r\nc", ToCrLf("a\nb\nc", 1));
}

TEST(LineEndsTest, ShiftPositionsNeverMovesBelowAt) {
  int positions[] = {1, 5, 6, 9};
  ShiftPositions(5, positions, 4, -2);
  EXPECT_EQ((std::vector<int>{1, 5, 5, 7}), std::vector<int>(positions, positions + 4));
  ShiftPositions(5, positions, 4, 3);
  EXPECT_EQ((std::vector<int>{1, 8, 8, 10}), std::vector<int>(positions, positions + 4));
}

TEST(LineEndsTest, RemoveCarriageReturnsMovesPositionsBehindEachCr) {
  std::string text = "ab\r\ncd\r\r\nef";
  // Positions in any order: on a CR, behind it, before all, beyond the end.
  int positions[] = {11, 2, 0, 3, 7, 8, 20};
  EXPECT_EQ(3, RemoveCarriageReturns(text, positions, 7));
  EXPECT_EQ("ab\ncd\nef", text);
  EXPECT_EQ((std::vector<int>{8, 2, 0, 2, 5, 5, 17}), std::vector<int>(positions, positions + 7));
}

TEST(LineEndsTest, RemoveCarriageReturnsMatchesRepeatedShifts) {
  const std::string original = "\r\rx\ry\r\r\rz\r";
  std::vector<int> expected;
  for (int p = -1; p <= 12; ++p) expected.push_back(p);
  std::vector<int> actual = expected;
  std::string reference = original;
  for (std::size_t i = reference.find('\r'); i != std::string::npos; i = reference.find('\r', i)) {
    reference.erase(i, 1);
    ShiftPositions(static_cast<int>(i), expected.data(), static_cast<int>(expected.size()), -1);
  }
  std::string text = original;
  EXPECT_EQ(7, RemoveCarriageReturns(text, actual.data(), static_cast<int>(actual.size())));
  EXPECT_EQ(reference, text);
  EXPECT_EQ(expected, actual);
}

TEST(LineEndsTest, StripSoftBreaks) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\r\r\nb", "ab"},    {"a\r\nb", "a\nb"},     {"a\rb", "ab"},       {"a\r\r\r\nb", "ab"},
      {"a\r\r\rb", "ab"},    {"a\r", "a"},           {"\r\n\r\r\n", "\n"}, {"a\nb\n", "a\nb\n"},
      {"a\r\r\n\nb", "a\nb"}};
  for (const auto& [input, output] : cases) {
    std::string text = input;
    StripSoftBreaks(text);
    EXPECT_EQ(output, text) << "input length " << input.size();
  }
}

TEST(LineEndsTest, LineFeedsToCarriageReturns) {
  std::string text = "a\nb\r\n\n";
  LineFeedsToCarriageReturns(text);
  EXPECT_EQ("a\rb\r\r\r", text);
}

TEST(LineEndsTest, LargeTextsConvertInOnePass) {
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "line\r\n";
  std::string normalized = text;
  NormalizeLineEnds(normalized);
  EXPECT_EQ(text.size() - 200000, normalized.size());
  EXPECT_EQ(text, ToCrLf(normalized));
  int positions[] = {static_cast<int>(text.size())};
  EXPECT_EQ(200000, RemoveCarriageReturns(text, positions, 1));
  EXPECT_EQ(normalized, text);
  EXPECT_EQ(static_cast<int>(normalized.size()), positions[0]);
}
