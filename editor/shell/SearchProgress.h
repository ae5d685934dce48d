// Where the current search pass began and what it looks for, so that Find Next can tell
// when it has gone once around the text.
#pragma once

#include "common/TextSearch.h"

#include <string>

struct SearchProgress {
  int startPos = -1;  // the pass's first match; -1: none
  int lastPos = -1;   // the last match shown; -1: none
  bool finished = false;  // the wrap-around message was shown for this pass
  std::string lastFindText;
  int lastFlags = SearchIgnoreCase;
  bool lastSelectionOnly = false;
  bool lastAllowEscapes = true;
  bool lastNewSearch = true;

  // The caret or the selection moved: unless it moved onto the last match shown (the search
  // itself selected it), the next search starts its pass from the new place.
  void SelectionMoved(int selectionStart) {
    if (selectionStart != lastPos) startPos = -1;
  }
};
