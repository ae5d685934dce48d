// Small font functions: point sizes to LOGFONT heights, comparing and copying fonts.
#pragma once

#include "common/win32/WinApi.h"

// The LOGFONT height (negative: a character height) of a font of `points` points on the
// device, measured in MM_TEXT; the device's map mode is restored afterwards.
int PointsToFontHeight(HDC deviceContext, int points);

// True for the same handle, false when either is null or cannot be read, otherwise
// whether the two fonts' LOGFONTs are equal byte for byte.
bool SameFont(HFONT first, HFONT second);

// A new font with the LOGFONT of font, which the caller deletes; null for a null or
// unreadable font.
HFONT CopyFont(HFONT font);
