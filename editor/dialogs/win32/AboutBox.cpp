// The About box: a read-only rich-text field whose addresses open in the mail program or
// the browser.
#include "editor/dialogs/win32/AboutBox.h"

#include "common/Constants.h"
#include "common/win32/OwnerCentring.h"
#include "editor/resources/resource.h"

#include <richedit.h>

const char AboutEmail[] = "quilvane@example.org";
const char AboutWebAddress[] = "https://www.example.org/quilvane";

namespace {

void MarkLink(HWND field, const std::string& text, const std::string& link) {
  const std::size_t at = text.find(link);
  if (at == std::string::npos) return;
  CHARRANGE range{static_cast<LONG>(at), static_cast<LONG>(at + link.size())};
  SendMessageA(field, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_LINK;
  format.dwEffects = CFE_LINK;
  SendMessageA(field, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void FillField(HWND field) {
  const std::string text = AboutText();
  SetWindowTextA(field, text.c_str());
  MarkLink(field, text, AboutEmail);
  MarkLink(field, text, AboutWebAddress);
  CHARRANGE start{0, 0};
  SendMessageA(field, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
  SendMessageA(field, EM_SETEVENTMASK, 0, ENM_LINK);
}

// A press of the left button alone on a link opens it; the address gets "mailto:".
bool OnLink(const ENLINK& link) {
  if (link.msg != WM_LBUTTONDOWN || link.wParam != MK_LBUTTON) return false;
  char text[101] = "";
  TEXTRANGEA range{link.chrg, text};
  if (range.chrg.cpMax - range.chrg.cpMin > 100) range.chrg.cpMax = range.chrg.cpMin + 100;
  SendMessageA(link.nmhdr.hwndFrom, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  std::string target = text;
  if (target == AboutEmail) target = "mailto:" + target;
  ShellExecuteA(GetParent(link.nmhdr.hwndFrom), "open", target.c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
  return true;
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG:
    FillField(GetDlgItem(dialog, IDC_ABOUT_TEXT));
    CentreOnOwner(dialog);
    // Focus on the field would select all of its text, as it does for any edit control.
    SetFocus(GetDlgItem(dialog, IDOK));
    return FALSE;
  case WM_NOTIFY: {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom != IDC_ABOUT_TEXT || header->code != EN_LINK) return FALSE;
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, OnLink(*reinterpret_cast<const ENLINK*>(lParam)) ? 1 : 0);
    return TRUE;
  }
  case WM_COMMAND:
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  default: return FALSE;
  }
}

}  // namespace

std::string AboutText() {
  return std::string(ProductName) + " 2.0.1 [Red]\r\nDecember 2010\r\n\r\nThe Quilvane developers\r\n" + AboutEmail +
         "\r\n" + AboutWebAddress +
         "\r\n\r\n\r\nPrevious Versions:\r\n-----------------------------\r\n2.0 [Red] - October 2006\r\n"
         "1.1 [Green] - October 2004\r\n1.0 [Blue] - March 2004";
}

// The field's window class comes from the rich edit library, which must be loaded before
// the dialog creates its controls.
void RunAboutBox(HINSTANCE instance, HWND owner) {
  HMODULE richEdit = LoadLibraryA("RICHED32.DLL");
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProc, 0);
  if (richEdit) FreeLibrary(richEdit);
}
