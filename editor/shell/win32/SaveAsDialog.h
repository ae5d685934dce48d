// The Save As dialog: the platform's save dialog with two lists below it, for the encoding
// and the line breaks the file is written with.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/shell/DocumentFormat.h"

#include <string>

// path comes in as the proposed name and format as the document's own; both hold the
// user's choice when the result is true. The names are wide, so that a name beyond the code
// page can be proposed and chosen.
bool RunSaveAsDialog(HINSTANCE instance, HWND owner, const wchar_t* defaultExtension, std::wstring& path,
                     DocumentFormat& format);
