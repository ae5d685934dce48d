// Starting a tool's program, and for a filter feeding it the text and taking its output.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/shell/ToolCommand.h"

#include <string>

// Expands the tool's macros for documentPath (prompts are owned by owner) and starts it. A
// program runs on its own; a filter is waited for, without limit, with text as its standard
// input, and text receives its output. A start that fails or a filter that writes to its
// error output is reported in a message box owned by owner and returns false; text then
// stays as it was.
bool ExecuteTool(const ToolCommand& tool, const std::string& documentPath, HWND owner, std::string& text);
