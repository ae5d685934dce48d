// Clipboard text and file lists; never shows a message, failures are reported as false.
#include "common/win32/Clipboard.h"

#include "common/FileError.h"
#include "common/LineEnds.h"
#include "common/TextEncoding.h"
#include "common/TextFile.h"
#include "common/win32/CodePage.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Copies the zero-terminated text of a global memory block, never reading past its end.
template <class Char> bool CopyGlobalText(HANDLE data, std::basic_string<Char>& text) {
  const Char* units = static_cast<const Char*>(GlobalLock(data));
  if (!units) return false;
  const std::size_t size = GlobalSize(data) / sizeof(Char);
  text.assign(units, std::find(units, units + size, Char()));
  GlobalUnlock(data);
  return true;
}

template <class Char> HGLOBAL CreateGlobalText(const std::basic_string<Char>& text) {
  const std::size_t size = (text.size() + 1) * sizeof(Char);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  void* units = GlobalLock(memory);
  if (!units) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(units, text.c_str(), size);
  GlobalUnlock(memory);
  return memory;
}

// Empties the clipboard and hands it the blocks, each of its format; a block the clipboard
// did not take is freed. True when every block was placed.
bool PlaceOnClipboard(HWND owner, const std::vector<std::pair<UINT, HGLOBAL>>& blocks) {
  bool allocated = true;
  for (const auto& block : blocks) allocated = allocated && block.second;
  bool placed = allocated && OpenClipboard(owner);
  const bool opened = placed;
  placed = placed && EmptyClipboard();
  for (const auto& block : blocks) {
    // Once SetClipboardData succeeded the memory belongs to the clipboard.
    if (placed && SetClipboardData(block.first, block.second)) continue;
    placed = false;
    if (block.second) GlobalFree(block.second);
  }
  const bool closed = opened && CloseClipboard() != FALSE;
  return placed && closed;
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
  return PlaceOnClipboard(owner, {{CF_TEXT, CreateGlobalText(toCrLf ? ToCrLf(text) : text)}});
}

// A program that put only CF_TEXT there still offers CF_UNICODETEXT: the platform converts
// it from the code page of the locale the text was placed with.
bool GetClipboardUtf8Text(HWND owner, std::string& text, bool stripSoftBreaks) {
  if (!OpenClipboard(owner)) return false;
  std::wstring wide;
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const bool copied = data && CopyGlobalText(data, wide);
  if (!CloseClipboard() || !copied) return false;
  std::size_t replaced = 0;
  std::string copy = Utf8FromUtf16(std::u16string(wide.begin(), wide.end()), replaced);
  if (stripSoftBreaks) StripSoftBreaks(copy);
  text = std::move(copy);
  return true;
}

bool SetClipboardUtf8Text(HWND owner, const std::string& text, bool toCrLf) {
  std::size_t replaced = 0;
  const std::u16string units = Utf16FromUtf8(toCrLf ? ToCrLf(text) : text, replaced);
  const std::wstring wide(units.begin(), units.end());
  // CF_TEXT is made here: the platform would derive it from the keyboard's locale rather than
  // from the code page that ANSI programs and the editor's ANSI documents use.
  return PlaceOnClipboard(owner, {{CF_UNICODETEXT, CreateGlobalText(wide)}, {CF_TEXT, CreateGlobalText(AnsiFromWide(wide))}});
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
