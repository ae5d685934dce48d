// Where a window goes so that it stands centred over another one and still inside the
// screen's work area, one axis at a time.
#pragma once

// The window's start (left or top) for its length, centred over the owner's span and then
// moved into the area [areaStart, areaStart + areaLength) as far as it fits; a window
// longer than the area starts at the area's start.
int CentredStart(int ownerStart, int ownerLength, int length, int areaStart, int areaLength);
