// The Tools popup: one item per tool above the separator, each with an id from the pool and
// its hotkey text, and the items' states.
#include "editor/resources/resource.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/ToolEnabled.h"
#include "editor/shell/win32/MainWindow.h"

void MainWindow::BuildToolsMenu() {
  for (unsigned id : ToolIds) CommandIds.Release(id);
  ToolIds.clear();
  HMENU resource = LoadMenuA(Instance, MAKEINTRESOURCEA(IDR_MAINMENU));
  if (!resource) return;
  HMENU popup = GetSubMenu(resource, MENU_POS_TOOLS);
  RemoveMenu(resource, MENU_POS_TOOLS, MF_BYPOSITION);  // detaches the popup without destroying it
  DestroyMenu(resource);
  for (size_t index = 0; index < Settings.Tools.size(); ++index) {
    ToolCommand& tool = Settings.Tools[index];
    const unsigned id = CommandIds.Allocate();
    ToolIds.push_back(id);
    tool.Hotkey.Command = static_cast<uint16_t>(id);
    InsertMenuA(popup, static_cast<UINT>(index), MF_BYPOSITION | MF_STRING, id, tool.MenuItemName.c_str());
  }
  FillToolsHotkeyTable(Settings.Tools, Settings.ToolHotkeys);
  Settings.ToolHotkeys.UpdateMenuText(popup);
  HMENU menu = GetMenu(Handle);
  char text[64] = "";
  GetMenuStringA(menu, MENU_POS_TOOLS, text, sizeof text, MF_BYPOSITION);
  // Replacing the item destroys the popup it held.
  ModifyMenuA(menu, MENU_POS_TOOLS, MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), text);
}

// A tool is offered for the document's extension; a filter also needs a text it may change.
bool MainWindow::ToolOffered(const ToolCommand& tool) const {
  return ToolEnabled(tool, currentPath) && (!tool.IsFilter || ViewIsEditable());
}

void MainWindow::UpdateToolStates(HMENU menu) {
  for (const ToolCommand& tool : Settings.Tools)
    EnableMenuItem(menu, tool.Hotkey.Command, MF_BYCOMMAND | (ToolOffered(tool) ? MF_ENABLED : MF_GRAYED));
}
