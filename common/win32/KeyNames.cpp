// Key names through the keyboard layout, and keyboard-state queries.
#include "common/win32/KeyNames.h"

#include "common/HotkeyTable.h"
#include "common/win32/WinApi.h"

namespace {

constexpr LPARAM DontCareLeftRight = 1 << 25;
constexpr LPARAM ExtendedKey = 1 << 24;

// Keys that share their scan code with a key of the numeric keypad and are told apart from it
// only by the extended-key bit; without it "Delete" would be named like the keypad's dot.
bool IsExtendedKey(int virtualKey) {
  switch (virtualKey) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
    case VK_INSERT: case VK_DELETE: case VK_DIVIDE: case VK_NUMLOCK:
      return true;
    default:
      return false;
  }
}

int SwappedMouseButton(int virtualKey) {
  if (virtualKey == VK_LBUTTON) return VK_RBUTTON;
  if (virtualKey == VK_RBUTTON) return VK_LBUTTON;
  return virtualKey;
}

void AppendName(std::string& text, int virtualKey) {
  if (!text.empty()) text += '+';
  text += KeyName(virtualKey);
}

}  // namespace

std::string KeyName(int virtualKey) {
  if (virtualKey == 0) return std::string();
  UINT scanCode = MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
  LPARAM keyData = (static_cast<LPARAM>(scanCode & 0xFF) << 16) | DontCareLeftRight;
  if (IsExtendedKey(virtualKey)) keyData |= ExtendedKey;
  char name[20] = "";
  int length = GetKeyNameTextA(static_cast<LONG>(keyData), name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

std::string HotkeyText(int key, int modifiers) {
  std::string text;
  if (key == 0) return text;
  if (modifiers & ControlModifier) AppendName(text, VK_CONTROL);
  if (modifiers & ShiftModifier) AppendName(text, VK_SHIFT);
  if (modifiers & AltModifier) AppendName(text, VK_MENU);
  AppendName(text, key);
  return text;
}

int CurrentModifiers() {
  int modifiers = 0;
  if (GetKeyState(VK_SHIFT) < 0) modifiers |= ShiftModifier;
  if (GetKeyState(VK_CONTROL) < 0) modifiers |= ControlModifier;
  if (GetKeyState(VK_MENU) < 0) modifiers |= AltModifier;
  return modifiers;
}

bool IsKeyDown(int virtualKey) {
  if (GetSystemMetrics(SM_SWAPBUTTON)) virtualKey = SwappedMouseButton(virtualKey);
  return GetAsyncKeyState(virtualKey) < 0;
}
