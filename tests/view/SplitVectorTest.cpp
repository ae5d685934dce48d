// Tests of the gap buffer.
#include "editor/view/SplitVector.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

std::vector<int> Contents(const SplitVector<int>& values) {
  std::vector<int> out(static_cast<size_t>(values.Length()));
  values.GetRange(out.data(), 0, values.Length());
  return out;
}

void Fill(SplitVector<int>& values, int count) {
  for (int i = 0; i < count; ++i) values.Insert(i, i);
}

}  // namespace

TEST(SplitVectorTest, EditsAroundTheGapKeepTheOrder) {
  SplitVector<int> values;
  EXPECT_EQ(0, values.Length());
  Fill(values, 5);
  values.Insert(0, 10);
  values.InsertValue(3, 2, 7);
  int more[] = {20, 21};
  values.InsertFromArray(values.Length(), more, 2);
  EXPECT_EQ((std::vector<int>{10, 0, 1, 7, 7, 2, 3, 4, 20, 21}), Contents(values));
  values.Delete(0);
  values.DeleteRange(2, 3);
  values.SetValueAt(1, 99);
  EXPECT_EQ((std::vector<int>{0, 99, 3, 4, 20, 21}), Contents(values));
  EXPECT_EQ(3, values[2]);
  EXPECT_EQ(21, values.ValueAt(5));
}

TEST(SplitVectorTest, GetRangeReadsAcrossTheGap) {
  SplitVector<int> values;
  Fill(values, 10);
  values.Insert(4, -1);  // the gap now follows index 4
  int out[4] = {};
  values.GetRange(out, 3, 4);
  EXPECT_EQ((std::vector<int>{3, -1, 4, 5}), std::vector<int>(out, out + 4));
  values.GetRange(out, 0, 2);
  EXPECT_EQ(0, out[0]);
  EXPECT_EQ(1, out[1]);
}

TEST(SplitVectorTest, RangePointerGivesContiguousElements) {
  SplitVector<int> values;
  Fill(values, 100);
  for (int at : {50, 0, 99, 30}) {
    values.Insert(at, 1000 + at);  // puts the gap inside the range read next
    values.Delete(at);
    const int* run = values.RangePointer(20, 60);
    for (int k = 0; k < 60; ++k) ASSERT_EQ(20 + k, run[k]) << "after an edit at " << at;
  }
  EXPECT_EQ(100, values.Length());
  EXPECT_EQ(99, *values.RangePointer(99, 1));
}

TEST(SplitVectorTest, WritingThroughRangePointerChangesTheElements) {
  SplitVector<int> values;
  Fill(values, 10);
  values.Insert(5, 0);
  int* run = values.RangePointer(3, 5);
  for (int k = 0; k < 5; ++k) run[k] = -k;
  EXPECT_EQ((std::vector<int>{0, 1, 2, 0, -1, -2, -3, -4, 7, 8, 9}), Contents(values));
}

TEST(SplitVectorTest, DeletingEverythingLeavesAReusableBuffer) {
  SplitVector<int> values;
  Fill(values, 50);
  int capacity = values.Capacity();
  values.DeleteRange(0, 50);
  EXPECT_EQ(0, values.Length());
  Fill(values, 50);
  EXPECT_EQ(capacity, values.Capacity());
  EXPECT_EQ(49, values.ValueAt(49));
}

TEST(SplitVectorTest, ABigInsertIntoAnEmptyBufferAllocatesLittleMore) {
  SplitVector<char> text;
  std::vector<char> big(10000000, 'x');
  big.back() = 'y';
  text.InsertFromArray(0, big.data(), static_cast<int>(big.size()));
  EXPECT_EQ(10000000, text.Length());
  EXPECT_GE(text.Capacity(), 10000000);
  EXPECT_LE(text.Capacity(), 10000000 + 1024);
  EXPECT_EQ('y', text.ValueAt(9999999));
}

TEST(SplitVectorTest, IncrementalInsertsGrowGeometrically) {
  SplitVector<int> values;
  int reallocations = 0;
  int capacity = values.Capacity();
  for (int i = 0; i < 200000; ++i) {
    values.Insert(values.Length() / 2, i);
    if (values.Capacity() != capacity) ++reallocations;
    capacity = values.Capacity();
  }
  EXPECT_EQ(200000, values.Length());
  EXPECT_LT(reallocations, 100);
  // and a big document gets a gap of at most a fraction of its size
  EXPECT_LT(values.Capacity(), 200000 + 200000 / 4);
}

TEST(SplitVectorTest, ReAllocateReservesAndKeepsTheElements) {
  SplitVector<int> values;
  Fill(values, 20);
  values.Insert(10, 7);
  values.ReAllocate(1000);
  EXPECT_EQ(1000, values.Capacity());
  values.ReAllocate(5);  // never below what is held
  EXPECT_EQ(1000, values.Capacity());
  std::vector<int> expected;
  for (int i = 0; i < 20; ++i) expected.push_back(i);
  expected.insert(expected.begin() + 10, 7);
  EXPECT_EQ(expected, Contents(values));
  for (int i = 0; i < 900; ++i) values.Insert(0, i);
  EXPECT_EQ(1000, values.Capacity());
}

TEST(SplitVectorTest, RandomEditsMatchAVector) {
  std::mt19937 random(1234);
  SplitVector<int> values;
  std::vector<int> model;
  for (int step = 0; step < 5000; ++step) {
    int size = static_cast<int>(model.size());
    int at = static_cast<int>(random() % (size + 1));
    switch (random() % 5) {
      case 0:
        values.Insert(at, step);
        model.insert(model.begin() + at, step);
        break;
      case 1: {
        int count = static_cast<int>(random() % 20);
        std::vector<int> block(static_cast<size_t>(count), step);
        for (int k = 0; k < count; ++k) block[static_cast<size_t>(k)] += k;
        values.InsertFromArray(at, block.data(), count);
        model.insert(model.begin() + at, block.begin(), block.end());
        break;
      }
      case 2: {
        int count = std::min(size - at, static_cast<int>(random() % 25));
        values.DeleteRange(at, count);
        model.erase(model.begin() + at, model.begin() + at + count);
        break;
      }
      case 3:
        if (at < size) {
          values.SetValueAt(at, -step);
          model[static_cast<size_t>(at)] = -step;
        }
        break;
      default: {
        int count = std::min(size - at, static_cast<int>(random() % 30));
        const int* run = values.RangePointer(at, count);
        ASSERT_TRUE(std::equal(run, run + count, model.begin() + at)) << "step " << step;
      }
    }
    ASSERT_EQ(model, Contents(values)) << "step " << step;
  }
}
