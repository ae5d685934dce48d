// Opens the user's manual, QuilvaneHelp.html beside the program, in the browser.
#pragma once

#include "common/win32/WinApi.h"

#include <string>

// topic: an anchor of the page ("SyntaxColoring", "CreatingTools"), or empty for its top.
// Failures are reported to the user in a message box owned by owner.
void OpenHelp(const std::string& topic, HWND owner);
