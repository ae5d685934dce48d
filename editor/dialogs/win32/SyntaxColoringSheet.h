// Options > Syntax Coloring: the modal sheet with the Languages and Colors pages.
#pragma once

#include "common/win32/WinApi.h"

#include <string>

class AppSettings;

// Returns when the sheet closes. What OK or Apply confirmed is already in the settings (and
// on disk); the caller applies it to its view and chooses the document's language anew.
// currentLanguage: the name of the language the document is shown in, selected first.
void RunSyntaxColoringSheet(HINSTANCE instance, HWND owner, AppSettings& settings,
                            const std::string& currentLanguage);
