// Tools > Edit Tools: the modal dialog 110 over a working copy of the Tools menu's tools.
#pragma once

#include "common/win32/WinApi.h"

#include <string>

class AppSettings;

// On OK the copy replaces the settings' tools and the tools hotkey table, and the settings
// file is written; the caller then rebuilds the Tools menu. documentPath: the document the
// previews expand the macros for. True after OK.
bool RunToolsEditor(HINSTANCE instance, HWND owner, AppSettings& settings, const std::string& documentPath);
