// Where the product's settings file and language files are found.
#pragma once

#include <string>

struct CommonFolders;

// The settings file beside the program when there is one and none in the per-user folder;
// otherwise the one in the per-user folder, which is created when missing (beside the program
// again when that fails).
std::string GetSettingsFilePath(const CommonFolders& folders);
std::string GetSettingsFilePath();
// The shared "Languages" folder when it exists; otherwise the program's folder.
std::string GetLanguagesDir(const CommonFolders& folders);
std::string GetLanguagesDir();
