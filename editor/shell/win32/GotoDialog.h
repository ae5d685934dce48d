// The Goto Line dialog (resource 102): asks for a line number and checks that it is one.
#pragma once

#include "common/win32/WinApi.h"

// Runs the dialog modally. lineCount (the file's lines) fills the label's range. True on
// OK, with the 1-based number typed (not checked against the range).
bool RunGotoDialog(HINSTANCE instance, HWND owner, int lineCount, int& number);
