// The texts with which the installation reports its failures and its end.
#pragma once

#include <string>
#include <vector>

std::string CouldNotCreateDirectoryText(const std::string& folder);
std::string CouldNotMoveText(const std::string& destination);
std::string CouldNotInstallText(const std::string& fileName);
std::string CouldNotWriteText(const std::string& path);
// The final message: the collected failures, or the success text when there were none.
std::string InstallFinishedText(const std::string& errors);
// The closing paragraph when the program files could not all be installed, so that no
// shortcut was made: where the list of what is left lies, and what removes it; or, when
// even the list could not be written, what is left.
std::string LoggedLeftoversText(const std::string& logPath);
std::string UnloggedLeftoversText(const std::vector<std::string>& left);

inline constexpr char DesktopShortcutFailed[] = "Could not create shortcut in Desktop\n";
inline constexpr char SendToShortcutFailed[] = "Could not create shortcut in Send To\n";
inline constexpr char GroupShortcutFailed[] = "Could not create Quilvane shortcut in Program Group\n";
inline constexpr char GroupUninstallerShortcutFailed[] =
    "Could not create Quilvane uninstaller shortcut in Program Group\n";
inline constexpr char ProgramGroupFailed[] = "Could not create Quilvane Program Group\n";
