// The command id pool: fresh ids from 40000, released ones reused last first, no duplicates.
#include "editor/shell/DynamicCommandIds.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(DynamicCommandIds, FreshIdsCountUpFromFortyThousand) {
  DynamicCommandIds ids;
  EXPECT_EQ(ids.Allocate(), 40000u);
  EXPECT_EQ(ids.Allocate(), 40001u);
  EXPECT_EQ(ids.Allocate(), 40002u);
}

TEST(DynamicCommandIds, ReleasedIdsComeBackLastReleasedFirstBeforeNewOnes) {
  DynamicCommandIds ids;
  for (int i = 0; i < 4; ++i) ids.Allocate();  // 40000 to 40003
  ids.Release(40001);
  ids.Release(40003);
  ids.Release(40000);
  EXPECT_EQ(ids.Allocate(), 40000u);
  EXPECT_EQ(ids.Allocate(), 40003u);
  EXPECT_EQ(ids.Allocate(), 40001u);
  EXPECT_EQ(ids.Allocate(), 40004u);
}

TEST(DynamicCommandIds, FixedCommandIdsAreNeverTakenIn) {
  DynamicCommandIds ids;
  ids.Allocate();
  ids.Release(32809);
  ids.Release(39999);
  EXPECT_EQ(ids.Allocate(), 40001u);
  EXPECT_FALSE(DynamicCommandIds::IsDynamic(39999));
  EXPECT_TRUE(DynamicCommandIds::IsDynamic(40000));
}

TEST(DynamicCommandIds, AnIdReleasedTwiceOrNeverHandedOutIsNotGivenToTwoItems) {
  DynamicCommandIds ids;
  const unsigned a = ids.Allocate();
  ids.Release(a);
  ids.Release(a);
  ids.Release(40050);
  std::set<unsigned> handed;
  for (int i = 0; i < 60; ++i) EXPECT_TRUE(handed.insert(ids.Allocate()).second);
}

// A popup rebuilt again and again, releasing its old items first, reuses the same ids.
TEST(DynamicCommandIds, RebuildingAPopupKeepsThePoolSmall) {
  DynamicCommandIds ids;
  std::set<unsigned> first;
  for (int i = 0; i < 15; ++i) first.insert(ids.Allocate());
  for (int round = 0; round < 3; ++round) {
    for (unsigned id : first) ids.Release(id);
    std::set<unsigned> again;
    for (int i = 0; i < 15; ++i) again.insert(ids.Allocate());
    EXPECT_EQ(again, first);
  }
  EXPECT_EQ(ids.Allocate(), 40015u);
}

}  // namespace
