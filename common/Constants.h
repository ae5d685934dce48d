// The product's names and the file-name rules shared by the editor, Setup and Purgerun.
#pragma once

// Characters that a file name may not contain.
inline constexpr char ForbiddenFileNameChars[] = "\\/*:?\"<>|";
// The same plus the dot, which would start a second extension.
inline constexpr char ForbiddenExtensionChars[] = "\\/*:?\"<>|.";

inline constexpr char UninstallLogName[] = "Uninstall.log";
// Also the name of the product's data folders.
inline constexpr char ProductName[] = "Quilvane";
inline constexpr char SettingsFileName[] = "Quilvane.ini";
inline constexpr char HelpFileName[] = "QuilvaneHelp.html";
inline constexpr char LanguageFileExtension[] = ".lang";
