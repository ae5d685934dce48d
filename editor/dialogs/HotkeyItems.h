// The Hotkeys editor's items: one per listed menu item, their conflicts and the tables they make.
#pragma once

#include "common/HotkeyTable.h"
#include "editor/shell/ToolCommand.h"

#include <cstdint>
#include <string>
#include <vector>

struct HotkeyItem {
  uint32_t CommandId = 0;
  uint8_t Key = 0;  // virtual key; 0 for none
  uint8_t Modifiers = 0;  // 1 Shift, 2 Control, 4 Alt
  bool IsCommand = true;  // false for an item that opens a submenu
  std::string Path;       // "Search>>Replace"
};

// The first item other than current with current's key and modifiers; -1 when current has no
// key or nothing shares it.
int FindHotkeyConflict(const std::vector<HotkeyItem>& items, int current);

// Both tables rebuilt from the items in list order: a tool's item gives that tool its hotkey
// and the tools table its entry, every other command item an entry of the main table. Items
// that open a submenu have no command to run, so they give no entry.
void ApplyHotkeyItems(const std::vector<HotkeyItem>& items, ToolList& tools, HotkeyTable& main,
                      HotkeyTable& toolsTable);
