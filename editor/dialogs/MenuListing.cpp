// Lists a menu tree for the Hotkeys editor: paths joined with ">>", hotkeys in parentheses.
#include "editor/dialogs/MenuListing.h"

#include "editor/dialogs/StripMenuText.h"

namespace {

constexpr size_t MaxMenuText = 256;  // what the platform's menu string query gives at most

HotkeyItem ItemOf(const MenuNode& node, const std::string& path, const HotkeyTable& main,
                  const HotkeyTable& tools) {
  HotkeyItem item;
  item.CommandId = node.Id;
  item.IsCommand = !node.IsPopup;
  item.Path = path;
  int key = 0;
  int modifiers = 0;
  // A submenu's item runs no command, so no entry can be its hotkey.
  if (!node.IsPopup && (main.GetHotkey(static_cast<uint16_t>(node.Id), key, modifiers) ||
                        tools.GetHotkey(static_cast<uint16_t>(node.Id), key, modifiers))) {
    item.Key = static_cast<uint8_t>(key);
    item.Modifiers = static_cast<uint8_t>(modifiers);
  }
  return item;
}

// "Open<tab>Ctrl+O" shows as "Open (Ctrl+O)".
std::string LineOf(const std::string& indent, const std::string& text) {
  const size_t tab = text.find('\t');
  if (tab == std::string::npos) return indent + text;
  return indent + text.substr(0, tab) + " (" + text.substr(tab + 1) + ")";
}

}  // namespace

void ListMenu(const std::vector<MenuNode>& menu, const std::string& parentPath, const std::string& indent,
              const HotkeyTable& main, const HotkeyTable& tools, MenuListing& listing) {
  for (const MenuNode& node : menu) {
    if (node.IsSeparator) continue;
    const std::string text = StripMenuText(node.Text.substr(0, MaxMenuText));
    const std::string name = text.substr(0, text.find('\t'));
    const std::string path = parentPath.empty() ? name : parentPath + ">>" + name;
    listing.Lines.push_back(LineOf(indent, text));
    listing.Items.push_back(ItemOf(node, path, main, tools));
    if (node.IsPopup) ListMenu(node.Children, path, indent + "    ", main, tools, listing);
  }
}

std::string LineWithHotkey(const std::string& line, const std::string& hotkeyText) {
  std::string cut = line;
  const size_t open = cut.find('(');
  if (open != std::string::npos) cut.erase(open > 0 && cut[open - 1] == ' ' ? open - 1 : open);
  if (hotkeyText.empty()) return cut;
  return cut + " (" + hotkeyText + ")";
}
