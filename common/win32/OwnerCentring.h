// Dialogs and message boxes stand over the window they belong to: a box or dialog that
// opens elsewhere on a large screen is easily missed, and one over the text hides it.
#pragma once

#include "common/win32/WinApi.h"

#include <string>

// Moves a top-level window (not resizing it) so that it is centred over its owner's
// top-level window, inside the work area of the owner's monitor. Without an owner, over
// that work area.
void CentreOnOwner(HWND window);
// MessageBoxA, with the box centred over owner's top-level window (the system centres it
// on the screen). A null owner gives the system's box as it is.
int MessageBoxOver(HWND owner, const std::string& text, const char* caption, UINT type);
