// Swapping the system clipboard's text with the editor's private second clipboard.
#pragma once

#include "editor/shell/ClipboardAccess.h"

#include <functional>
#include <string>

// The warning asked before data that is not text is overwritten.
std::string SwitchClipboardWarning();

// The clipboard's text, taken unchanged, and the alternate text change places. Without text
// on the clipboard an empty alternate changes nothing, and data of another format is only
// overwritten when confirmLoss answers true. The alternate keeps its text when the clipboard
// cannot be written. True when the clipboard was written.
bool SwitchClipboard(ClipboardAccess& clipboard, std::string& alternateClipboard,
                     const std::function<bool()>& confirmLoss);

// The command is offered while the clipboard holds text or the alternate is not empty.
bool CanSwitchClipboard(ClipboardAccess& clipboard, const std::string& alternateClipboard);
