// Where the chunks that a long line is measured in begin and end.
#pragma once

#include "editor/view/Utf8Steps.h"

#include <algorithm>

// The chunk boundary at pos, a multiple of the chunk length: pos cut to the text's length,
// and in UTF-8 moved back to the start of the character it lies in, since a character
// measured in two pieces comes out as wide as its bytes and shifts the rest of the line.
inline int ChunkBoundary(const char* text, int length, int pos, bool utf8) {
  pos = std::min(pos, length);
  return utf8 ? CharBoundaryAtOrBefore(text, length, pos) : pos;
}
