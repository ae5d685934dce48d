// Where two colourings of one line first differ, so that only the changed strip is repainted.
#pragma once

#include "editor/syntax/LineColouring.h"

// The first column at which the tokens differ (start, kind or text), or -1 when they agree.
int FirstDifferingColumn(const LineColouring& before, const LineColouring& after);
