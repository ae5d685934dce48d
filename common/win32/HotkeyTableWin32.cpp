// The platform side of the hotkey table: its accelerator table and the hotkey texts of menus.
#include "common/HotkeyTable.h"

#include "common/win32/KeyNames.h"
#include "common/win32/WinApi.h"

namespace {

ACCEL ToAccel(const HotkeyEntry& entry) {
  ACCEL accel;
  accel.fVirt = entry.Flags;
  accel.key = entry.Key;
  accel.cmd = entry.Command;
  return accel;
}

constexpr int MaxMenuText = 256;

std::string MenuItemText(HMENU menu, UINT command) {
  char text[MaxMenuText + 1] = "";
  int length = GetMenuStringA(menu, command, text, sizeof text, MF_BYCOMMAND);
  return std::string(text, length > 0 ? length : 0);
}

}  // namespace

HotkeyTable::~HotkeyTable() {
  Invalidate();
}

void HotkeyTable::Invalidate() {
  if (Handle) DestroyAcceleratorTable(Handle);
  Handle = nullptr;
}

HACCEL__* HotkeyTable::GetHandle() {
  if (!Handle && !Entries.empty()) {
    std::vector<ACCEL> accels;
    accels.reserve(Entries.size());
    for (const HotkeyEntry& entry : Entries) accels.push_back(ToAccel(entry));
    Handle = CreateAcceleratorTableA(accels.data(), static_cast<int>(accels.size()));
  }
  return Handle;
}

void HotkeyTable::UpdateMenuText(HMENU__* menu) const {
  for (const HotkeyEntry& entry : Entries) {
    std::string text = MenuTextWithHotkey(MenuItemText(menu, entry.Command),
                                          HotkeyText(entry.Key, ModifiersOf(entry)));
    ModifyMenuA(menu, entry.Command, MF_BYCOMMAND | MF_STRING, entry.Command, text.c_str());
  }
}
