// Tests of the string-list functions.
#include "common/StringList.h"

#include <gtest/gtest.h>

TEST(StringList, SplitTrimsPiecesAndKeepsInnerEmptyOnes) {
  StringList list = {"old"};
  SplitText("a; ;b;", ";", list);
  EXPECT_EQ(list, (StringList{"a", "", "b"}));
  SplitText("  x  ,y", ",", list);
  EXPECT_EQ(list, (StringList{"x", "y"}));
  SplitText(";;", ";", list);
  EXPECT_EQ(list, (StringList{"", ""}));
  SplitText("\tx ", ";", list);  // only spaces are blanks
  EXPECT_EQ(list, (StringList{"\tx"}));
}

TEST(StringList, SplitEdgeCases) {
  StringList list = {"old"};
  SplitText("", ";", list);
  EXPECT_TRUE(list.empty());
  SplitText(" a;b ", "", list);
  EXPECT_EQ(list, (StringList{"a;b"}));
  SplitText("a<>b<>c", "<>", list);
  EXPECT_EQ(list, (StringList{"a", "b", "c"}));
  SplitText(" ", ";", list);
  EXPECT_EQ(list, (StringList{""}));
}

TEST(StringList, JoinKeepsEmptyItemsJoinNonEmptySkipsThem) {
  const StringList list = {"", "a", "", "b", ""};
  EXPECT_EQ(JoinText(list, "; "), "; a; ; b; ");
  EXPECT_EQ(JoinNonEmpty(list, "; "), "a; b");
  EXPECT_EQ(JoinText({}, ";"), "");
  EXPECT_EQ(JoinNonEmpty({"", ""}, ";"), "");
}

TEST(StringList, AppendJoinedPutsTheSeparatorOnlyBetweenTwoTexts) {
  std::string a;
  AppendJoined(a, "x", ", ");
  EXPECT_EQ(a, "x");
  AppendJoined(a, "", ", ");
  EXPECT_EQ(a, "x");
  AppendJoined(a, "y", ", ");
  EXPECT_EQ(a, "x, y");
}

TEST(StringList, FindStringWithAndWithoutCase) {
  const StringList list = {"Alpha", "beta", "ALPHA", "alph"};
  EXPECT_EQ(FindString(list, "alpha", true), -1);
  EXPECT_EQ(FindString(list, "ALPHA", true), 2);
  EXPECT_EQ(FindString(list, "alpha", false), 0);
  EXPECT_EQ(FindString(list, "BETA", false), 1);
  EXPECT_EQ(FindString(list, "alphA ", false), -1);
  EXPECT_EQ(FindString({}, "", false), -1);
}

TEST(StringList, RemoveStringRemovesEveryEqualItem) {
  StringList list = {"a", "A", "b", "a"};
  RemoveString(list, "a", true);
  EXPECT_EQ(list, (StringList{"A", "b"}));
  list = {"a", "A", "b", "a"};
  RemoveString(list, "a", false);
  EXPECT_EQ(list, (StringList{"b"}));
}

TEST(StringList, RemoveDuplicatesKeepsFirstOfEachGroupInOrder) {
  StringList list = {"b", "A", "a", "b", "c", "A"};
  RemoveDuplicates(list, true);
  EXPECT_EQ(list, (StringList{"b", "A", "a", "c"}));
  list = {"b", "A", "a", "B", "c", ""};
  RemoveDuplicates(list, false);
  EXPECT_EQ(list, (StringList{"b", "A", "c", ""}));
}
