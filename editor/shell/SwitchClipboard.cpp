// Swapping the system clipboard's text with the private second clipboard.
#include "editor/shell/SwitchClipboard.h"

#include "common/Constants.h"

#include <utility>

std::string SwitchClipboardWarning() {
  return std::string("Since the clipboard does not contain text, ") + ProductName +
         " cannot store the data on the clipboard for you to switch back to later. Do you want to Switch "
         "Clipboards and loose the data currently on the clipboard?";
}

bool SwitchClipboard(ClipboardAccess& clipboard, std::string& alternateClipboard,
                     const std::function<bool()>& confirmLoss) {
  std::string text;
  const bool hasText = clipboard.GetText(text, false);
  if (!hasText) {
    if (alternateClipboard.empty()) return false;
    if (clipboard.HasAnyData() && !confirmLoss()) return false;
  }
  if (!clipboard.SetText(alternateClipboard, false)) return false;
  alternateClipboard = std::move(text);
  return true;
}

bool CanSwitchClipboard(ClipboardAccess& clipboard, const std::string& alternateClipboard) {
  return !alternateClipboard.empty() || clipboard.HasText();
}
