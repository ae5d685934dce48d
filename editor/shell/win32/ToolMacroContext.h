// The running editor's side of the tool macros: its current folder, environment and prompt.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/shell/ToolMacros.h"

// Prompts are asked in a dialog owned by owner.
ToolMacroContext CurrentToolMacroContext(HWND owner);
