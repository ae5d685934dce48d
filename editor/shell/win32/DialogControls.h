// Reading and setting the controls of the editor's dialogs by id.
#pragma once

#include "common/win32/OwnerCentring.h"
#include "common/win32/WinApi.h"

#include <string>
#include <vector>

std::string ControlText(HWND dialog, int id);
// The control's text as UTF-8, every character kept, also those the code page lacks.
std::string ControlTextUtf8(HWND dialog, int id);
// Shows UTF-8 text as its characters.
void SetControlTextUtf8(HWND dialog, int id, const std::string& text);
void SetChecked(HWND dialog, int id, bool checked);
bool IsChecked(HWND dialog, int id);

// List boxes and drop-down lists: the selection (-1 none), items with data, whole refills.
int ListSelection(HWND dialog, int id);
// Empties the list box and adds the texts in order, with its redraw off meanwhile.
void FillList(HWND dialog, int id, const std::vector<std::string>& texts);
// The item's text replaced, its selection kept.
void ReplaceListItem(HWND dialog, int id, int index, const std::string& text);
void AddComboItem(HWND dialog, int id, const std::string& text, int data);
// Selects the item with this data; none when no item has it.
void SelectComboData(HWND dialog, int id, int data);
// The data of the selected item, or fallback when none is selected.
int ComboSelectionData(HWND dialog, int id, int fallback);

template <class Ids> void EnableControls(HWND dialog, const Ids& ids, bool enable) {
  for (int id : ids) EnableWindow(GetDlgItem(dialog, id), enable);
}
template <class Ids> void ShowControls(HWND dialog, const Ids& ids, bool show) {
  for (int id : ids) ShowWindow(GetDlgItem(dialog, id), show ? SW_SHOWNA : SW_HIDE);
}

// A page of a property sheet from dialog template templateId, with the sheet's help button;
// object reaches procedure's WM_INITDIALOG as the page's lParam.
PROPSHEETPAGEA SheetPage(HINSTANCE instance, int templateId, DLGPROC procedure, void* object);

// The procedure of a modal dialog that an object runs: the object comes as WM_INITDIALOG's
// lParam, gets Start(dialog), then every later message through Handle(message, wParam). The
// dialog opens centred over its owner.
template <class Object>
INT_PTR CALLBACK ObjectDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    reinterpret_cast<Object*>(lParam)->Start(dialog);
    CentreOnOwner(dialog);
    return TRUE;
  }
  auto* object = reinterpret_cast<Object*>(GetWindowLongPtrA(dialog, DWLP_USER));
  return object ? object->Handle(message, wParam) : FALSE;
}
