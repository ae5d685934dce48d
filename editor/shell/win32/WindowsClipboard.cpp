// The system clipboard for the clipboard commands.
#include "editor/shell/win32/WindowsClipboard.h"

#include "common/win32/Clipboard.h"

bool WindowsClipboard::GetText(std::string& text, bool stripSoftBreaks) {
  return GetClipboardText(Owner, text, stripSoftBreaks);
}

bool WindowsClipboard::SetText(const std::string& text, bool toCrLf) {
  return SetClipboardText(Owner, text, toCrLf);
}

bool WindowsClipboard::GetFiles(std::vector<std::string>& files) {
  return GetClipboardFiles(Owner, files);
}

bool WindowsClipboard::HasText() {
  return IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

bool WindowsClipboard::HasAnyData() {
  return CountClipboardFormats() > 0;
}
