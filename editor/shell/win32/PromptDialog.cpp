// The Prompt dialog: a label, an empty field and OK/Cancel.
#include "editor/shell/win32/PromptDialog.h"

#include "common/win32/OwnerCentring.h"
#include "editor/resources/resource.h"
#include "editor/shell/PromptLabel.h"
#include "editor/shell/win32/DialogControls.h"

namespace {

struct PromptState {
  std::string Message;
  std::string Answer;
};

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    const auto* state = reinterpret_cast<PromptState*>(lParam);
    SetDlgItemTextA(dialog, IDC_PROMPT_MESSAGE, PromptLabel(state->Message).c_str());
    CentreOnOwner(dialog);
    return TRUE;  // the field, first in the tab order, takes the focus
  }
  auto* state = reinterpret_cast<PromptState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!state || message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
  case IDOK:
    state->Answer = ControlText(dialog, IDC_PROMPT_TEXT);
    EndDialog(dialog, IDOK);
    return TRUE;
  case IDCANCEL:
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  default:
    return FALSE;
  }
}

}  // namespace

std::string RunPromptDialog(HWND owner, const std::string& message) {
  PromptState state;
  state.Message = message;
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROMPT), owner, PromptProc,
                  reinterpret_cast<LPARAM>(&state));
  return state.Answer;
}
