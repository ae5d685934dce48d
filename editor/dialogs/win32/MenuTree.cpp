// Reads a menu's items, their texts, ids and submenus, position by position.
#include "editor/dialogs/win32/MenuTree.h"

namespace {

constexpr int MaxMenuText = 256;

MenuNode ReadItem(HMENU menu, int position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
  GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
  MenuNode node;
  node.IsSeparator = (info.fType & MFT_SEPARATOR) != 0;
  node.IsPopup = info.hSubMenu != nullptr;
  node.Id = node.IsPopup ? 0 : info.wID;
  char text[MaxMenuText + 1] = "";
  const int length = GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  node.Text.assign(text, length > 0 ? static_cast<size_t>(length) : 0);
  if (node.IsPopup) node.Children = ReadMenuTree(info.hSubMenu);
  return node;
}

}  // namespace

std::vector<MenuNode> ReadMenuTree(HMENU menu) {
  std::vector<MenuNode> nodes;
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) nodes.push_back(ReadItem(menu, position));
  return nodes;
}
