// The fallback rules that turn what the platform reports into the product's folders.
#include "common/CommonFolders.h"

#include "common/Constants.h"
#include "common/Paths.h"

namespace {

// The product's folder inside the special folder, else inside the folder that the
// environment names, else fallback as it is.
std::string ProductFolder(const std::string& specialFolder, const std::string& variable,
                          const char* belowVariable, const std::string& fallback) {
  if (!specialFolder.empty()) return JoinPath(specialFolder, ProductName);
  if (!variable.empty()) return JoinPath(JoinPath(variable, belowVariable), ProductName);
  return fallback;
}

}  // namespace

CommonFolders MakeCommonFolders(const FolderSources& sources) {
  CommonFolders folders;
  folders.ExePath = sources.ExePath;
  folders.ExeDir = DirectoryOf(sources.ExePath);
  if (!sources.ProgramFilesFolder.empty()) {
    folders.ProgramFilesDir = sources.ProgramFilesFolder;
  } else if (!sources.ProgramFilesVariable.empty()) {
    folders.ProgramFilesDir = sources.ProgramFilesVariable;
  } else {
    folders.ProgramFilesDir = "C:\\Program Files";
  }
  folders.SharedDataDir = ProductFolder(sources.SharedDocumentsFolder,
                                        sources.AllUsersProfileVariable, "Documents", folders.ExeDir);
  folders.UserDataDir = ProductFolder(sources.LocalAppDataFolder, sources.UserProfileVariable,
                                      "Local Settings\\Application Data", folders.ExeDir);
  folders.TempDir = sources.TempVariable;
  return folders;
}
