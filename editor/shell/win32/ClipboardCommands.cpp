// The main window in the clipboard-viewer chain: the clipboard part of the status bar,
// Last Clipboard and Switch Clipboard.
#include "common/win32/OwnerCentring.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/SwitchClipboard.h"
#include "editor/shell/win32/MainWindow.h"
#include "editor/shell/win32/WindowsClipboard.h"

namespace {

constexpr int ClipboardStatusPart = 1;

}  // namespace

// Whether the first change notification arrives while joining depends on the platform and
// on the clipboard's owner; the status is read here as well, which changes nothing when it
// already came, as the same text is never tracked twice.
void MainWindow::JoinClipboardChain() {
  NextClipboardViewer = SetClipboardViewer(Handle);
  UpdateClipboardStatus(true);
}

void MainWindow::LeaveClipboardChain() {
  ChangeClipboardChain(Handle, NextClipboardViewer);
  NextClipboardViewer = nullptr;
}

void MainWindow::OnClipboardChainChanged(WPARAM leaving, LPARAM behind) {
  if (reinterpret_cast<HWND>(leaving) == NextClipboardViewer) NextClipboardViewer = reinterpret_cast<HWND>(behind);
  if (NextClipboardViewer) SendMessageA(NextClipboardViewer, WM_CHANGECBCHAIN, leaving, behind);
}

void MainWindow::OnClipboardChanged(WPARAM wParam, LPARAM lParam) {
  UpdateClipboardStatus(true);
  if (NextClipboardViewer) SendMessageA(NextClipboardViewer, WM_DRAWCLIPBOARD, wParam, lParam);
}

void MainWindow::UpdateClipboardStatus(bool tracking) {
  if (!StatusBar) return;
  WindowsClipboard clipboard(Handle);
  const std::string status = Clipboards.UpdateStatus(clipboard, View.GetTabWidth(), tracking);
  SendMessageA(StatusBar, SB_SETTEXTA, ClipboardStatusPart, reinterpret_cast<LPARAM>(status.c_str()));
}

void MainWindow::LastClipboard() {
  WindowsClipboard clipboard(Handle);
  Clipboards.LastClipboard(clipboard);
}

void MainWindow::SwitchClipboard(HWND owner) {
  WindowsClipboard clipboard(Handle);
  ::SwitchClipboard(clipboard, Settings.alternateClipboard, [owner] {
    return MessageBoxOver(owner, SwitchClipboardWarning(), "Warning", MB_YESNO | MB_ICONWARNING) == IDYES;
  });
}

bool MainWindow::CanSwitchClipboard() {
  WindowsClipboard clipboard(Handle);
  return ::CanSwitchClipboard(clipboard, Settings.alternateClipboard);
}
