// Tests of the int sequence with a lazily applied shift.
#include "editor/view/StepVector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

std::vector<int> Contents(const StepVector& values) {
  std::vector<int> out;
  for (int i = 0; i < values.Length(); ++i) out.push_back(values.ValueAt(i));
  return out;
}

StepVector Of(const std::vector<int>& initial) {
  StepVector values;
  values.InsertRange(0, initial.data(), static_cast<int>(initial.size()));
  return values;
}

}  // namespace

TEST(StepVectorTest, AddFromShiftsTheTail) {
  StepVector values = Of({0, 10, 20, 30, 40});
  values.AddFrom(2, 5);
  EXPECT_EQ((std::vector<int>{0, 10, 25, 35, 45}), Contents(values));
  values.AddFrom(4, -3);  // step point moves forward
  EXPECT_EQ((std::vector<int>{0, 10, 25, 35, 42}), Contents(values));
  values.AddFrom(1, 1);  // and back
  EXPECT_EQ((std::vector<int>{0, 11, 26, 36, 43}), Contents(values));
  values.AddFrom(5, 100);  // past the end: nothing to shift
  values.AddFrom(-2, 1);   // from before the start: everything
  EXPECT_EQ((std::vector<int>{1, 12, 27, 37, 44}), Contents(values));
}

TEST(StepVectorTest, InsertsOnEitherSideOfThePendingStep) {
  StepVector values = Of({0, 10, 20, 30});
  values.AddFrom(2, 100);  // pending from index 2
  values.Insert(1, 5);     // before the step point
  values.Insert(3, 115);   // at the step point
  values.Insert(5, 125);   // behind it
  EXPECT_EQ((std::vector<int>{0, 5, 10, 115, 120, 125, 130}), Contents(values));
  values.AddFrom(0, 1);
  EXPECT_EQ((std::vector<int>{1, 6, 11, 116, 121, 126, 131}), Contents(values));
}

TEST(StepVectorTest, InsertRangeBehindTheStepStoresTheValuesGiven) {
  StepVector values = Of({0, 10, 20});
  values.AddFrom(1, 7);
  int block[] = {40, 50, 60};
  values.InsertRange(3, block, 3);
  EXPECT_EQ((std::vector<int>{0, 17, 27, 40, 50, 60}), Contents(values));
}

TEST(StepVectorTest, DeleteRangeAcrossTheStepPoint) {
  StepVector values = Of({0, 10, 20, 30, 40, 50});
  values.AddFrom(3, 2);
  values.DeleteRange(2, 3);  // takes the step point with it
  EXPECT_EQ((std::vector<int>{0, 10, 52}), Contents(values));
  values.AddFrom(2, -2);
  EXPECT_EQ((std::vector<int>{0, 10, 50}), Contents(values));
  values.DeleteRange(0, 3);
  EXPECT_EQ(0, values.Length());
}

TEST(StepVectorTest, SetValueAtOnEitherSideOfTheStep) {
  StepVector values = Of({0, 10, 20, 30});
  values.AddFrom(2, 4);
  values.SetValueAt(1, 11);
  values.SetValueAt(3, 99);
  values.AddFrom(0, 1);
  EXPECT_EQ((std::vector<int>{1, 12, 25, 100}), Contents(values));
}

TEST(StepVectorTest, SearchesOverANonDecreasingSequence) {
  StepVector values = Of({0, 3, 3, 3, 8, 12});
  values.AddFrom(4, 1);  // 0 3 3 3 9 13
  EXPECT_EQ(-1, values.LastIndexNotAbove(-1));
  EXPECT_EQ(0, values.LastIndexNotAbove(2));
  EXPECT_EQ(3, values.LastIndexNotAbove(3));
  EXPECT_EQ(3, values.LastIndexNotAbove(8));
  EXPECT_EQ(4, values.LastIndexNotAbove(9));
  EXPECT_EQ(5, values.LastIndexNotAbove(1000));
  EXPECT_EQ(0, values.FirstIndexNotBelow(-5));
  EXPECT_EQ(1, values.FirstIndexNotBelow(1));
  EXPECT_EQ(1, values.FirstIndexNotBelow(3));
  EXPECT_EQ(4, values.FirstIndexNotBelow(4));
  EXPECT_EQ(5, values.FirstIndexNotBelow(13));
  EXPECT_EQ(6, values.FirstIndexNotBelow(14));
  StepVector empty;
  EXPECT_EQ(-1, empty.LastIndexNotAbove(0));
  EXPECT_EQ(0, empty.FirstIndexNotBelow(0));
}

TEST(StepVectorTest, RandomEditsMatchAVector) {
  std::mt19937 random(99);
  StepVector values;
  std::vector<int> model;
  for (int step = 0; step < 5000; ++step) {
    int size = static_cast<int>(model.size());
    int at = static_cast<int>(random() % (size + 1));
    int value = static_cast<int>(random() % 1000) - 500;
    switch (random() % 5) {
      case 0:
        values.Insert(at, value);
        model.insert(model.begin() + at, value);
        break;
      case 1: {
        std::vector<int> block(random() % 6, value);
        values.InsertRange(at, block.data(), static_cast<int>(block.size()));
        model.insert(model.begin() + at, block.begin(), block.end());
        break;
      }
      case 2: {
        int count = std::min(size - at, static_cast<int>(random() % 8));
        values.DeleteRange(at, count);
        model.erase(model.begin() + at, model.begin() + at + count);
        break;
      }
      case 3:
        if (at < size) {
          values.SetValueAt(at, value);
          model[static_cast<size_t>(at)] = value;
        }
        break;
      default:
        values.AddFrom(at, value);
        for (size_t k = static_cast<size_t>(at); k < model.size(); ++k) model[k] += value;
    }
    ASSERT_EQ(model, Contents(values)) << "step " << step;
  }
}

TEST(StepVectorTest, RandomSearchesMatchALinearScan) {
  std::mt19937 random(7);
  std::vector<int> model;
  StepVector values;
  for (int i = 0; i < 300; ++i) {
    int last = model.empty() ? 0 : model.back();
    model.push_back(last + static_cast<int>(random() % 3));
    values.Insert(i, model.back());
  }
  for (int step = 0; step < 200; ++step) {
    int from = static_cast<int>(random() % model.size());
    int delta = static_cast<int>(random() % 5);
    values.AddFrom(from, delta);  // a non-negative shift keeps the order
    for (size_t k = static_cast<size_t>(from); k < model.size(); ++k) model[k] += delta;
    int probe = static_cast<int>(random() % (model.back() + 3)) - 1;
    int last = static_cast<int>(std::upper_bound(model.begin(), model.end(), probe) - model.begin()) - 1;
    int first = static_cast<int>(std::lower_bound(model.begin(), model.end(), probe) - model.begin());
    ASSERT_EQ(last, values.LastIndexNotAbove(probe)) << "probe " << probe;
    ASSERT_EQ(first, values.FirstIndexNotBelow(probe)) << "probe " << probe;
  }
}
