// A copy of a settings or language file that failed to load, kept before the editor writes
// over it: what follows the damage is replaced by defaults, and the user's own values must
// not go with it.
#pragma once

#include <string>

class SettingsPlatform;

inline constexpr char BackupExtension[] = ".bak";

// Copies path to path + ".bak" (an older backup is replaced) and returns the sentence that the
// load failure's message ends with: where the copy is, or that none could be made.
std::string KeepBackup(SettingsPlatform& platform, const std::string& path);
