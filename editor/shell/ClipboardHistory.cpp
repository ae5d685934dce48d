// The watched clipboard texts and the status bar's picture of the clipboard.
#include "editor/shell/ClipboardHistory.h"

#include "editor/shell/ClipboardStatus.h"

#include <utility>
#include <vector>

namespace {

std::string StatusOfNonText(ClipboardAccess& clipboard) {
  std::vector<std::string> files;
  if (clipboard.GetFiles(files)) return ClipboardFilesStatus(files);
  return NoClipboardTextStatus;
}

}  // namespace

std::string ClipboardHistory::UpdateStatus(ClipboardAccess& clipboard, int tabWidth, bool tracking) {
  std::string text;
  const bool hasText = clipboard.GetText(text, true);
  std::string status = hasText ? ClipboardTextStatus(text, tabWidth, clipboard.IsUtf8()) : StatusOfNonText(clipboard);
  if (tracking && text != currentClipboardText) {
    previousClipboardText = std::move(currentClipboardText);
    currentClipboardText = std::move(text);
  }
  return status;
}

void ClipboardHistory::LastClipboard(ClipboardAccess& clipboard) const {
  if (previousClipboardText.empty()) return;
  clipboard.SetText(previousClipboardText, true);
}
