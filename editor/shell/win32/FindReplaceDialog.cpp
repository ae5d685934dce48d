// The Find and Replace dialog: its two layouts, its button rules, the request it builds on
// every button press and the one hotkey it takes over from the main window.
#include "editor/shell/win32/DialogControls.h"
#include "common/win32/OwnerCentring.h"
#include "editor/shell/win32/FindReplaceDialog.h"

#include "common/HotkeyTable.h"
#include "editor/resources/resource.h"
#include "editor/shell/SearchRequest.h"
#include "editor/shell/win32/AnsiCodePage.h"

namespace {

constexpr int ActionFind = 0;
constexpr int ActionReplace = 1;
constexpr int ActionReplaceAll = 2;
// How much higher the Find layout puts the check boxes, and how much shorter it is.
constexpr int FindModeShift = 24;

void Hide(HWND dialog, int id) {
  ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
}

void Enable(HWND dialog, int id, bool enabled) {
  EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

// A control's rectangle in the dialog's client coordinates.
RECT ControlRect(HWND dialog, int id) {
  RECT rect;
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void MoveControl(HWND dialog, int id, int x, int y) {
  SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveUp(HWND dialog, int id, int pixels) {
  const RECT rect = ControlRect(dialog, id);
  MoveControl(dialog, id, rect.left, rect.top - pixels);
}

void FillHistory(HWND dialog, int id, const StringList& history) {
  HWND combo = GetDlgItem(dialog, id);
  for (const std::string& entry : history) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

// The current state of Shift, Ctrl and Alt as hotkey modifiers.
int HeldModifiers() {
  int modifiers = 0;
  if (GetKeyState(VK_SHIFT) < 0) modifiers |= ShiftModifier;
  if (GetKeyState(VK_CONTROL) < 0) modifiers |= ControlModifier;
  if (GetKeyState(VK_MENU) < 0) modifiers |= AltModifier;
  return modifiers;
}

}  // namespace

FindReplaceDialog::FindReplaceDialog(SearchRequest& request, const HotkeyTable& hotkeys)
    : Request(request), Hotkeys(hotkeys) {}

FindReplaceDialog::~FindReplaceDialog() {
  Close();
}

UINT FindReplaceDialog::RequestMessage() {
  static const UINT message = RegisterWindowMessageA("Quilvane_FindReplaceDlg");
  return message;
}

bool FindReplaceDialog::Open(HINSTANCE instance, HWND owner, bool findModeWanted, const std::string& text,
                             bool readOnlyView, bool utf8Document) {
  Close();
  utf8 = utf8Document;
  Owner = owner;
  findMode = findModeWanted;
  initialText = text;
  readOnly = readOnlyView;
  firstRequest = true;
  if (!Hotkeys.GetHotkey(ID_EDIT_SWITCH_CLIPBOARD, switchKey, switchModifiers)) switchKey = 0;
  CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_FIND), owner, DialogProc, reinterpret_cast<LPARAM>(this));
  if (!Handle) return false;
  ShowWindow(Handle, SW_SHOW);
  return true;
}

void FindReplaceDialog::Close() {
  if (Handle) DestroyWindow(Handle);
}

void FindReplaceDialog::SetReadOnly(bool readOnlyView) {
  readOnly = readOnlyView;
  if (Handle) UpdateButtons();
}

bool FindReplaceDialog::PreTranslate(MSG& message) {
  if (!Handle || (message.hwnd != Handle && !IsChild(Handle, message.hwnd))) return false;
  if (IsSwitchClipboardKey(message)) {
    SendMessageA(Owner, WM_COMMAND, MAKEWPARAM(ID_EDIT_SWITCH_CLIPBOARD, 0), 0);
    return true;
  }
  return IsDialogMessageW(Handle, &message) != FALSE;
}

bool FindReplaceDialog::IsSwitchClipboardKey(const MSG& message) const {
  if (switchKey == 0 || (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)) return false;
  return static_cast<int>(message.wParam & 0xFF) == switchKey && HeldModifiers() == switchModifiers;
}

INT_PTR CALLBACK FindReplaceDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    reinterpret_cast<FindReplaceDialog*>(lParam)->Handle = window;
  }
  auto* self = reinterpret_cast<FindReplaceDialog*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!self || self->Handle != window) return FALSE;
  return self->HandleMessage(message, wParam, lParam);
}

INT_PTR FindReplaceDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
  case WM_INITDIALOG:
    Initialise();
    return TRUE;
  case WM_COMMAND:
    OnCommand(LOWORD(wParam), HIWORD(wParam));
    return TRUE;
  case WM_CLOSE:
    Close();
    return TRUE;
  case WM_HELP:
    SetWindowLongPtrA(Handle, DWLP_MSGRESULT, TRUE);
    return TRUE;
  case WM_NCDESTROY:
    Handle = nullptr;
    return FALSE;
  default:
    return FALSE;
  }
}

void FindReplaceDialog::Initialise() {
  if (findMode) {
    ApplyFindModeLayout();
  } else {
    SetWindowTextA(Handle, "Replace");
    Hide(Handle, IDC_CLOSE_ON_FIND);
    FillHistory(Handle, IDC_REPLACE_TEXT, Request.replaceHistory);
  }
  FillHistory(Handle, IDC_FIND_TEXT, Request.findHistory);
  FillChecks();
  if (utf8) SetControlTextUtf8(Handle, IDC_FIND_TEXT, initialText);
  else SetDlgItemTextA(Handle, IDC_FIND_TEXT, initialText.c_str());
  SendDlgItemMessageA(Handle, IDC_FIND_TEXT, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  UpdateButtons();
  // Opened over the text's window, not at the screen's corner; a match it then covers
  // moves it away.
  CentreOnOwner(Handle);
}

void FindReplaceDialog::ApplyFindModeLayout() {
  SetWindowTextA(Handle, "Find");
  for (int id : {IDC_SELECTION_ONLY, IDC_REPLACE_LABEL, IDC_REPLACE_TEXT, IDC_REPLACE_BUTTON, IDC_REPLACE_ALL_BUTTON})
    Hide(Handle, id);
  const RECT replace = ControlRect(Handle, IDC_REPLACE_BUTTON);
  MoveControl(Handle, IDCANCEL, replace.left, replace.top);
  for (int id : {IDC_MATCH_CASE, IDC_WHOLE_WORD, IDC_SEARCH_UP, IDC_CLOSE_ON_FIND, IDC_ALLOW_ESCAPES,
                 IDC_ESCAPE_NOTE_NEWLINE, IDC_ESCAPE_NOTE_TAB, IDC_ESCAPE_NOTE_BACKSLASH})
    MoveUp(Handle, id, FindModeShift);
  RECT frame;
  GetWindowRect(Handle, &frame);
  SetWindowPos(Handle, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top - FindModeShift,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FindReplaceDialog::FillChecks() {
  SetChecked(Handle, IDC_MATCH_CASE, (Request.flags & SearchMatchCase) != 0);
  SetChecked(Handle, IDC_WHOLE_WORD, (Request.flags & SearchWholeWord) != 0);
  SetChecked(Handle, IDC_SEARCH_UP, findMode && (Request.flags & SearchBackwards) != 0);
  SetChecked(Handle, IDC_SELECTION_ONLY, Request.selectionOnly);
  SetChecked(Handle, IDC_CLOSE_ON_FIND, Request.closeDialogOnFind);
  SetChecked(Handle, IDC_ALLOW_ESCAPES, Request.allowEscapes);
}

// A selection-only request can only replace all: Find and Replace wait until it is off.
void FindReplaceDialog::UpdateButtons() {
  const bool hasText = GetWindowTextLengthA(GetDlgItem(Handle, IDC_FIND_TEXT)) > 0;
  const bool selectionOnly = !findMode && IsChecked(Handle, IDC_SELECTION_ONLY);
  Enable(Handle, IDC_FIND_BUTTON, hasText && !selectionOnly);
  Enable(Handle, IDC_REPLACE_BUTTON, hasText && !selectionOnly && !readOnly);
  Enable(Handle, IDC_REPLACE_ALL_BUTTON, hasText && !readOnly);
}

void FindReplaceDialog::OnCommand(int id, int code) {
  switch (id) {
  case IDC_FIND_TEXT:
    if (code == CBN_SELCHANGE) OnFindComboPicked();
    if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE) UpdateButtons();
    break;
  case IDC_SELECTION_ONLY:
    if (code == BN_CLICKED) UpdateButtons();
    break;
  case IDC_FIND_BUTTON: Press(ActionFind); break;
  case IDC_REPLACE_BUTTON: Press(ActionReplace); break;
  case IDC_REPLACE_ALL_BUTTON: Press(ActionReplaceAll); break;
  case IDCANCEL: Close(); break;
  default: break;
  }
}

// The combo shows a picked entry only after this notification; the button rules need it now.
void FindReplaceDialog::OnFindComboPicked() {
  HWND combo = GetDlgItem(Handle, IDC_FIND_TEXT);
  const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return;
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return;
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
  SetWindowTextA(combo, text.c_str());
}

// A hidden close-on-find dialog goes only after the owner has run the request, so that the
// request's message boxes belong to the main window.
void FindReplaceDialog::Press(int action) {
  if (!IsWindowEnabled(GetDlgItem(Handle, action == ActionFind      ? IDC_FIND_BUTTON
                                          : action == ActionReplace ? IDC_REPLACE_BUTTON
                                                                    : IDC_REPLACE_ALL_BUTTON)))
    return;
  TakeRequest(action);
  const HWND window = Handle;
  const bool hide = findMode && Request.closeDialogOnFind;
  if (hide) ShowWindow(window, SW_HIDE);
  SendMessageA(Owner, RequestMessage(), 0, 0);
  if (hide && Handle == window) Close();
}

// The text in the document's form: a UTF-8 document is searched for every character typed,
// also those the ANSI code page lacks.
std::string FindReplaceDialog::FieldText(int id) const {
  return utf8 ? ControlTextUtf8(Handle, id) : ControlText(Handle, id);
}

// The histories are stored in the settings file, in the ANSI code page, and shown to every
// document alike: UTF-8 text is remembered in the code page's form, and only when that
// form holds all of its characters.
void FindReplaceDialog::Remember(StringList& history, const std::string& text) const {
  if (!utf8) {
    AddToHistory(history, text);
    return;
  }
  const AnsiConversion ansi = AnsiFromUtf8(text);
  if (ansi.lostCount == 0) AddToHistory(history, ansi.text);
}

void FindReplaceDialog::TakeRequest(int action) {
  std::string find = FieldText(IDC_FIND_TEXT);
  Remember(Request.findHistory, find);
  std::string replace = Request.replaceText;
  if (!findMode) {
    replace = FieldText(IDC_REPLACE_TEXT);
    Remember(Request.replaceHistory, replace);
  }
  Request.flags = IsChecked(Handle, IDC_MATCH_CASE) ? SearchMatchCase : SearchIgnoreCase;
  if (IsChecked(Handle, IDC_WHOLE_WORD)) Request.flags |= SearchWholeWord;
  if (IsChecked(Handle, IDC_SEARCH_UP)) Request.flags |= SearchBackwards;
  Request.selectionOnly = IsChecked(Handle, IDC_SELECTION_ONLY);
  Request.closeDialogOnFind = IsChecked(Handle, IDC_CLOSE_ON_FIND);
  Request.allowEscapes = IsChecked(Handle, IDC_ALLOW_ESCAPES);
  if (Request.allowEscapes) {
    find = ConvertEscapes(find);
    if (!findMode) replace = ConvertEscapes(replace);
  }
  Request.findText = find;
  Request.replaceText = replace;
  Request.doFind = action == ActionFind || action == ActionReplace;
  Request.doReplace = action == ActionReplace;
  Request.doReplaceAll = action == ActionReplaceAll;
  Request.newSearch = firstRequest;
  firstRequest = false;
}
