// The command line: flags with either prefix and any case, the file, the line after "GL".
#include "editor/shell/CommandLineOptions.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

CommandLineOptions Parse(const std::vector<std::string>& arguments) { return ParseCommandLine(arguments); }

TEST(CommandLineOptions, NothingGivenMeansNoFileNoLineNoHelp) {
  const CommandLineOptions options = Parse({});
  EXPECT_EQ(options.fileName, "");
  EXPECT_EQ(options.gotoLine, 0);
  EXPECT_FALSE(options.showHelp);
  EXPECT_FALSE(options.awaitingLine);
}

TEST(CommandLineOptions, TheLineFollowsGlAndTheFileMayComeAfterIt) {
  const CommandLineOptions options = Parse({"-GL", "12", "file.txt"});
  EXPECT_EQ(options.gotoLine, 12);
  EXPECT_EQ(options.fileName, "file.txt");
  EXPECT_FALSE(options.awaitingLine);

  const CommandLineOptions lower = Parse({"-gl", "27", "a.txt"});
  EXPECT_EQ(lower.gotoLine, 27);
  EXPECT_EQ(lower.fileName, "a.txt");
}

TEST(CommandLineOptions, AFileThenGlThenANumber) {
  const CommandLineOptions options = Parse({"C:\\Dev\\main.cpp", "/gL", "300"});
  EXPECT_EQ(options.fileName, "C:\\Dev\\main.cpp");
  EXPECT_EQ(options.gotoLine, 300);
}

TEST(CommandLineOptions, GlWithoutANumberLeavesTheLineAtZero) {
  const CommandLineOptions trailing = Parse({"a.txt", "-GL"});
  EXPECT_EQ(trailing.fileName, "a.txt");
  EXPECT_EQ(trailing.gotoLine, 0);
  EXPECT_TRUE(trailing.awaitingLine);

  // The argument after GL is the line even when it is no number: it is not taken as a file.
  const CommandLineOptions word = Parse({"-GL", "abc"});
  EXPECT_EQ(word.gotoLine, 0);
  EXPECT_EQ(word.fileName, "");
}

TEST(CommandLineOptions, OnlyTheFirstNonFlagArgumentIsTheFile) {
  const CommandLineOptions options = Parse({"first.txt", "second.txt"});
  EXPECT_EQ(options.fileName, "first.txt");
}

TEST(CommandLineOptions, HelpByQuestionMarkOrWordWithEitherPrefix) {
  EXPECT_TRUE(Parse({"/?"}).showHelp);
  EXPECT_TRUE(Parse({"-?"}).showHelp);
  EXPECT_TRUE(Parse({"/help"}).showHelp);
  EXPECT_TRUE(Parse({"-HeLp", "x.txt"}).showHelp);
  EXPECT_FALSE(Parse({"?"}).showHelp);
  EXPECT_EQ(Parse({"?"}).fileName, "?");
}

TEST(CommandLineOptions, FlagsWhileALineIsAwaitedAreIgnored) {
  const CommandLineOptions options = Parse({"-GL", "/?", "5"});
  EXPECT_FALSE(options.showHelp);
  EXPECT_EQ(options.gotoLine, 5);
  EXPECT_EQ(options.fileName, "");
}

TEST(CommandLineOptions, UnknownFlagsAndABarePrefixAreIgnored) {
  const CommandLineOptions options = Parse({"-x", "/", "-", "b.txt"});
  EXPECT_EQ(options.fileName, "b.txt");
  EXPECT_FALSE(options.showHelp);
  EXPECT_EQ(options.gotoLine, 0);
}

TEST(LeadingDecimal, BlanksSignDigitsAndWhateverFollows) {
  EXPECT_EQ(LeadingDecimal("27"), 27);
  EXPECT_EQ(LeadingDecimal("  +8x"), 8);
  EXPECT_EQ(LeadingDecimal("\t-3"), -3);
  EXPECT_EQ(LeadingDecimal("12abc"), 12);
  EXPECT_EQ(LeadingDecimal("abc"), 0);
  EXPECT_EQ(LeadingDecimal(""), 0);
  EXPECT_EQ(LeadingDecimal("+"), 0);
  EXPECT_EQ(LeadingDecimal("- 4"), 0);
}

TEST(LeadingDecimal, NumbersBeyondIntAreHeldAtItsLimits) {
  EXPECT_EQ(LeadingDecimal("2147483647"), INT_MAX);
  EXPECT_EQ(LeadingDecimal("99999999999999999999999"), INT_MAX);
  EXPECT_EQ(LeadingDecimal("-2147483648"), INT_MIN);
  EXPECT_EQ(LeadingDecimal("-99999999999999999999999"), INT_MIN);
}

}  // namespace
