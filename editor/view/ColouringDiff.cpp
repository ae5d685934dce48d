// First differing column of two colourings of one line.
#include "editor/view/ColouringDiff.h"

#include <algorithm>

namespace {

int FirstDifferingChar(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  const auto mismatch = std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(common), b.begin());
  const int index = static_cast<int>(mismatch.first - a.begin());
  return index < static_cast<int>(common) || a.size() != b.size() ? index : -1;
}

}  // namespace

int FirstDifferingColumn(const LineColouring& before, const LineColouring& after) {
  const std::vector<ColouredToken>& a = before.Tokens;
  const std::vector<ColouredToken>& b = after.Tokens;
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (a[i].Column != b[i].Column) return std::min(a[i].Column, b[i].Column);
    if (a[i].Kind != b[i].Kind) return a[i].Column;
    const int differs = FirstDifferingChar(a[i].Text, b[i].Text);
    if (differs >= 0) return a[i].Column + differs;
  }
  if (a.size() > common) return a[common].Column;
  if (b.size() > common) return b[common].Column;
  return -1;
}
