// Tools > Edit Tools and Options > Hotkeys on the main window, and the menus they change.
#include "editor/dialogs/win32/HotkeysEditor.h"
#include "editor/dialogs/win32/ToolsEditor.h"
#include "editor/resources/resource.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/win32/MainWindow.h"

void MainWindow::EditTools() {
  if (!RunToolsEditor(Instance, Handle, Settings, currentPath)) return;
  BuildToolsMenu();
  DrawMenuBar(Handle);
}

// Recent files are not commands one gives a hotkey to: the editor sees the File menu with an
// empty Recent submenu, which the next opening of the menu fills again.
void MainWindow::EditHotkeys() {
  HMENU menu = GetMenu(Handle);
  HMENU file = GetSubMenu(menu, MENU_POS_FILE);
  char text[64] = "";
  GetMenuStringA(file, MENU_POS_FILE_RECENT, text, sizeof text, MF_BYPOSITION);
  ModifyMenuA(file, MENU_POS_FILE_RECENT, MF_BYPOSITION | MF_POPUP | MF_STRING,
              reinterpret_cast<UINT_PTR>(CreatePopupMenu()), text);
  const bool confirmed = RunHotkeysEditor(Instance, Handle, Settings, menu);
  BuildRecentPopup();
  if (!confirmed) return;
  Settings.ToolHotkeys.UpdateMenuText(menu);
  WriteHotkeyTexts();
}
