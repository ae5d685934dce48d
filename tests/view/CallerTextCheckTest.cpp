// Tests of the guard against CR and NUL in text that callers hand to the view.
#include "editor/view/CallerTextCheck.h"
#include "tests/view/ViewFakes.h"

#include <gtest/gtest.h>

namespace {

const std::string CrText("ab\r\ncd\rx");
const std::string NulText("a\0b\n\0", 5);

TEST(CallerTextCheck, CleanTextPassesUnchanged) {
  bool bad = true;
  EXPECT_EQ("one\ntwo\tthree\n", NormalizedCallerText("one\ntwo\tthree\n", bad));
  EXPECT_FALSE(bad);
  std::string text = "keep\n";
  CheckCallerText(text);
  EXPECT_EQ("keep\n", text);
}

TEST(CallerTextCheck, StripsCrAndNul) {
  bool bad = false;
  EXPECT_EQ("ab\ncdx", NormalizedCallerText(CrText, bad));
  EXPECT_TRUE(bad);
  bad = false;
  EXPECT_EQ("ab\n", NormalizedCallerText(NulText, bad));
  EXPECT_TRUE(bad);
  EXPECT_EQ("", NormalizedCallerText(std::string("\r\0\r", 3), bad));
  EXPECT_TRUE(bad);
}

TEST(CallerTextCheckDeathTest, ReportNamesTheByteAndStops) {
  EXPECT_DEATH(ReportBadCallerText("ab\rc"), "CR at offset 2 of 4");
  EXPECT_DEATH(ReportBadCallerText(std::string("a\0", 2)), "NUL at offset 1 of 2");
}

#ifndef NDEBUG
TEST(CallerTextCheckDeathTest, DebugBuildStopsAtBadCallerText) {
  std::string text = CrText;
  EXPECT_DEATH(CheckCallerText(text), "CR at offset 2");
  ViewFixture f;
  EXPECT_DEATH(f.View.SetText(NulText), "NUL at offset 1");
}
#else
TEST(CallerTextCheck, ReleaseBuildStripsBadCallerText) {
  std::string text = CrText;
  CheckCallerText(text);
  EXPECT_EQ("ab\ncdx", text);
}

TEST(CallerTextCheck, ReleaseBuildKeepsTheLineTableWhole) {
  ViewFixture f;
  f.View.SetText("one\r\ntwo\rthree");
  EXPECT_EQ("one\ntwothree", f.View.RawText());
  ASSERT_EQ(2, f.View.LineCount());
  EXPECT_EQ(4, f.View.LineStart(1));
  EXPECT_EQ(8, f.View.LineLength(1));
  f.View.ReplaceText(3, 0, std::string("\0\r\n", 3), -1, -1, 1, true);
  EXPECT_EQ("one\n\ntwothree", f.View.RawText());
  EXPECT_EQ(3, f.View.LineCount());
  EXPECT_EQ(4, f.View.Caret());
}
#endif

}  // namespace
