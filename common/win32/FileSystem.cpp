// File-system queries and folder operations through the platform's ANSI file functions.
#include "common/win32/FileSystem.h"

#include <cstring>

#include "common/Paths.h"
#include "common/win32/WinApi.h"

namespace {

bool IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Another process may create the folder between the test and the call; that is no failure.
bool EnsureFolder(const std::string& path) {
  return IsFolder(path) || CreateDirectoryA(path.c_str(), nullptr) || IsFolder(path);
}

}  // namespace

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

uint64_t GetFileWriteTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
         data.ftLastWriteTime.dwLowDateTime;
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
