// The Editor Options dialog: fills its controls from the settings and takes them back on OK.
#include "editor/shell/win32/DialogControls.h"
#include "editor/shell/win32/EditorOptionsDialog.h"

#include "common/Paths.h"
#include "common/win32/OwnerCentring.h"
#include "editor/resources/resource.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/CommandLineOptions.h"
#include "editor/shell/TimeDateFormat.h"
#include "editor/shell/win32/CurrentTimeDate.h"

#include <algorithm>
#include <string>

namespace {

int NewLineButton(int newLineType) {
  if (newLineType == 1) return IDC_NEWLINE_CR;
  if (newLineType == 2) return IDC_NEWLINE_LF;
  return IDC_NEWLINE_CRLF;
}

int CheckedNewLineType(HWND dialog) {
  if (IsChecked(dialog, IDC_NEWLINE_CR)) return 1;
  if (IsChecked(dialog, IDC_NEWLINE_LF)) return 2;
  return 0;
}

void Fill(HWND dialog, const AppSettings& settings) {
  SetChecked(dialog, IDC_REMOVE_TRAILING_WHITESPACE, settings.RemoveTrailingWhitespaceOnSave);
  CheckRadioButton(dialog, IDC_NEWLINE_CRLF, IDC_NEWLINE_LF, NewLineButton(settings.NewLineType));
  SetDlgItemTextA(dialog, IDC_DEFAULT_EXTENTION, settings.DefaultExtention.c_str());
  SetDlgItemInt(dialog, IDC_MAX_RECENT_FILES, static_cast<UINT>(settings.RecentFiles.GetMax()), FALSE);
  SetChecked(dialog, IDC_SHOW_LINE_NUMBERS, settings.ShowLineNumbers);
  SetChecked(dialog, IDC_SHOW_WHITESPACE, settings.ShowWhitespace);
  SetChecked(dialog, IDC_AUTO_INDENT, settings.AutoIndent);
  SetChecked(dialog, IDC_TAB_INSERTS_SPACES, settings.TabInsertsSpaces);
  SetDlgItemInt(dialog, IDC_TAB_WIDTH, static_cast<UINT>(std::max(settings.TabWidth, 0)), FALSE);
  SetChecked(dialog, IDC_HIGHLIGHT_CARET_LINE, settings.HighlightCaretLine);
  SetDlgItemTextA(dialog, IDC_TIME_DATE_FORMAT, settings.TimeDateFormat.c_str());
}

// False, with the message shown and the focus on the field, when the extension is refused.
bool Store(HWND dialog, AppSettings& settings) {
  std::string extension = ControlText(dialog, IDC_DEFAULT_EXTENTION);
  extension.erase(std::remove(extension.begin(), extension.end(), '.'), extension.end());
  if (!IsValidExtension(extension)) {
    MessageBoxOver(dialog, InvalidExtensionMessage(extension), "Error", MB_OK | MB_ICONERROR);
    SetFocus(GetDlgItem(dialog, IDC_DEFAULT_EXTENTION));
    return false;
  }
  settings.DefaultExtention = extension;
  settings.RemoveTrailingWhitespaceOnSave = IsChecked(dialog, IDC_REMOVE_TRAILING_WHITESPACE);
  settings.NewLineType = CheckedNewLineType(dialog);
  settings.RecentFiles.SetMax(LeadingDecimal(ControlText(dialog, IDC_MAX_RECENT_FILES)));
  settings.ShowLineNumbers = IsChecked(dialog, IDC_SHOW_LINE_NUMBERS);
  settings.ShowWhitespace = IsChecked(dialog, IDC_SHOW_WHITESPACE);
  settings.AutoIndent = IsChecked(dialog, IDC_AUTO_INDENT);
  settings.TabInsertsSpaces = IsChecked(dialog, IDC_TAB_INSERTS_SPACES);
  settings.TabWidth = LeadingDecimal(ControlText(dialog, IDC_TAB_WIDTH));
  settings.HighlightCaretLine = IsChecked(dialog, IDC_HIGHLIGHT_CARET_LINE);
  settings.TimeDateFormat = ControlText(dialog, IDC_TIME_DATE_FORMAT);
  settings.Save();
  return true;
}

// The format as Insert Time/Date would insert it now, following every keystroke.
void UpdatePreview(HWND dialog) {
  const std::string preview = ExpandTimeDate(ControlText(dialog, IDC_TIME_DATE_FORMAT), CurrentTimeDateTexts());
  SetDlgItemTextA(dialog, IDC_TIME_DATE_PREVIEW, preview.c_str());
}

INT_PTR CALLBACK EditorOptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* settings = reinterpret_cast<AppSettings*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
  case WM_INITDIALOG:
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    Fill(dialog, *reinterpret_cast<AppSettings*>(lParam));
    UpdatePreview(dialog);
    CentreOnOwner(dialog);
    return TRUE;
  case WM_COMMAND:
    switch (LOWORD(wParam)) {
    case IDC_TIME_DATE_FORMAT:
      if (HIWORD(wParam) == EN_CHANGE) UpdatePreview(dialog);
      return TRUE;
    case IDOK:
      if (settings && Store(dialog, *settings)) EndDialog(dialog, IDOK);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    return FALSE;
  case WM_HELP:
    return TRUE;
  default:
    return FALSE;
  }
}

}  // namespace

bool RunEditorOptionsDialog(HINSTANCE instance, HWND owner, AppSettings& settings) {
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_EDITOR_OPTIONS), owner, EditorOptionsProc,
                         reinterpret_cast<LPARAM>(&settings)) == IDOK;
}
