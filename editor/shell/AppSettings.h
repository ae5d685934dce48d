// Everything the editor keeps between runs, its defaults, and the file Quilvane.ini.
#pragma once

#include "common/CommonFolders.h"
#include "common/HotkeyTable.h"
#include "editor/shell/RecentFileList.h"
#include "editor/shell/SearchRequest.h"
#include "editor/shell/SettingsRecords.h"
#include "editor/shell/ToolCommand.h"
#include "editor/syntax/ColorScheme.h"
#include "editor/syntax/LanguageDef.h"

#include <array>
#include <string>

class ErrorReporter;
class SettingsFile;
class SettingsPlatform;
class TextView;

constexpr int CustomColorCount = 16;

// One instance for the whole run. The constructor already holds the defaults (LoadDefaults
// lists them); Load reads the file once at start-up, Save writes it whole.
class AppSettings {
public:
  AppSettings(CommonFolders folders, std::string settingsPath, SettingsPlatform& platform,
              ErrorReporter& reporter);
  virtual ~AppSettings() = default;
  AppSettings(const AppSettings&) = delete;
  AppSettings& operator=(const AppSettings&) = delete;

  // Every stored value to its built-in default, the default tools included.
  void LoadDefaults();
  // Reads the settings file and upgrades what an older one lacks, then loads the language
  // files. A newer or damaged file is reported; what it held up to the fault is kept, and
  // everything else is as on a first run.
  void Load();
  // Writes the whole file in the current version; false (reported) when it cannot be written.
  bool Save();
  // Gives the view the font and the view options, and the current colour scheme with its way
  // of showing selections.
  void ApplyToView(TextView& view);
  // Font objects belong to the platform: the Windows side overrides this to give the view a
  // font made from Font at the Zoom step. The portable settings leave the view's font alone.
  virtual void ApplyFont(TextView& view);

  std::string DefaultExtention;  // without dot
  std::string TimeDateFormat;
  bool RemoveTrailingWhitespaceOnSave;
  int NewLineType;  // 0 CR LF, 1 CR, 2 LF
  bool AutoIndent;
  int TabWidth;
  bool Maximized;
  std::string OpenFilterName;  // the Open dialog's filter last used, see OpenFilter.h
  RectRecord WinPos;           // the normal window position; empty: the platform's choice
  RecentFileList RecentFiles;
  FontRecord Font;
  ColorSchemeList Schemes;
  std::array<Colour, CustomColorCount> CustomColors{};  // of the colour chooser
  HotkeyTable Hotkeys;      // the fixed menu commands
  ToolList Tools;
  HotkeyTable ToolHotkeys;  // built from Tools with the Tools menu, never stored
  // The find dialog's request; only its allowEscapes and closeDialogOnFind are stored.
  SearchRequest Search;
  // The view's options.
  bool ShowLineNumbers;
  bool TabInsertsSpaces;
  bool ShowWhitespace;
  bool WordWrap;
  // Steps of the displayed font size away from Font (0: the chosen size), and the caret
  // line's highlight; both stored after every older field.
  int Zoom;
  bool HighlightCaretLine;
  std::string alternateClipboard;  // the private second clipboard, never stored
  LanguageList Languages;

private:
  // The file's content in its order. Files before version 7 name the Open filter by index,
  // which is handed out through openFilterIndex.
  // True when the file held the fields added after its format's version.
  bool Exchange(SettingsFile& file, int& openFilterIndex);
  bool ExchangeLaterFields(SettingsFile& file);
  void ExchangeCustomColors(SettingsFile& file);
  // What a file of this version lacks (version 1 for a first run); addSchemes: append the
  // four built-in schemes.
  void ApplyAdditions(int version, bool addSchemes);
  void AddHotkey(uint16_t key, int modifiers, uint16_t command);
  void AddLaterHotkeys();
  void AddCharacterMapTool();
  std::string NewerFileMessage() const;

  CommonFolders Folders;
  std::string Path;
  SettingsPlatform& Platform;
  ErrorReporter& Reporter;
};
