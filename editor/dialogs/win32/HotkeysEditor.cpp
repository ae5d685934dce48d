// The Hotkeys editor: the whole menu as an indented list, one hotkey control for the selected
// item, and a refusal of any hotkey that another item already has.
#include "editor/dialogs/win32/HotkeysEditor.h"

#include "common/win32/KeyNames.h"
#include "common/win32/OwnerCentring.h"
#include "editor/dialogs/HotkeyItems.h"
#include "editor/dialogs/MenuListing.h"
#include "editor/dialogs/win32/HotkeyControl.h"
#include "editor/dialogs/win32/ListBoxLines.h"
#include "editor/dialogs/win32/MenuTree.h"
#include "editor/resources/resource.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/win32/DialogControls.h"

namespace {

constexpr int NoItem = -1;

class HotkeysEditor {
public:
  HotkeysEditor(AppSettings& settings, HMENU menu) : Settings(settings), Menu(menu) {}

  void Start(HWND dialog);
  INT_PTR Handle(UINT message, WPARAM wParam);

private:
  bool ApplyHotkey();
  void OnSelectionChange();
  void Confirm();

  AppSettings& Settings;
  HMENU Menu;
  HWND Dialog = nullptr;
  MenuListing Listing;
  int Current = NoItem;  // the item whose hotkey the control shows
};

void HotkeysEditor::Start(HWND dialog) {
  Dialog = dialog;
  ListMenu(ReadMenuTree(Menu), "", "", Settings.Hotkeys, Settings.ToolHotkeys, Listing);
  FillListBox(Dialog, IDC_MENU_ITEMS, Listing.Lines);
  SelectListBoxLine(Dialog, IDC_MENU_ITEMS, 0);
  OnSelectionChange();
}

// Takes the control's hotkey into the current item, then lets the selection move unless that
// hotkey belongs to another item too. Moving onto the very item it collides with is allowed,
// so that the user can go and change that one.
bool HotkeysEditor::ApplyHotkey() {
  const int selected = ListBoxSelection(Dialog, IDC_MENU_ITEMS);
  if (Current != NoItem) {
    HotkeyItem& item = Listing.Items[static_cast<size_t>(Current)];
    if (item.IsCommand) {
      int key = 0;
      int modifiers = 0;
      GetHotkeyControl(Dialog, IDC_HOTKEY, key, modifiers);
      item.Key = static_cast<uint8_t>(key);
      item.Modifiers = static_cast<uint8_t>(modifiers);
      std::string& line = Listing.Lines[static_cast<size_t>(Current)];
      line = LineWithHotkey(line, HotkeyText(key, modifiers));
      ReplaceListBoxLine(Dialog, IDC_MENU_ITEMS, Current, line);
    }
    const int other = FindHotkeyConflict(Listing.Items, Current);
    if (other != NoItem && other != selected) {
      const std::string text =
          "This hotkey conflicts with the hotkey for '" + Listing.Items[static_cast<size_t>(other)].Path + "'.";
      MessageBoxOver(Dialog, text, "Error", MB_OK | MB_ICONERROR);
      SelectListBoxLine(Dialog, IDC_MENU_ITEMS, Current);
      return false;
    }
  }
  Current = selected;
  return true;
}

void HotkeysEditor::OnSelectionChange() {
  if (!ApplyHotkey() || Current == NoItem) return;
  const HotkeyItem& item = Listing.Items[static_cast<size_t>(Current)];
  SetHotkeyControl(Dialog, IDC_HOTKEY, item.Key, item.Modifiers);
  EnableWindow(GetDlgItem(Dialog, IDC_HOTKEY), item.IsCommand);
}

void HotkeysEditor::Confirm() {
  if (!ApplyHotkey()) return;
  ApplyHotkeyItems(Listing.Items, Settings.Tools, Settings.Hotkeys, Settings.ToolHotkeys);
  Settings.Save();
  EndDialog(Dialog, IDOK);
}

INT_PTR HotkeysEditor::Handle(UINT message, WPARAM wParam) {
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
  case IDC_MENU_ITEMS:
    if (HIWORD(wParam) == LBN_SELCHANGE) OnSelectionChange();
    break;
  case IDOK: Confirm(); break;
  case IDCANCEL: EndDialog(Dialog, IDCANCEL); break;
  }
  return TRUE;
}

}  // namespace

bool RunHotkeysEditor(HINSTANCE instance, HWND owner, AppSettings& settings, HMENU menu) {
  HotkeysEditor editor(settings, menu);
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_HOTKEYS), owner, ObjectDialogProc<HotkeysEditor>,
                         reinterpret_cast<LPARAM>(&editor)) == IDOK;
}
