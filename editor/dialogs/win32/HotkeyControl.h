// Reading and setting the key and modifiers of a dialog's hotkey control.
#pragma once

#include "common/win32/WinApi.h"

// The control's key and its Shift (1), Control (2) and Alt (4) bits; the extended-key bit
// goes, as the hotkey tables do not keep it.
void GetHotkeyControl(HWND dialog, int id, int& key, int& modifiers);
void SetHotkeyControl(HWND dialog, int id, int key, int modifiers);
