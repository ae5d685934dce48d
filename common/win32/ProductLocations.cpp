// Chooses the settings file and the languages folder among the product's folders.
#include "common/win32/ProductLocations.h"

#include "common/Constants.h"
#include "common/Paths.h"
#include "common/win32/FileSystem.h"
#include "common/win32/SystemFolders.h"

std::string GetSettingsFilePath(const CommonFolders& folders) {
  std::string besideProgram = JoinPath(folders.ExeDir, SettingsFileName);
  std::string perUser = JoinPath(folders.UserDataDir, SettingsFileName);
  if (!FileExists(perUser) && FileExists(besideProgram)) return besideProgram;
  if (!FileExists(folders.UserDataDir) && !CreateDirectories(folders.UserDataDir)) {
    return besideProgram;
  }
  return perUser;
}

std::string GetSettingsFilePath() {
  return GetSettingsFilePath(GetCommonFolders());
}

std::string GetLanguagesDir(const CommonFolders& folders) {
  std::string languages = JoinPath(folders.SharedDataDir, "Languages");
  return FileExists(languages) ? languages : folders.ExeDir;
}

std::string GetLanguagesDir() {
  return GetLanguagesDir(GetCommonFolders());
}
