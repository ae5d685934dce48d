// A sequence of ints to which "add delta to every element from index k on" is applied lazily.
#pragma once

#include "editor/view/SplitVector.h"

// Holds values such as line starts that an edit shifts from some index to the end. The
// shift is kept as one pending step: stored elements from StepPoint on still lack StepDelta.
// A further shift first moves the step point to its own index, touching only the elements
// in between, so repeated edits in one place cost little however long the sequence is.
class StepVector {
public:
  int Length() const { return Values.Length(); }
  int ValueAt(int i) const;
  void SetValueAt(int i, int value);
  void Insert(int i, int value);
  void InsertRange(int i, const int* values, int count);
  void DeleteRange(int i, int count);
  void AddFrom(int i, int delta);

  // For a non-decreasing sequence: the last index whose value is <= value, -1 when none is.
  int LastIndexNotAbove(int value) const;
  // For a non-decreasing sequence: the first index whose value is >= value, Length() when
  // none is.
  int FirstIndexNotBelow(int value) const;

private:
  void MoveStepTo(int i);

  SplitVector<int> Values;
  int StepPoint = 0;
  int StepDelta = 0;
};
