// First differing column of two colourings of one line.
#include "editor/view/ColouringDiff.h"

#include <algorithm>

int FirstColourChange(const std::vector<TokenSpan>& before, const std::vector<TokenSpan>& after) {
  const std::size_t common = std::min(before.size(), after.size());
  for (std::size_t i = 0; i < common; ++i) {
    const TokenSpan& a = before[i];
    const TokenSpan& b = after[i];
    if (a.Column != b.Column) return std::min(a.Column, b.Column);
    if (a.Kind != b.Kind) return a.Column;
    if (a.Length != b.Length) return a.Column + std::min(a.Length, b.Length);
  }
  if (before.size() > common) return before[common].Column;
  if (after.size() > common) return after[common].Column;
  return -1;
}
