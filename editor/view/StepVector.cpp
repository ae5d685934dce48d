// A sequence of ints to which "add delta to every element from index k on" is applied lazily.
#include "editor/view/StepVector.h"

#include <algorithm>

int StepVector::ValueAt(int i) const {
  int stored = Values.ValueAt(i);
  return i >= StepPoint ? stored + StepDelta : stored;
}

void StepVector::SetValueAt(int i, int value) {
  Values.SetValueAt(i, i >= StepPoint ? value - StepDelta : value);
}

void StepVector::Insert(int i, int value) { InsertRange(i, &value, 1); }

// New elements at or before the step point are stored as they are and push the step point
// on; behind it they are stored without the pending delta.
void StepVector::InsertRange(int i, const int* values, int count) {
  Values.InsertFromArray(i, values, count);
  if (i <= StepPoint) {
    StepPoint += count;
    return;
  }
  int* stored = Values.RangePointer(i, count);
  for (int k = 0; k < count; ++k) stored[k] -= StepDelta;
}

void StepVector::DeleteRange(int i, int count) {
  Values.DeleteRange(i, count);
  if (StepPoint > i) StepPoint -= std::min(count, StepPoint - i);
}

void StepVector::AddFrom(int i, int delta) {
  i = std::max(0, i);
  if (delta == 0 || i >= Length()) return;
  if (StepDelta == 0)
    StepPoint = i;
  else
    MoveStepTo(i);
  StepDelta += delta;
}

// Forward the pending delta is applied to the elements passed; backward it is taken off
// again, since they are now behind the step point.
void StepVector::MoveStepTo(int i) {
  if (i > StepPoint) {
    int* stored = Values.RangePointer(StepPoint, i - StepPoint);
    for (int k = 0; k < i - StepPoint; ++k) stored[k] += StepDelta;
  } else if (i < StepPoint) {
    int* stored = Values.RangePointer(i, StepPoint - i);
    for (int k = 0; k < StepPoint - i; ++k) stored[k] -= StepDelta;
  }
  StepPoint = i;
}

int StepVector::LastIndexNotAbove(int value) const {
  int low = 0;
  int high = Length();  // the answer + 1 lies in [low, high]
  while (low < high) {
    int mid = low + (high - low) / 2;
    if (ValueAt(mid) <= value)
      low = mid + 1;
    else
      high = mid;
  }
  return low - 1;
}

int StepVector::FirstIndexNotBelow(int value) const {
  int low = 0;
  int high = Length();
  while (low < high) {
    int mid = low + (high - low) / 2;
    if (ValueAt(mid) < value)
      low = mid + 1;
    else
      high = mid;
  }
  return low;
}
