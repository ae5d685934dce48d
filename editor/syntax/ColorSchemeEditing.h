// What the Colors page does to its working copy of the schemes, and which of its controls
// are enabled.
#pragma once

#include "editor/syntax/ColorScheme.h"

// Appends a copy of the current scheme (or a default one when none is current) named
// "New Color Scheme" and makes it current.
void AddNewScheme(ColorSchemeList& list);
// Removes the current scheme; the one now at its index becomes current, or the last one,
// or none (-1) when the list is empty. False when there was none to remove.
bool DeleteCurrentScheme(ColorSchemeList& list);
// Swaps the current scheme with its neighbour (delta -1 up, +1 down), which keeps it current.
// False when there is no neighbour that way.
bool MoveCurrentScheme(ColorSchemeList& list, int delta);
// The current scheme's colour of item becomes colour; false when nothing changed.
bool SetCurrentColour(ColorSchemeList& list, int item, Colour colour);

struct ColorsPageStates {
  bool SchemeControls;  // delete, name, item, colour, selection mode, preview
  bool MoveUp;
  bool MoveDown;
};

ColorsPageStates ColorsPageStatesFor(const ColorSchemeList& list);
