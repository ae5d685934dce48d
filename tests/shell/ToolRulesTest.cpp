// The rules around running tools that need no platform: when a tool is offered, the
// filter's files and output, the prompt's label and the error message.
#include "editor/shell/FilterRules.h"
#include "editor/shell/PromptLabel.h"
#include "editor/shell/ToolEnabled.h"
#include "editor/shell/ToolErrorMessage.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolEnabled, ExtensionsMatchInAnyCaseAndAnEmptyListMatchesAll) {
  ToolCommand tool;
  EXPECT_TRUE(ToolEnabled(tool, "readme.txt"));
  EXPECT_TRUE(ToolEnabled(tool, "Untitled"));
  tool.Extensions = {"c", "cpp"};
  EXPECT_FALSE(ToolEnabled(tool, "C:\\src\\readme.txt"));
  EXPECT_TRUE(ToolEnabled(tool, "x.CPP"));
  EXPECT_TRUE(ToolEnabled(tool, "C:\\src\\main.c"));
  EXPECT_FALSE(ToolEnabled(tool, "C:\\src.c\\Makefile"));
  EXPECT_FALSE(ToolEnabled(tool, "main.cc"));
  EXPECT_FALSE(ToolEnabled(tool, "Untitled"));
}

TEST(ToolLookup, FirstToolWithTheCommandIdOrNone) {
  ToolList tools(3);
  tools[0].Hotkey.Command = 40000;
  tools[1].Hotkey.Command = 40001;
  tools[2].Hotkey.Command = 40001;
  EXPECT_EQ(FindToolByCommand(tools, 40001), &tools[1]);
  EXPECT_EQ(FindToolByCommand(tools, 40000), &tools[0]);
  EXPECT_EQ(FindToolByCommand(tools, 40002), nullptr);
}

TEST(FilterRules, TemporaryFilesAreNamedByStreamAndProcess) {
  EXPECT_EQ(FilterFileName("C:\\Temp", "In", 1234), "C:\\Temp\\QuilvaneStdIn1234.txt");
  EXPECT_EQ(FilterFileName("C:\\Temp\\", "Err", 7), "C:\\Temp\\QuilvaneStdErr7.txt");
  EXPECT_EQ(FilterFileName("", "Out", 99), "QuilvaneStdOut99.txt");
}

TEST(FilterRules, OnlyTheLineFeedAddedBehindAnOpenLastLineGoes) {
  EXPECT_EQ(FilterOutputText("a\nb\n", false), "a\nb");
  EXPECT_EQ(FilterOutputText("a\nb\n", true), "a\nb\n");
  EXPECT_EQ(FilterOutputText("a\nb", true), "a\nb");
  EXPECT_EQ(FilterOutputText("a\nb", false), "a\nb");
  // One line feed only: an empty last line that the program wrote stays.
  EXPECT_EQ(FilterOutputText("a\n\n", false), "a\n");
  EXPECT_EQ(FilterOutputText("\n", false), "");
  EXPECT_EQ(FilterOutputText("", false), "");
}

TEST(PromptLabel, AColonIsAddedOnlyWhereMissing) {
  EXPECT_EQ(PromptLabel("Enter a value"), "Enter a value:");
  EXPECT_EQ(PromptLabel("Enter a value:"), "Enter a value:");
  EXPECT_EQ(PromptLabel("Ratio 1:2 "), "Ratio 1:2 :");
  EXPECT_EQ(PromptLabel(""), "");
}

TEST(ToolErrorMessage, NamesTheCommandAndShowsTheErrorBelowAnEmptyLine) {
  EXPECT_EQ(ToolErrorMessage("sort.exe", "sort: bad option\n"), "Error executing command 'sort.exe':\n\nsort: bad option\n");
}

}  // namespace
