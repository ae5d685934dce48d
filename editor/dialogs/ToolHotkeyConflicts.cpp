// Which tool's hotkey collides with another tool's or with a fixed menu command's.
#include "editor/dialogs/ToolHotkeyConflicts.h"

#include "editor/dialogs/StripMenuText.h"

namespace {

constexpr char NoConflicts[] = "This hotkey has no conflicts.";
constexpr char MainMenuConflict[] =
    "This hotkey conflicts with the hotkey for a menu item that is not in the Tools menu. You may set this "
    "hotkey and resolve the conflict in the Options>>Hotkeys dialog box or you may choose another hotkey.";

bool HasHotkey(const ToolCommand& tool, int key, int modifiers) {
  return (tool.Hotkey.Key & 0xFF) == key && ModifiersOf(tool.Hotkey) == modifiers;
}

}  // namespace

HotkeyCheck CheckToolHotkey(const ToolList& tools, int current, int key, int modifiers, const HotkeyTable& main) {
  if (key == 0) return {false, NoConflicts};
  for (size_t i = 0; i < tools.size(); ++i)
    if (static_cast<int>(i) != current && HasHotkey(tools[i], key, modifiers))
      return {true, "This hotkey conflicts with the hotkey for " + StripMenuText(tools[i].MenuItemName) + "."};
  if (main.FindCommand(key, modifiers) != 0) return {true, MainMenuConflict};
  return {false, NoConflicts};
}

int FindConflictingTool(const ToolList& tools, const HotkeyTable& main) {
  for (size_t i = 0; i < tools.size(); ++i) {
    const int key = tools[i].Hotkey.Key & 0xFF;
    const int modifiers = ModifiersOf(tools[i].Hotkey);
    if (key == 0) continue;
    if (main.FindCommand(key, modifiers) != 0) return static_cast<int>(i);
    for (size_t j = i + 1; j < tools.size(); ++j)
      if (HasHotkey(tools[j], key, modifiers)) return static_cast<int>(i);
  }
  return -1;
}
