// The start-up load of the .lang files: which folders, in which order, which duplicate wins.
#include "editor/shell/LanguageFiles.h"

#include "common/CommonFolders.h"
#include "common/Constants.h"
#include "common/FileError.h"
#include "common/Paths.h"
#include "common/SettingsFile.h"
#include "editor/shell/ErrorReporter.h"
#include "editor/shell/SettingsBackup.h"
#include "editor/shell/SettingsPlatform.h"
#include "editor/syntax/LanguageDef.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> LanguageFilePaths(const CommonFolders& folders, SettingsPlatform& platform) {
  const std::string pattern = std::string("*") + LanguageFileExtension;
  const std::string shared = JoinPath(folders.SharedDataDir, "Languages");
  std::vector<std::string> paths = platform.ListFiles(JoinPath(shared, pattern));
  if (shared != folders.ExeDir) {
    std::vector<std::string> besideProgram = platform.ListFiles(JoinPath(folders.ExeDir, pattern));
    paths.insert(paths.end(), besideProgram.begin(), besideProgram.end());
  }
  return paths;
}

std::string NewerLanguageFileMessage(const std::string& path) {
  return "The version of file '" + path + "' is newer than the version of " + ProductName + ". " +
         ProductName + " could not load one or more language files.";
}

RefPtr<LanguageDef> LoadLanguageFile(const std::string& path) {
  RefPtr<LanguageDef> language(new LanguageDef);
  SettingsFile file(path, true);
  language->Exchange(file);
  return language;
}

}  // namespace

void LoadLanguageFiles(LanguageList& languages, const CommonFolders& folders,
                       SettingsPlatform& platform, ErrorReporter& reporter) {
  languages.Languages.clear();
  for (const std::string& path : LanguageFilePaths(folders, platform)) {
    try {
      RefPtr<LanguageDef> language = LoadLanguageFile(path);
      if (!languages.FindByName(language->Name)) languages.Languages.push_back(language);
    } catch (const Exception& error) {
      const std::string message = error.Code == 1 ? NewerLanguageFileMessage(path) : error.GetMessageText();
      reporter.ShowError(message + KeepBackup(platform, path));
      return;
    } catch (const FileError& error) {
      reporter.ShowFileError(error);
      return;
    }
  }
}
