// The tool macros' view of this computer: the real environment, current folder and the
// Prompt dialog.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/shell/ToolMacros.h"

// Questions of prompt macros are dialogs owned by owner.
ToolMacroContext CurrentToolMacroContext(HWND owner);
