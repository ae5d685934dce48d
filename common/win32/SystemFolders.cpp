// Gathers the program's path, the special folders and the environment fallbacks.
#include "common/win32/SystemFolders.h"

#include "common/win32/FileSystem.h"
#include "common/win32/WinApi.h"

namespace {

std::string SpecialFolderOrEmpty(int id) {
  std::string path;
  return GetSpecialFolder(id, path) ? path : std::string();
}

std::string EnvironmentValue(const char* name) {
  char value[MAX_PATH];
  DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(value, length) : std::string();
}

std::string ProgramPath() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

}  // namespace

FolderSources ReadFolderSources() {
  FolderSources sources;
  sources.ExePath = ProgramPath();
  sources.ProgramFilesFolder = SpecialFolderOrEmpty(CSIDL_PROGRAM_FILES);
  sources.SharedDocumentsFolder = SpecialFolderOrEmpty(CSIDL_COMMON_DOCUMENTS);
  sources.LocalAppDataFolder = SpecialFolderOrEmpty(CSIDL_LOCAL_APPDATA);
  sources.ProgramFilesVariable = EnvironmentValue("ProgramFiles");
  sources.AllUsersProfileVariable = EnvironmentValue("AllUsersProfile");
  sources.UserProfileVariable = EnvironmentValue("UserProfile");
  sources.TempVariable = EnvironmentValue("Temp");
  return sources;
}

const CommonFolders& GetCommonFolders() {
  static const CommonFolders folders = MakeCommonFolders(ReadFolderSources());
  return folders;
}
