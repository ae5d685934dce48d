// Removal through the platform's ANSI file functions.
#include "uninstall/win32/WindowsRemovalPlatform.h"

#include "common/Paths.h"
#include "common/win32/WinApi.h"

namespace {

// The path with every short name of its existing part made long; the part that does not
// exist (yet or any more) is kept as written, as it has no other name.
std::string LongPath(const std::string& path) {
  char found[MAX_PATH];
  const DWORD length = GetLongPathNameA(path.c_str(), found, MAX_PATH);
  if (length > 0 && length < MAX_PATH) return std::string(found, length);
  const std::size_t slash = path.rfind('\\');
  if (slash == std::string::npos || FoldersAlongPath(path).size() < 2) return path;
  return JoinPath(LongPath(path.substr(0, slash)), path.substr(slash + 1));
}

}  // namespace

std::string WindowsRemovalPlatform::NormalPath(const std::string& path) {
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return "";
  std::string normal(full, length);
  while (normal.size() > 1 && normal.back() == '\\' && !FoldersAlongPath(normal).empty()) normal.pop_back();
  normal = LongPath(normal);
  // The file system compares names without case, by the rules of the code page's letters.
  if (!normal.empty()) CharLowerBuffA(&normal[0], static_cast<DWORD>(normal.size()));
  return normal;
}

bool WindowsRemovalPlatform::IsLink(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool WindowsRemovalPlatform::ReadKind(const std::string& path, bool& isFolder) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return true;
}

void WindowsRemovalPlatform::ClearReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  }
}

bool WindowsRemovalPlatform::RemoveFolder(const std::string& path) {
  return RemoveDirectoryA(path.c_str()) != FALSE;
}

bool WindowsRemovalPlatform::RemoveFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != FALSE;
}
