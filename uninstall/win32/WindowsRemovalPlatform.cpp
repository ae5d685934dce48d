// Removal through the platform's ANSI file functions.
#include "uninstall/win32/WindowsRemovalPlatform.h"

#include "common/win32/WinApi.h"

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
