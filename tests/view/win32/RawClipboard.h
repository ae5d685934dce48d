// The clipboard's CF_TEXT bytes as another program would read them, for checks of what the
// view put there.
#pragma once

#include "common/win32/WinApi.h"

#include <string>

inline std::string RawClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = bytes;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}
