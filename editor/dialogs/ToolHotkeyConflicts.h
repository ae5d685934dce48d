// Hotkey conflicts of the Tools editor: one tool's hotkey checked on request, all of them on OK.
#pragma once

#include "common/HotkeyTable.h"
#include "editor/shell/ToolCommand.h"

#include <string>

struct HotkeyCheck {
  bool Conflict = false;  // shown with the warning icon; otherwise with the information icon
  std::string Message;
};

// The hotkey in the dialog's hotkey control against the other tools (current is skipped; -1
// for none) and then against the main table.
HotkeyCheck CheckToolHotkey(const ToolList& tools, int current, int key, int modifiers, const HotkeyTable& main);

// The first tool in list order whose hotkey the main table already uses or a later tool has
// too; -1 when there is none.
int FindConflictingTool(const ToolList& tools, const HotkeyTable& main);
