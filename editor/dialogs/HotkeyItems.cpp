// Conflicts among the Hotkeys editor's items, and the two hotkey tables built from them.
#include "editor/dialogs/HotkeyItems.h"

namespace {

ToolCommand* ToolWithCommand(ToolList& tools, uint32_t id) {
  for (ToolCommand& tool : tools)
    if (tool.Hotkey.Command == id) return &tool;
  return nullptr;
}

}  // namespace

int FindHotkeyConflict(const std::vector<HotkeyItem>& items, int current) {
  if (current < 0 || current >= static_cast<int>(items.size())) return -1;
  const HotkeyItem& item = items[static_cast<size_t>(current)];
  if (item.Key == 0) return -1;
  for (size_t i = 0; i < items.size(); ++i)
    if (static_cast<int>(i) != current && items[i].Key == item.Key && items[i].Modifiers == item.Modifiers)
      return static_cast<int>(i);
  return -1;
}

void ApplyHotkeyItems(const std::vector<HotkeyItem>& items, ToolList& tools, HotkeyTable& main,
                      HotkeyTable& toolsTable) {
  main.Invalidate();
  toolsTable.Invalidate();
  main.Entries.clear();
  toolsTable.Entries.clear();
  for (const HotkeyItem& item : items) {
    if (!item.IsCommand || item.CommandId == 0) continue;
    const HotkeyEntry entry = MakeEntry(item.Key, item.Modifiers, static_cast<uint16_t>(item.CommandId));
    if (ToolCommand* tool = ToolWithCommand(tools, item.CommandId)) {
      tool->Hotkey = entry;
      toolsTable.Entries.push_back(entry);
    } else {
      main.Entries.push_back(entry);
    }
  }
}
