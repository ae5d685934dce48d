// The hotkey control's word: the virtual key in the low byte, the modifier bits above it.
#include "editor/dialogs/win32/HotkeyControl.h"

void GetHotkeyControl(HWND dialog, int id, int& key, int& modifiers) {
  const LRESULT value = SendDlgItemMessageA(dialog, id, HKM_GETHOTKEY, 0, 0);
  key = LOBYTE(LOWORD(value));
  modifiers = HIBYTE(LOWORD(value)) & (HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT);
}

void SetHotkeyControl(HWND dialog, int id, int key, int modifiers) {
  SendDlgItemMessageA(dialog, id, HKM_SETHOTKEY, MAKEWORD(key, modifiers), 0);
}
