// The Prompt dialog (resource 112): asks for the text of a tool's %Prompt: macro.
#pragma once

#include "common/win32/WinApi.h"

#include <string>

// Runs the dialog modally with message as its label (a ":" added where it lacks one). The
// text typed when OK is pressed; empty when the dialog is closed otherwise.
std::string RunPromptDialog(HWND owner, const std::string& message);
