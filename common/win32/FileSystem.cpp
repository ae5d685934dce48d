// File-system queries and folder operations through the platform's ANSI file functions.
#include "common/win32/FileSystem.h"

#include <algorithm>
#include <cstring>

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
uint32_t NameHash(const std::string& name) {
  uint32_t hash = 2166136261u;
  for (unsigned char c : name) {
    hash ^= static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
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
  return {(static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime,
          (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
}

std::string SaveTemporaryPath(const std::string& path) {
  const std::size_t nameStart = path.find_last_of("\\/:") + 1;
  const std::string folder = path.substr(0, nameStart);
  const std::string name = path.substr(nameStart);
  if (folder.size() >= MAX_PATH - 1) return "";
  const std::size_t room = std::min(MaxNameLength, MAX_PATH - 1 - folder.size());
  if (name.size() + sizeof SaveSuffix - 1 <= room) return path + SaveSuffix;
  char hash[16];
  wsprintfA(hash, "~%08lX", static_cast<unsigned long>(NameHash(name)));
  const std::string tail = hash + std::string(SaveSuffix);
  if (tail.size() > room) return "";
  return folder + NameStart(name, room - tail.size()) + tail;
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
