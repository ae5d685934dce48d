// The view's clipboard on Windows.
#include "editor/view/win32/SystemClipboard.h"

#include "common/win32/Clipboard.h"

bool SystemClipboard::SetText(const std::string& text, bool utf8) {
  return utf8 ? SetClipboardUtf8Text(Owner, text, true) : SetClipboardText(Owner, text, true);
}

bool SystemClipboard::GetText(std::string& text, bool utf8) {
  return utf8 ? GetClipboardUtf8Text(Owner, text, true) : GetClipboardText(Owner, text, true);
}

bool SystemClipboard::ReadFiles(std::string& text) {
  return ReadClipboardFiles(Owner, text, true);
}

bool SystemClipboard::CanPaste() {
  return IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_HDROP);
}
