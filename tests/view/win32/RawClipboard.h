// The clipboard as another program fills and reads it, byte for byte, for checks of what the
// editor puts there and takes from it.
#pragma once

#include "common/win32/WinApi.h"

#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

// Opens the clipboard for the test and empties it. The editor may hold it for a moment (it
// reads it on every change), so this waits its turn.
inline void OpenAndEmptyClipboard() {
  while (!OpenClipboard(nullptr)) Sleep(20);
  EmptyClipboard();
}

// Replaces the clipboard's contents with one block of data in one format.
inline bool PutRawClipboard(UINT format, HANDLE data) {
  OpenAndEmptyClipboard();
  const bool put = SetClipboardData(format, data) != nullptr;
  CloseClipboard();
  return put;
}

inline HGLOBAL GlobalBytes(const std::string& bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (memory) {
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
  }
  return memory;
}

inline bool PutRawClipboardText(const std::string& text) {
  return PutRawClipboard(CF_TEXT, GlobalBytes(text + '\0'));
}

// A file list, as the file manager puts it there when files are copied.
inline bool PutDropList(const std::vector<std::string>& paths) {
  std::string block(sizeof(DROPFILES), '\0');
  DROPFILES header = {};
  header.pFiles = sizeof(DROPFILES);
  std::memcpy(&block[0], &header, sizeof header);
  for (const std::string& path : paths) block += path + '\0';
  block += '\0';
  return PutRawClipboard(CF_HDROP, GlobalBytes(block));
}

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
