#include "editor/shell/win32/DialogControls.h"

#include "common/TextEncoding.h"

std::string ControlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(control, &text[0], static_cast<int>(text.size()))));
  return text;
}

std::string ControlTextUtf8(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  std::wstring wide(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  wide.resize(static_cast<size_t>(GetWindowTextW(control, &wide[0], static_cast<int>(wide.size()))));
  std::size_t replaced = 0;
  return Utf8FromUtf16(std::u16string(wide.begin(), wide.end()), replaced);
}

void SetControlTextUtf8(HWND dialog, int id, const std::string& text) {
  std::size_t replaced = 0;
  const std::u16string units = Utf16FromUtf8(text, replaced);
  SetDlgItemTextW(dialog, id, std::wstring(units.begin(), units.end()).c_str());
}

void SetChecked(HWND dialog, int id, bool checked) {
  CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool IsChecked(HWND dialog, int id) {
  return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

int ListSelection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0));
}

void FillList(HWND dialog, int id, const std::vector<std::string>& texts) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& text : texts) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void ReplaceListItem(HWND dialog, int id, int index, const std::string& text) {
  HWND list = GetDlgItem(dialog, id);
  if (index < 0 || index >= static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0))) return;
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void AddComboItem(HWND dialog, int id, const std::string& text, int data) {
  const LRESULT index = SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendDlgItemMessageA(dialog, id, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void SelectComboData(HWND dialog, int id, int data) {
  const int count = static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
  int found = -1;
  for (int i = 0; i < count && found < 0; ++i)
    if (static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) == data) found = i;
  SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

int ComboSelectionData(HWND dialog, int id, int fallback) {
  const LRESULT selected = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return fallback;
  return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
}

PROPSHEETPAGEA SheetPage(HINSTANCE instance, int templateId, DLGPROC procedure, void* object) {
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_HASHELP;
  page.hInstance = instance;
  page.pszTemplate = MAKEINTRESOURCEA(templateId);
  page.pfnDlgProc = procedure;
  page.lParam = reinterpret_cast<LPARAM>(object);
  return page;
}
