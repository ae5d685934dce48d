// Centring over an owner, kept on the screen.
#include "common/Centring.h"

#include <algorithm>

int CentredStart(int ownerStart, int ownerLength, int length, int areaStart, int areaLength) {
  const int centred = ownerStart + (ownerLength - length) / 2;
  const int last = areaStart + areaLength - length;
  return std::max(areaStart, std::min(centred, last));
}
