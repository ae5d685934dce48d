// The undo lists on their own: limits, the clean point and the redo list.
#include "editor/view/UndoHistory.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace {

UndoRecord Record(const std::string& inserted) {
  return UndoRecord{inserted, "", 0};
}

void PushAll(UndoHistory& history, std::initializer_list<const char*> texts) {
  for (const char* text : texts) history.Push(Record(text));
}

}  // namespace

TEST(UndoHistoryTest, PushAppendsNewestLastAndEmptiesRedo) {
  UndoHistory history;
  PushAll(history, {"a", "b"});
  history.RedoList.push_back(Record("r"));
  history.Push(Record("c"));
  ASSERT_EQ(history.UndoList.size(), 3u);
  EXPECT_EQ(history.UndoList.front().Inserted, "a");
  EXPECT_EQ(history.UndoList.back().Inserted, "c");
  EXPECT_TRUE(history.RedoList.empty());
}

TEST(UndoHistoryTest, FullListDropsOldestAndLowersCleanIndex) {
  UndoHistory history;
  history.Limit = 2;
  PushAll(history, {"a", "b"});
  history.CleanIndex = 2;
  history.Push(Record("c"));
  ASSERT_EQ(history.UndoList.size(), 2u);
  EXPECT_EQ(history.UndoList.front().Inserted, "b");
  EXPECT_EQ(history.CleanIndex, 1u);
}

TEST(UndoHistoryTest, ListAboveLimitShrinksToLimitOnPush) {
  UndoHistory history;
  history.Limit = UndoHistory::NoLimit;
  PushAll(history, {"a", "b", "c", "d"});
  history.CleanIndex = 3;
  history.Limit = 2;
  history.Push(Record("e"));
  ASSERT_EQ(history.UndoList.size(), 2u);
  EXPECT_EQ(history.UndoList.front().Inserted, "d");
  EXPECT_EQ(history.CleanIndex, 0u);
}

TEST(UndoHistoryTest, CleanPointAmongDroppedRecordsIsOutOfReach) {
  UndoHistory history;
  history.Limit = 2;
  PushAll(history, {"a", "b"});
  history.CleanIndex = 0;
  history.Push(Record("c"));
  EXPECT_GT(history.CleanIndex, history.UndoList.size());
  history.Push(Record("d"));
  EXPECT_GT(history.CleanIndex, history.UndoList.size());
}

TEST(UndoHistoryTest, LimitZeroKeepsNothing) {
  UndoHistory history;
  PushAll(history, {"a"});
  history.RedoList.push_back(Record("r"));
  history.Limit = 0;
  history.Push(Record("b"));
  EXPECT_TRUE(history.UndoList.empty());
  EXPECT_TRUE(history.RedoList.empty());
  // The change just made cannot be undone, so no state in the lists is the saved one.
  EXPECT_EQ(history.CleanIndex, UndoHistory::NoCleanPoint);
}

TEST(UndoHistoryTest, NoLimitKeepsEveryRecord) {
  UndoHistory history;
  history.Limit = UndoHistory::NoLimit;
  for (int i = 0; i < 6000; ++i) history.Push(Record("x"));
  EXPECT_EQ(history.UndoList.size(), 6000u);
}

TEST(UndoHistoryTest, PushDiscardingCleanPointInRedoListMakesItUnreachable) {
  UndoHistory history;
  PushAll(history, {"a", "b"});
  history.CleanIndex = 2;
  history.RedoList.push_back(std::move(history.UndoList.back()));
  history.UndoList.pop_back();
  history.Push(Record("c"));
  EXPECT_EQ(history.UndoList.size(), 2u);
  EXPECT_EQ(history.CleanIndex, UndoHistory::NoCleanPoint);
}

TEST(UndoHistoryTest, PushKeepsCleanPointAtOrBelowCurrentState) {
  UndoHistory history;
  PushAll(history, {"a"});
  history.CleanIndex = 1;
  history.Push(Record("b"));
  EXPECT_EQ(history.CleanIndex, 1u);
}

TEST(UndoHistoryTest, LowerLimitTrimsOldestAndMovesCleanIndex) {
  UndoHistory history;
  PushAll(history, {"a", "b", "c", "d", "e"});
  history.CleanIndex = 4;
  history.SetLimit(3);
  ASSERT_EQ(history.UndoList.size(), 3u);
  EXPECT_EQ(history.UndoList.front().Inserted, "c");
  EXPECT_EQ(history.CleanIndex, 2u);
  EXPECT_EQ(history.Limit, 3u);
}

TEST(UndoHistoryTest, HigherLimitKeepsRecords) {
  UndoHistory history;
  PushAll(history, {"a", "b"});
  history.CleanIndex = 1;
  history.SetLimit(UndoHistory::NoLimit);
  EXPECT_EQ(history.UndoList.size(), 2u);
  EXPECT_EQ(history.CleanIndex, 1u);
}

TEST(UndoHistoryTest, SetLimitZeroEmptiesBothLists) {
  UndoHistory history;
  PushAll(history, {"a", "b"});
  history.RedoList.push_back(Record("r"));
  history.CleanIndex = 2;
  history.SetLimit(0);
  EXPECT_TRUE(history.UndoList.empty());
  EXPECT_TRUE(history.RedoList.empty());
  // The current state was the saved one and still is.
  EXPECT_EQ(history.CleanIndex, 0u);
}

TEST(UndoHistoryTest, SetLimitZeroLosesCleanPointInRedoList) {
  UndoHistory history;
  PushAll(history, {"a"});
  history.RedoList.push_back(Record("r"));
  history.CleanIndex = 2;
  history.SetLimit(0);
  EXPECT_GT(history.CleanIndex, 0u);
}

TEST(UndoHistoryTest, ClearEmptiesListsAndMakesCurrentStateClean) {
  UndoHistory history;
  PushAll(history, {"a", "b"});
  history.RedoList.push_back(Record("r"));
  history.CleanIndex = 7;
  history.Clear();
  EXPECT_TRUE(history.UndoList.empty());
  EXPECT_TRUE(history.RedoList.empty());
  EXPECT_EQ(history.CleanIndex, 0u);
}
