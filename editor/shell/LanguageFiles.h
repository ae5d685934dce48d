// Loading the language definitions at start-up from the shared folder and the program's folder.
#pragma once

class ErrorReporter;
class LanguageList;
class SettingsPlatform;
struct CommonFolders;

// Empties the list, then loads every .lang file of the shared "Languages" folder and then of
// the program's folder; of two files with the same language name (without case) the first
// wins. The first file that fails to load is reported and ends the loading; the languages
// loaded before it stay.
void LoadLanguageFiles(LanguageList& languages, const CommonFolders& folders,
                       SettingsPlatform& platform, ErrorReporter& reporter);
