// The Goto Line dialog: OK is offered once something is typed, and a field without a
// number is refused with a message while the dialog stays open.
#include "editor/shell/win32/GotoDialog.h"

#include "common/win32/OwnerCentring.h"
#include "editor/resources/resource.h"
#include "editor/shell/GotoLine.h"

#include <cstdio>
#include <string>

namespace {

struct GotoState {
  int LineCount = 0;
  int Number = 0;
};

std::string FieldText(HWND dialog) {
  HWND field = GetDlgItem(dialog, IDC_GOTO_LINE);
  std::string text(static_cast<size_t>(GetWindowTextLengthA(field)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(field, &text[0], static_cast<int>(text.size()))));
  return text;
}

void Initialise(HWND dialog, const GotoState& state) {
  char format[128] = {};
  GetDlgItemTextA(dialog, IDC_GOTO_LABEL, format, sizeof format);
  char label[160];
  std::snprintf(label, sizeof label, format, state.LineCount);
  SetDlgItemTextA(dialog, IDC_GOTO_LABEL, label);
  EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
  CentreOnOwner(dialog);
}

void Accept(HWND dialog, GotoState& state) {
  const std::string field = FieldText(dialog);
  if (!ParseGotoLine(field, state.Number)) {
    MessageBoxOver(dialog, InvalidLineNumberMessage(field), "Error", MB_OK | MB_ICONERROR);
    HWND control = GetDlgItem(dialog, IDC_GOTO_LINE);
    SetFocus(control);
    SendMessageA(control, EM_SETSEL, 0, -1);
    return;
  }
  EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK GotoProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    Initialise(dialog, *reinterpret_cast<GotoState*>(lParam));
    return TRUE;
  }
  auto* state = reinterpret_cast<GotoState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!state || message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
  case IDC_GOTO_LINE:
    if (HIWORD(wParam) == EN_CHANGE)
      EnableWindow(GetDlgItem(dialog, IDOK), GetWindowTextLengthA(GetDlgItem(dialog, IDC_GOTO_LINE)) > 0);
    return TRUE;
  case IDOK:
    // Enter reaches here even while OK is grey.
    if (IsWindowEnabled(GetDlgItem(dialog, IDOK))) Accept(dialog, *state);
    return TRUE;
  case IDCANCEL:
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  default:
    return FALSE;
  }
}

}  // namespace

bool RunGotoDialog(HINSTANCE instance, HWND owner, int lineCount, int& number) {
  GotoState state;
  state.LineCount = lineCount;
  const INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_GOTO), owner, GotoProc,
                                         reinterpret_cast<LPARAM>(&state));
  number = state.Number;
  return result == IDOK;
}
