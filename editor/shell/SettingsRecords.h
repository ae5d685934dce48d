// Portable stand-ins for the platform's LOGFONT and RECT, in the form the settings file stores.
#pragma once

#include <cstdint>

// The fields of LOGFONTA, in its order and widths, so the Windows side copies them across
// one by one; the settings file exchanges them with ExchangeFont.
struct FontRecord {
  int32_t lfHeight = 0;
  int32_t lfWidth = 0;
  int32_t lfEscapement = 0;
  int32_t lfOrientation = 0;
  int32_t lfWeight = 0;
  uint8_t lfItalic = 0;
  uint8_t lfUnderline = 0;
  uint8_t lfStrikeOut = 0;
  uint8_t lfCharSet = 0;
  uint8_t lfOutPrecision = 0;
  uint8_t lfClipPrecision = 0;
  uint8_t lfQuality = 0;
  uint8_t lfPitchAndFamily = 0;
  char lfFaceName[32] = {};
};

// A window rectangle in screen pixels; all zero is the empty rectangle.
struct RectRecord {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};
