// The installation dialog: fills in its defaults, keeps Install enabled only with a folder,
// browses for a folder and runs the installation.
#include "setup/win32/SetupDialog.h"

#include <string>

#include "common/win32/OwnerCentring.h"
#include "common/win32/WinApi.h"
#include "editor/shell/win32/DialogControls.h"
#include "setup/InstallFolder.h"
#include "setup/resources/resource.h"
#include "setup/win32/InstallRun.h"

namespace {

std::string UserName() {
  char name[257] = "";
  DWORD size = sizeof name;
  return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

void ShowUserName(HWND dialog) {
  std::string text = ControlText(dialog, IDC_SETUP_SENDTO);
  const std::size_t mark = text.find("%1");
  if (mark != std::string::npos) text.replace(mark, 2, UserName());
  SetDlgItemTextA(dialog, IDC_SETUP_SENDTO, text.c_str());
}

void EnableInstall(HWND dialog) {
  EnableWindow(GetDlgItem(dialog, IDC_SETUP_INSTALL), GetWindowTextLengthA(GetDlgItem(dialog, IDC_SETUP_FOLDER)) > 0);
}

void Initialise(HWND dialog) {
  // The shell link objects live in COM, kept up while the dialog is there.
  CoInitialize(nullptr);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_SETUP))));
  SetChecked(dialog, IDC_SETUP_DESKTOP, true);
  SetChecked(dialog, IDC_SETUP_SENDTO, true);
  ShowUserName(dialog);
  SetDlgItemTextA(dialog, IDC_SETUP_FOLDER, DefaultInstallFolder().c_str());
  EnableInstall(dialog);
}

void Browse(HWND dialog) {
  BROWSEINFOA info{};
  info.hwndOwner = dialog;
  info.lpszTitle = "Choose installation directory:";
  PIDLIST_ABSOLUTE picked = SHBrowseForFolderA(&info);
  if (picked == nullptr) return;
  char path[MAX_PATH] = "";
  if (SHGetPathFromIDListA(picked, path)) {
    SetDlgItemTextA(dialog, IDC_SETUP_FOLDER, BrowsedInstallFolder(path).c_str());
  }
  CoTaskMemFree(picked);
}

// A folder that cannot be created leaves the dialog open for another choice; otherwise the
// final message ends Setup.
void InstallNow(HWND dialog) {
  HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  const InstallOutcome outcome = RunInstallation(ControlText(dialog, IDC_SETUP_FOLDER),
                                                 IsChecked(dialog, IDC_SETUP_DESKTOP),
                                                 IsChecked(dialog, IDC_SETUP_SENDTO));
  if (outcome.Stopped) {
    MessageBoxOver(dialog, outcome.Message, "Error", MB_OK | MB_ICONERROR);
    SetCursor(previous);
    return;
  }
  MessageBoxOver(dialog, outcome.Message, "Finished",
              MB_OK | (outcome.Failed() ? MB_ICONERROR : MB_ICONINFORMATION));
  SetCursor(previous);
  EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, int id, int code) {
  switch (id) {
    case IDC_SETUP_FOLDER:
      if (code == EN_CHANGE) EnableInstall(dialog);
      break;
    case IDC_SETUP_BROWSE: Browse(dialog); break;
    case IDC_SETUP_INSTALL: InstallNow(dialog); break;
    case IDC_SETUP_EXIT:
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
  }
}

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Initialise(dialog);
      return TRUE;
    case WM_COMMAND:
      OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_DESTROY:
      CoUninitialize();
      return FALSE;
  }
  return FALSE;
}

}  // namespace

void RunSetupDialog(HINSTANCE instance) {
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SETUP), nullptr, SetupDialogProc, 0);
}
