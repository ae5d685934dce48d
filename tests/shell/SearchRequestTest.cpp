// The find dialog's texts: escape conversion, the display form of messages, the histories.
#include "editor/shell/SearchRequest.h"

#include <gtest/gtest.h>

namespace {

TEST(SearchRequestTest, EscapesAreReadLeftToRight) {
  EXPECT_EQ(ConvertEscapes("a\\nb"), "a\nb");
  EXPECT_EQ(ConvertEscapes("\\t\\\\"), "\t\\");
  // A doubled backslash is consumed before the n behind it can form an escape.
  EXPECT_EQ(ConvertEscapes("\\\\n"), "\\n");
  // Unknown escapes and a backslash at the end stay; the next character is read normally.
  EXPECT_EQ(ConvertEscapes("\\x\\"), "\\x\\");
  EXPECT_EQ(ConvertEscapes("\\\\\\n"), "\\\n");
}

TEST(SearchRequestTest, DisplayFormWritesTheEscapesBack) {
  EXPECT_EQ(DisplayForm("a\nb\tc\\d", true), "a\\nb\\tc\\\\d");
  EXPECT_EQ(DisplayForm(ConvertEscapes("a\\nb"), true), "a\\nb");
  EXPECT_EQ(DisplayForm("a\nb", false), "a\nb");
}

TEST(SearchRequestTest, HistoryKeepsTheMostRecentFirstAndComparesExactly) {
  StringList history;
  AddToHistory(history, "one");
  AddToHistory(history, "two");
  AddToHistory(history, "");
  AddToHistory(history, "ONE");
  AddToHistory(history, "two");
  EXPECT_EQ(history, (StringList{"two", "ONE", "one"}));
}

TEST(SearchRequestTest, DefaultsIgnoreCaseAndAllowEscapes) {
  const SearchRequest request;
  EXPECT_EQ(request.flags, SearchIgnoreCase);
  EXPECT_TRUE(request.allowEscapes);
  EXPECT_TRUE(request.closeDialogOnFind);
  EXPECT_TRUE(request.newSearch);
  EXPECT_FALSE(request.doFind || request.doReplace || request.doReplaceAll || request.selectionOnly);
}

}  // namespace
