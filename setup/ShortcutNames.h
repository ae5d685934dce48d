// The shortcuts Setup makes, by name; the uninstaller removes these names and no others.
#pragma once

inline constexpr char ShortcutName[] = "Quilvane.lnk";
inline constexpr char UninstallShortcutName[] = "Uninstall Quilvane.lnk";
