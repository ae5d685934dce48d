// Keeps the copy of a file that failed to load and says where it went.
#include "editor/shell/SettingsBackup.h"

#include "editor/shell/SettingsPlatform.h"

std::string KeepBackup(SettingsPlatform& platform, const std::string& path) {
  const std::string backup = path + BackupExtension;
  if (platform.CopyReplacing(path, backup)) return "\n\nA copy was kept as '" + backup + "'.";
  return "\n\nNo copy could be kept as '" + backup + "'; the file will be overwritten.";
}
