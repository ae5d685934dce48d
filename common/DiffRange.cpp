// The part in which two versions of a text differ.
#include "common/DiffRange.h"

#include <algorithm>

void DiffRange(std::string_view a, std::string_view b, int& start, int& lengthInA,
               int& lengthInB) {
  const std::size_t common = std::min(a.size(), b.size());
  std::size_t head = 0;
  while (head < common && a[head] == b[head]) ++head;
  if (head == a.size() && head == b.size()) {
    start = -1;
    lengthInA = lengthInB = 0;
    return;
  }
  std::size_t endA = a.size();
  std::size_t endB = b.size();
  while (endA > head && endB > head && a[endA - 1] == b[endB - 1]) {
    --endA;
    --endB;
  }
  start = static_cast<int>(head);
  lengthInA = static_cast<int>(endA - head);
  lengthInB = static_cast<int>(endB - head);
}
