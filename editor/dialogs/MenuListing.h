// The Hotkeys editor's list: every item of a menu tree with its path and hotkey, one line each.
#pragma once

#include "common/HotkeyTable.h"
#include "editor/dialogs/HotkeyItems.h"

#include <string>
#include <vector>

// One position of a menu, read from the platform's menu: a separator, a command item or an
// item that opens the submenu in Children.
struct MenuNode {
  unsigned Id = 0;
  std::string Text;  // as the menu shows it: "&" marks, a tab before the hotkey text
  bool IsSeparator = false;
  bool IsPopup = false;
  std::vector<MenuNode> Children;
};

struct MenuListing {
  std::vector<HotkeyItem> Items;
  std::vector<std::string> Lines;  // the list box's lines, one per item
};

// Appends the menu's items, separators skipped, each followed by its submenu's items indented
// by four more blanks. An item's hotkey comes from the main table, else from the tools table.
void ListMenu(const std::vector<MenuNode>& menu, const std::string& parentPath, const std::string& indent,
              const HotkeyTable& main, const HotkeyTable& tools, MenuListing& listing);

// A list line with its parenthesised hotkey replaced by hotkeyText, or dropped when that is empty.
std::string LineWithHotkey(const std::string& line, const std::string& hotkeyText);
