// The save dialog's added lists live in a child dialog of the explorer-style dialog; its hook
// fills them and reads them back when the user confirms.
#include "editor/shell/win32/SaveAsDialog.h"

#include "editor/resources/resource.h"
#include "editor/shell/win32/DialogControls.h"

#include <algorithm>

namespace {

constexpr size_t DialogPathSize = 4096;

const TextEncoding OfferedEncodings[] = {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf8Bom,
                                         TextEncoding::Utf16Le, TextEncoding::Utf16Be};
const int OfferedNewLineTypes[] = {0, 2, 1};

void FillFormatLists(HWND dialog, const DocumentFormat& format) {
  for (const TextEncoding encoding : OfferedEncodings)
    AddComboItem(dialog, IDC_SAVE_ENCODING, EncodingName(encoding), static_cast<int>(encoding));
  SelectComboData(dialog, IDC_SAVE_ENCODING, static_cast<int>(format.encoding));
  for (const int newLineType : OfferedNewLineTypes)
    AddComboItem(dialog, IDC_SAVE_NEWLINE, NewLineTypeName(newLineType), newLineType);
  SelectComboData(dialog, IDC_SAVE_NEWLINE, format.newLineType);
}

void ReadFormatLists(HWND dialog, DocumentFormat& format) {
  format.encoding = static_cast<TextEncoding>(
      ComboSelectionData(dialog, IDC_SAVE_ENCODING, static_cast<int>(format.encoding)));
  format.newLineType = ComboSelectionData(dialog, IDC_SAVE_NEWLINE, format.newLineType);
}

UINT_PTR CALLBACK SaveFormatHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* file = reinterpret_cast<const OPENFILENAMEW*>(lParam);
    SetWindowLongPtrA(dialog, DWLP_USER, static_cast<LONG_PTR>(file->lCustData));
    FillFormatLists(dialog, *reinterpret_cast<DocumentFormat*>(file->lCustData));
    return TRUE;
  }
  if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_FILEOK) {
    auto* format = reinterpret_cast<DocumentFormat*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (format) ReadFormatLists(dialog, *format);
  }
  return FALSE;
}

}  // namespace

bool RunSaveAsDialog(HINSTANCE instance, HWND owner, const wchar_t* defaultExtension, std::wstring& path,
                     DocumentFormat& format) {
  static const wchar_t filter[] = L"ASCII Text\0*.*\0";
  std::wstring file = path;
  file.resize(std::max(DialogPathSize, file.size() + 1), L'\0');
  DocumentFormat chosen = format;
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hInstance = instance;
  dialog.lpstrFilter = filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = &file[0];
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrDefExt = defaultExtension;
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLETEMPLATE |
                 OFN_ENABLEHOOK;
  dialog.lpTemplateName = MAKEINTRESOURCEW(IDD_SAVE_FORMAT);
  dialog.lpfnHook = SaveFormatHook;
  dialog.lCustData = reinterpret_cast<LPARAM>(&chosen);
  if (!GetSaveFileNameW(&dialog)) return false;
  path = file.c_str();
  format = chosen;
  return true;
}
