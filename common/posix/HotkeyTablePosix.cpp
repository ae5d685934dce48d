// Native stand-in for the accelerator table: without a window system there is none to release.
#include "common/HotkeyTable.h"

HotkeyTable::~HotkeyTable() = default;

void HotkeyTable::Invalidate() {
  Handle = nullptr;
}
