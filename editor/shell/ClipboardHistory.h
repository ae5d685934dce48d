// The clipboard texts the editor has watched go by: the current one and the one before it,
// for the status bar and for "Last Clipboard".
#pragma once

#include "editor/shell/ClipboardAccess.h"

#include <string>

class ClipboardHistory {
public:
  // The status bar text for what the clipboard holds now. With tracking, a text that differs
  // from the current one (letter case counts) becomes current and the old one previous; no
  // text counts as the empty text.
  std::string UpdateStatus(ClipboardAccess& clipboard, int tabWidth, bool tracking);
  // Puts the previous text back on the clipboard with CR LF breaks; nothing without one.
  // The clipboard's change notification then swaps the two texts.
  void LastClipboard(ClipboardAccess& clipboard) const;
  bool HasPrevious() const { return !previousClipboardText.empty(); }

  // In LF form, untruncated.
  std::string previousClipboardText;
  std::string currentClipboardText;
};
