// Colours derived from a scheme's own, so what the view adds (the gutter, the caret line,
// the braces of the caret) stays readable on light and dark backgrounds alike.
#pragma once

#include "editor/syntax/ColorScheme.h"

// toParts of parts of the way from `from` to `to`, channel by channel, rounded.
inline Colour MixColours(Colour from, Colour to, int toParts, int parts) {
  Colour mixed = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = static_cast<int>((from >> shift) & 0xFF);
    const int b = static_cast<int>((to >> shift) & 0xFF);
    mixed |= static_cast<Colour>((a * (parts - toParts) + b * toParts + parts / 2) / parts) << shift;
  }
  return mixed;
}

// Perceived brightness, 0 to 255 (the luma weights of video: green counts most).
inline int Brightness(Colour colour) {
  const int red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
  return (299 * red + 587 * green + 114 * blue + 500) / 1000;
}

inline bool IsDarkColour(Colour colour) {
  return Brightness(colour) < 128;
}

// The grey as bright as the colour.
inline Colour GreyOf(Colour colour) {
  const Colour grey = static_cast<Colour>(Brightness(colour));
  return grey | grey << 8 | grey << 16;
}
