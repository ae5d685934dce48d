// Where two colourings of one line first differ, so that only the changed strip is repainted.
#pragma once

#include "editor/syntax/ColourLine.h"

#include <vector>

// The first column whose colour differs between the two token lists of a line (a column
// that one list covers and the other does not counts), or -1 when they agree.
int FirstColourChange(const std::vector<TokenSpan>& before, const std::vector<TokenSpan>& after);
