// The view's clipboard on Windows.
#include "editor/view/win32/SystemClipboard.h"

#include "common/win32/Clipboard.h"

bool SystemClipboard::SetText(const std::string& text) {
  return SetClipboardText(Owner, text, true);
}

bool SystemClipboard::GetText(std::string& text) {
  return GetClipboardText(Owner, text, true);
}

bool SystemClipboard::ReadFiles(std::string& text) {
  return ReadClipboardFiles(Owner, text, true);
}

bool SystemClipboard::CanPaste() {
  return IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_HDROP);
}
