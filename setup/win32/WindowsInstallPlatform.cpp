// The installation's operations through the platform's ANSI file functions and shell links.
#include "setup/win32/WindowsInstallPlatform.h"

#include "common/FileError.h"
#include "common/TextFile.h"
#include "common/win32/FileSystem.h"
#include "common/win32/WinApi.h"
#include "setup/win32/Shortcut.h"

bool WindowsInstallPlatform::Exists(const std::string& path) {
  return FileExists(path);
}

std::vector<std::string> WindowsInstallPlatform::ListFileNames(const std::string& pattern) {
  std::vector<std::string> names;
  ListFiles(pattern, names, false, false);
  return names;
}

bool WindowsInstallPlatform::CreateFolders(const std::string& path) {
  return CreateDirectories(path);
}

bool WindowsInstallPlatform::CreateFolder(const std::string& path) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return true;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowsInstallPlatform::Move(const std::string& from, const std::string& to) {
  return MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

bool WindowsInstallPlatform::Copy(const std::string& from, const std::string& to, bool overwrite) {
  return CopyFileA(from.c_str(), to.c_str(), overwrite ? FALSE : TRUE) != FALSE;
}

void WindowsInstallPlatform::ClearReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  }
}

bool WindowsInstallPlatform::Delete(const std::string& path) {
  return DeleteFileA(path.c_str()) != FALSE;
}

bool WindowsInstallPlatform::CreateShortcut(const std::string& link, const std::string& target,
                                            const std::string& description) {
  return ::CreateShortcut(link, target, description);
}

bool WindowsInstallPlatform::WriteText(const std::string& path, const std::string& text) {
  try {
    WriteTextFile(path, text);
    return true;
  } catch (const FileError&) {
    return false;
  }
}
