// Clipboard text and file lists; never shows a message, failures are reported as false.
#include "common/win32/Clipboard.h"

#include "common/FileError.h"
#include "common/LineEnds.h"
#include "common/TextFile.h"

#include <algorithm>
#include <cstring>

namespace {

// Copies the zero-terminated text of a global memory block, never reading past its end.
bool CopyGlobalText(HANDLE data, std::string& text) {
  const char* bytes = static_cast<const char*>(GlobalLock(data));
  if (!bytes) return false;
  const std::size_t size = GlobalSize(data);
  text.assign(bytes, std::find(bytes, bytes + size, '\0'));
  GlobalUnlock(data);
  return true;
}

HGLOBAL CreateGlobalText(const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return nullptr;
  char* bytes = static_cast<char*>(GlobalLock(memory));
  if (!bytes) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  return memory;
}

bool IsExistingFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A path longer than the ANSI limit is left out rather than cut, since a cut path could
// name a different file.
void AppendDroppedFiles(HDROP drop, std::vector<std::string>& list) {
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    char path[MAX_PATH + 1];
    const UINT length = DragQueryFileA(drop, i, nullptr, 0);
    if (length == 0 || length > MAX_PATH) continue;
    DragQueryFileA(drop, i, path, sizeof path);
    if (IsExistingFile(path)) list.push_back(path);
  }
}

}  // namespace

bool GetClipboardText(HWND owner, std::string& text, bool stripSoftBreaks) {
  if (!OpenClipboard(owner)) return false;
  std::string copy;
  const HANDLE data = GetClipboardData(CF_TEXT);
  const bool copied = data && CopyGlobalText(data, copy);
  if (!CloseClipboard() || !copied) return false;
  if (stripSoftBreaks) StripSoftBreaks(copy);
  text = std::move(copy);
  return true;
}

bool SetClipboardText(HWND owner, const std::string& text, bool toCrLf) {
  const HGLOBAL memory = CreateGlobalText(toCrLf ? ToCrLf(text) : text);
  if (!memory) return false;
  if (!OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  // Once SetClipboardData succeeded the memory belongs to the clipboard.
  const bool placed = EmptyClipboard() && SetClipboardData(CF_TEXT, memory);
  if (!placed) GlobalFree(memory);
  const bool closed = CloseClipboard() != FALSE;
  return placed && closed;
}

bool GetClipboardFiles(HWND owner, std::vector<std::string>& list) {
  list.clear();
  if (!OpenClipboard(owner)) return false;
  const HANDLE drop = GetClipboardData(CF_HDROP);
  if (drop) AppendDroppedFiles(static_cast<HDROP>(drop), list);
  if (!CloseClipboard()) return false;
  return !list.empty();
}

bool ReadClipboardFiles(HWND owner, std::string& text, bool normalize) {
  text.clear();
  std::vector<std::string> files;
  if (!GetClipboardFiles(owner, files)) return false;
  bool anyRead = false;
  for (const std::string& file : files) {
    try {
      text += ReadTextFile(file, normalize);
      anyRead = true;
    } catch (const FileError&) {
    }
  }
  return anyRead;
}
