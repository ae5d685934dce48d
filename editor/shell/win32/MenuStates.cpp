// The menu's enabled and checked states, computed when the menu bar or the view's context
// menu opens, and the hotkey texts behind the items.
#include "editor/resources/resource.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/win32/MainWindow.h"

namespace {

// Searching needs no text and no editable view: Find, Replace, Find Next, Find Previous,
// Goto Line and Match Brace are always offered (the Replace buttons follow the read-only
// state instead; Match Brace beeps where the caret has no brace beside it).
constexpr unsigned SearchCommands[] = {ID_SEARCH_FIND, ID_SEARCH_REPLACE, ID_SEARCH_FIND_NEXT,
                                       ID_SEARCH_FIND_PREVIOUS, ID_SEARCH_GOTO_LINE, ID_SEARCH_MATCH_BRACE};
constexpr unsigned CaseCommands[] = {ID_EDIT_LOWER_CASE, ID_EDIT_UPPER_CASE, ID_EDIT_TITLE_CASE,
                                     ID_EDIT_TOGGLE_CASE};

void Enable(HMENU menu, unsigned id, bool enabled) {
  EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

void MainWindow::OnInitMenu(HMENU menu) {
  if (!menu) return;
  Enable(menu, ID_FILE_SAVE, View.IsModified());
  CheckMenuItem(menu, ID_OPTIONS_WORD_WRAP, MF_BYCOMMAND | (View.GetWordWrap() ? MF_CHECKED : MF_UNCHECKED));
  BuildRecentPopup();
  for (unsigned id : SearchCommands) Enable(menu, id, true);
  UpdateToolStates(menu);
  UpdateEditStates(menu);
}

void MainWindow::UpdateEditStates(HMENU menu) {
  const bool editable = ViewIsEditable();
  const bool hasSelection = View.HasSelection();
  Enable(menu, ID_EDIT_UNDO, editable && View.CanUndo());
  Enable(menu, ID_EDIT_REDO, editable && View.CanRedo());
  Enable(menu, ID_EDIT_CUT, View.CanEdit());
  Enable(menu, ID_EDIT_COPY, View.HasText());
  Enable(menu, ID_EDIT_PASTE, View.CanPaste());
  Enable(menu, ID_EDIT_DELETE, editable && hasSelection);
  Enable(menu, ID_EDIT_SELECT_ALL, View.Length() > 0);
  Enable(menu, ID_EDIT_LAST_CLIPBOARD, Clipboards.HasPrevious());
  Enable(menu, ID_EDIT_SWITCH_CLIPBOARD, CanSwitchClipboard());
  Enable(menu, ID_EDIT_INSERT_TIME_DATE, editable);
  for (unsigned id : CaseCommands) Enable(menu, id, editable && hasSelection);
}

// The tools' texts are written with their popup (BuildToolsMenu).
void MainWindow::WriteHotkeyTexts() {
  HMENU menu = GetMenu(Handle);
  Settings.Hotkeys.UpdateMenuText(menu);
  if (ContextMenu) Settings.Hotkeys.UpdateMenuText(ContextMenu);
  DrawMenuBar(Handle);
}
