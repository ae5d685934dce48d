// Colours derived from a scheme's own, so what the view adds (the gutter, the caret line's
// highlight) stays readable on light and dark backgrounds alike.
#pragma once

#include "editor/syntax/ColorScheme.h"

// percent of the way from `from` to `to`, channel by channel.
inline Colour MixColours(Colour from, Colour to, int percent) {
  Colour mixed = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = static_cast<int>((from >> shift) & 0xFF);
    const int b = static_cast<int>((to >> shift) & 0xFF);
    mixed |= static_cast<Colour>(a + (b - a) * percent / 100) << shift;
  }
  return mixed;
}

// Perceived brightness below the middle (the luma weights of video: green counts most).
inline bool IsDarkColour(Colour colour) {
  const int red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
  return red * 299 + green * 587 + blue * 114 < 128 * 1000;
}
