// Small font functions: point sizes to LOGFONT heights, comparing and copying fonts.
#include "common/win32/FontHelpers.h"

#include <cstring>

namespace {

// Reads into a zeroed structure, so bytes the platform leaves alone (behind the face
// name's end) cannot make two equal fonts look different.
bool ReadLogFont(HFONT font, LOGFONTA& logFont) {
  std::memset(&logFont, 0, sizeof logFont);
  return GetObjectA(font, sizeof logFont, &logFont) == static_cast<int>(sizeof logFont);
}

}  // namespace

int PointsToFontHeight(HDC deviceContext, int points) {
  const int oldMode = SetMapMode(deviceContext, MM_TEXT);
  const int height = -MulDiv(points, GetDeviceCaps(deviceContext, LOGPIXELSY), 72);
  if (oldMode != 0) SetMapMode(deviceContext, oldMode);
  return height;
}

bool SameFont(HFONT first, HFONT second) {
  if (first == second) return true;
  if (!first || !second) return false;
  LOGFONTA a;
  LOGFONTA b;
  if (!ReadLogFont(first, a) || !ReadLogFont(second, b)) return false;
  return std::memcmp(&a, &b, sizeof a) == 0;
}

HFONT CopyFont(HFONT font) {
  LOGFONTA logFont;
  if (!font || !ReadLogFont(font, logFont)) return nullptr;
  return CreateFontIndirectA(&logFont);
}
