// The tokenizer's state carried from the end of one display line to the start of the next.
#pragma once

#include "common/RefCounted.h"
#include "editor/syntax/LanguageElement.h"

#include <vector>

// Copied by value; the element references are shared and keep their elements alive after
// the definition that made them has been replaced.
struct ColourState {
  std::vector<RefPtr<LanguageElement>> RangeStack;  // open range levels, innermost last
  RefPtr<LanguageElement> Current;                  // goes on at the start of the next line

  // Equal when both hold the same elements (by identity) in the same places.
  friend bool operator==(const ColourState& a, const ColourState& b) {
    return a.Current == b.Current && a.RangeStack == b.RangeStack;
  }
  friend bool operator!=(const ColourState& a, const ColourState& b) { return !(a == b); }
};
