// Options > Editor: the modal dialog 107 over the document options of the settings.
#pragma once

#include "common/win32/WinApi.h"

class AppSettings;

// Shows the dialog; on OK the values are stored and the settings file is written at once.
// True after OK.
bool RunEditorOptionsDialog(HINSTANCE instance, HWND owner, AppSettings& settings);
