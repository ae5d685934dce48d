// Options > Hotkeys: the modal dialog 108 that gives any item of the main menu a hotkey.
#pragma once

#include "common/win32/WinApi.h"

class AppSettings;

// Lists menu (the main window's menu bar, with its Recent submenu emptied). On OK both hotkey
// tables and the tools' hotkeys are rebuilt from the list and the settings file is written;
// the caller then writes the hotkey texts into its menus. True after OK.
bool RunHotkeysEditor(HINSTANCE instance, HWND owner, AppSettings& settings, HMENU menu);
