// The folders in which the programs find themselves and keep the product's data.
#pragma once

#include <string>

// What the platform reports at start-up; an empty string means it could not say.
struct FolderSources {
  std::string ExePath;              // full path of the running program
  std::string ProgramFilesFolder;   // special folder: Program Files
  std::string SharedDocumentsFolder;  // special folder: documents of all users
  std::string LocalAppDataFolder;   // special folder: per-user local application data
  std::string ProgramFilesVariable;     // environment "ProgramFiles"
  std::string AllUsersProfileVariable;  // environment "AllUsersProfile"
  std::string UserProfileVariable;      // environment "UserProfile"
  std::string TempVariable;             // environment "Temp"
};

struct CommonFolders {
  std::string ExePath;
  std::string ExeDir;           // ends with a backslash
  std::string ProgramFilesDir;
  std::string SharedDataDir;    // the product's folder in the shared documents, else ExeDir
  std::string UserDataDir;      // the product's folder in the user's local data, else ExeDir
  std::string TempDir;          // empty when the environment names none
};

// Each folder from its special folder first, then from the environment, then from a fixed
// fallback.
CommonFolders MakeCommonFolders(const FolderSources& sources);
