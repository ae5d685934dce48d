// The main window in the clipboard-viewer chain: the clipboard part of the status bar,
// Last Clipboard and Switch Clipboard.
#include "common/TextEncoding.h"
#include "common/win32/OwnerCentring.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/SwitchClipboard.h"
#include "editor/shell/win32/MainWindow.h"
#include "editor/shell/win32/WindowsClipboard.h"

namespace {

constexpr int ClipboardStatusPart = 1;

}  // namespace

// UTF-8 text goes to the status bar as its characters; the bar's ANSI form would show the
// bytes of every multi-byte character as code-page characters of their own.
void MainWindow::SetClipboardStatusText(const std::string& status, bool utf8) {
  if (!utf8) {
    SendMessageA(StatusBar, SB_SETTEXTA, ClipboardStatusPart, reinterpret_cast<LPARAM>(status.c_str()));
    return;
  }
  std::size_t replaced = 0;
  const std::u16string units = Utf16FromUtf8(status, replaced);
  const std::wstring wide(units.begin(), units.end());
  SendMessageW(StatusBar, SB_SETTEXTW, ClipboardStatusPart, reinterpret_cast<LPARAM>(wide.c_str()));
}

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
  WindowsClipboard clipboard(Handle, View.IsUtf8());
  const std::string status = Clipboards.UpdateStatus(clipboard, View.GetTabWidth(), tracking);
  SetClipboardStatusText(status, clipboard.IsUtf8());
}

void MainWindow::LastClipboard() {
  WindowsClipboard clipboard(Handle, View.IsUtf8());
  Clipboards.LastClipboard(clipboard);
}

void MainWindow::SwitchClipboard(HWND owner) {
  WindowsClipboard clipboard(Handle, View.IsUtf8());
  ::SwitchClipboard(clipboard, Settings.alternateClipboard, [owner] {
    return MessageBoxOver(owner, SwitchClipboardWarning(), "Warning", MB_YESNO | MB_ICONWARNING) == IDYES;
  });
}

bool MainWindow::CanSwitchClipboard() {
  WindowsClipboard clipboard(Handle, View.IsUtf8());
  return ::CanSwitchClipboard(clipboard, Settings.alternateClipboard);
}
