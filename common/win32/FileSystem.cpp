// File-system queries and folder operations through the platform's ANSI file functions, and
// through the wide ones for names the code page cannot spell.
#include "common/win32/FileSystem.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "common/Paths.h"
#include "common/win32/WinApi.h"

namespace {

// Another process may create the folder between the test and the call; that is no failure.
bool EnsureFolder(const std::string& path) {
  return IsFolder(path) || CreateDirectoryA(path.c_str(), nullptr) || IsFolder(path);
}

constexpr char SaveSuffix[] = ".qlvsave.tmp";
// The longest name of one component that the file systems take.
constexpr std::size_t MaxNameLength = 255;

// The same for every letter case of the name, as the platform's names ignore case.
template <class Char> uint32_t NameHash(const std::basic_string<Char>& name) {
  uint32_t hash = 2166136261u;
  for (const Char unit : name) {
    const auto c = static_cast<uint32_t>(static_cast<std::make_unsigned_t<Char>>(unit));
    hash ^= c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
    hash *= 16777619u;
  }
  return hash;
}

// The longest start of name, in whole characters of the code page, of at most limit bytes.
std::string NameStart(const std::string& name, std::size_t limit) {
  const char* begin = name.c_str();
  const char* end = begin;
  for (const char* next = CharNextA(end); next != end && static_cast<std::size_t>(next - begin) <= limit;
       next = CharNextA(end))
    end = next;
  return std::string(begin, end);
}

// The same in UTF-16 units, never between the two halves of a surrogate pair.
std::wstring NameStart(const std::wstring& name, std::size_t limit) {
  std::size_t end = std::min(limit, name.size());
  if (end > 0 && end < name.size() && name[end] >= 0xDC00 && name[end] < 0xE000) --end;
  return name.substr(0, end);
}

template <class Char> std::basic_string<Char> Widened(const char* ascii) {
  return std::basic_string<Char>(ascii, ascii + std::strlen(ascii));
}

template <class Char> std::basic_string<Char> TemporaryPathOf(const std::basic_string<Char>& path) {
  using String = std::basic_string<Char>;
  const String suffix = Widened<Char>(SaveSuffix);
  const std::size_t nameStart = path.find_last_of(Widened<Char>("\\/:")) + 1;
  const String folder = path.substr(0, nameStart);
  const String name = path.substr(nameStart);
  if (folder.size() >= MAX_PATH - 1) return String();
  const std::size_t room = std::min(MaxNameLength, MAX_PATH - 1 - folder.size());
  if (name.size() + suffix.size() <= room) return path + suffix;
  char hash[16];
  wsprintfA(hash, "~%08lX", static_cast<unsigned long>(NameHash(name)));
  const String tail = Widened<Char>(hash) + suffix;
  if (tail.size() > room) return String();
  return folder + NameStart(name, room - tail.size()) + tail;
}

FileStamp StampOf(const WIN32_FILE_ATTRIBUTE_DATA& data) {
  return {(static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime,
          (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
}

}  // namespace

bool IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ExpandEnvironment(const std::string& text) {
  std::string expanded(MAX_PATH, '\0');
  for (;;) {
    DWORD needed = ExpandEnvironmentStringsA(text.c_str(), &expanded[0],
                                             static_cast<DWORD>(expanded.size()));
    if (needed == 0) return text;
    if (needed <= expanded.size()) {
      // The count includes the terminating zero, and the ANSI variant may ask for more room
      // than it fills, so the text ends at its zero.
      expanded.resize(std::strlen(expanded.c_str()));
      return expanded;
    }
    expanded.resize(needed);
  }
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsReadOnly(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

FileStamp GetFileStamp(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return {};
  return StampOf(data);
}

FileStamp GetFileStamp(const FilePath& path) {
  if (path.Wide.empty()) return GetFileStamp(path.Ansi);
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.Wide.c_str(), GetFileExInfoStandard, &data)) return {};
  return StampOf(data);
}

std::string SaveTemporaryPath(const std::string& path) {
  return TemporaryPathOf(path);
}

std::wstring SaveTemporaryPath(const std::wstring& path) {
  return TemporaryPathOf(path);
}

FilePath FilePathFromWide(const std::wstring& wide) {
  FilePath path;
  if (wide.empty()) return path;
  const int size = static_cast<int>(wide.size());
  BOOL lost = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &lost);
  path.Ansi.assign(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, &path.Ansi[0], length, nullptr, &lost);
  if (lost) path.Wide = wide;
  return path;
}

unsigned long FileAttributes(const FilePath& path) {
  return path.Wide.empty() ? GetFileAttributesA(path.Ansi.c_str()) : GetFileAttributesW(path.Wide.c_str());
}

bool FileExists(const FilePath& path) {
  return FileAttributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool IsReadOnly(const FilePath& path) {
  const DWORD attributes = FileAttributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool IsFolder(const FilePath& path) {
  const DWORD attributes = FileAttributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FilePath FullLongPath(const FilePath& path) {
  if (path.Wide.empty()) {
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.Ansi.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) return path;
    char longPath[MAX_PATH];
    const DWORD longLength = GetLongPathNameA(full, longPath, sizeof longPath);
    return {longLength == 0 || longLength >= sizeof longPath ? full : longPath, {}};
  }
  wchar_t full[MAX_PATH];
  const DWORD length = GetFullPathNameW(path.Wide.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return path;
  wchar_t longPath[MAX_PATH];
  const DWORD longLength = GetLongPathNameW(full, longPath, MAX_PATH);
  return FilePathFromWide(longLength == 0 || longLength >= MAX_PATH ? full : longPath);
}

bool FindOnSearchPath(std::string& name) {
  if (name.empty()) return false;
  char found[MAX_PATH];
  DWORD length = SearchPathA(nullptr, name.c_str(), nullptr, MAX_PATH, found, nullptr);
  if (length == 0 || length >= MAX_PATH) return false;
  name.assign(found, length);
  return true;
}

bool CreateDirectories(const std::string& path) {
  for (const std::string& folder : FoldersAlongPath(path)) {
    if (!EnsureFolder(folder)) return false;
  }
  return IsFolder(path);
}

bool GetSpecialFolder(int id, std::string& path) {
  char folder[MAX_PATH] = "";
  if (!SHGetSpecialFolderPathA(nullptr, folder, id, TRUE)) return false;
  path = folder;
  return true;
}

void ListFiles(const std::string& pattern, std::vector<std::string>& list, bool fullPaths,
               bool append) {
  if (!append) list.clear();
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return;
  std::string folder = DirectoryOf(pattern);
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    list.push_back(fullPaths ? folder + data.cFileName : std::string(data.cFileName));
  } while (FindNextFileA(search, &data));
  FindClose(search);
}
