// The Save As dialog: the platform's save dialog with two lists below it, for the encoding
// and the line breaks the file is written with.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/shell/DocumentFormat.h"

#include <string>

// path comes in as the proposed name and format as the document's own; both hold the
// user's choice when the result is true.
bool RunSaveAsDialog(HINSTANCE instance, HWND owner, const char* defaultExtension, std::string& path,
                     DocumentFormat& format);
