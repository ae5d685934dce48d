// Setup's one dialog: the installation folder, the shortcuts to make, Install and Exit.
#pragma once

#include "common/win32/WinApi.h"

// Shows the dialog modally; returns when it closes.
void RunSetupDialog(HINSTANCE instance);
