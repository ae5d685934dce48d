#include "editor/shell/FontZoom.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Percent of the chosen size for each step from MinZoom to MaxZoom; step 0 is 100.
constexpr int Percents[] = {30, 50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400, 500};
static_assert(sizeof Percents / sizeof Percents[0] == MaxZoom - MinZoom + 1, "one size per step");

}  // namespace

int ClampZoom(int zoom) {
  return std::min(std::max(zoom, MinZoom), MaxZoom);
}

int ZoomedHeight(int height, int zoom) {
  if (height == 0) return 0;
  const int percent = Percents[ClampZoom(zoom) - MinZoom];
  const int size = std::max(1, (std::abs(height) * percent + 50) / 100);
  return height < 0 ? -size : size;
}
