// The system clipboard for the clipboard commands.
#include "editor/shell/win32/WindowsClipboard.h"

#include "common/win32/Clipboard.h"
#include "editor/shell/win32/AnsiCodePage.h"

bool WindowsClipboard::GetText(std::string& text, bool stripSoftBreaks) {
  return Utf8 ? GetClipboardUtf8Text(Owner, text, stripSoftBreaks) : GetClipboardText(Owner, text, stripSoftBreaks);
}

bool WindowsClipboard::SetText(const std::string& text, bool toCrLf) {
  return Utf8 ? SetClipboardUtf8Text(Owner, text, toCrLf) : SetClipboardText(Owner, text, toCrLf);
}

// The drop list's paths are read in the code page; the status bar shows them beside UTF-8
// text in the same form.
bool WindowsClipboard::GetFiles(std::vector<std::string>& files) {
  if (!GetClipboardFiles(Owner, files)) return false;
  if (Utf8) {
    for (std::string& file : files) file = Utf8FromAnsi(file);
  }
  return true;
}

bool WindowsClipboard::HasText() {
  return IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

bool WindowsClipboard::HasAnyData() {
  return CountClipboardFormats() > 0;
}
