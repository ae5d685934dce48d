// The application settings: defaults, the order of Quilvane.ini, upgrades of older files.
#include "editor/shell/AppSettings.h"

#include "common/Constants.h"
#include "common/FileError.h"
#include "common/Paths.h"
#include "common/SettingsFile.h"
#include "common/StringList.h"
#include "editor/resources/resource.h"
#include "editor/shell/ErrorReporter.h"
#include "editor/shell/FontZoom.h"
#include "editor/shell/SettingsBackup.h"
#include "editor/shell/LanguageFiles.h"
#include "editor/shell/OpenFilter.h"
#include "editor/shell/SettingsPlatform.h"
#include "editor/view/TextView.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Virtual-key codes of the default hotkeys that are not letters.
constexpr uint16_t KeyF1 = 0x70;
constexpr uint16_t KeyF2 = 0x71;
constexpr uint16_t KeyF3 = 0x72;
constexpr int Ctrl = ControlModifier;
constexpr int CtrlShift = ControlModifier | ShiftModifier;

constexpr int DefaultFontPoints = 10;
constexpr int DefaultFontWeight = 400;
constexpr char DefaultFontFace[] = "Courier New";

struct DefaultHotkey {
  uint16_t Key;
  int Modifiers;
  uint16_t Command;
};

// Commands that came with the fields after WordWrap: a file without those fields gets their
// keys added, where the user has not given the key to another command.
constexpr uint16_t KeyNumPlus = 0x6B, KeyNumMinus = 0x6D, KeyPlus = 0xBB, KeyMinus = 0xBD, KeyCloseBracket = 0xDD;
const DefaultHotkey LaterHotkeys[] = {
    {KeyCloseBracket, Ctrl, ID_SEARCH_MATCH_BRACE},
    // The menu shows the last key of a command: the main keyboard's.
    {KeyNumPlus, Ctrl, ID_OPTIONS_ZOOM_IN},   {KeyPlus, Ctrl, ID_OPTIONS_ZOOM_IN},
    {KeyNumMinus, Ctrl, ID_OPTIONS_ZOOM_OUT}, {KeyMinus, Ctrl, ID_OPTIONS_ZOOM_OUT},
    {'0', Ctrl, ID_OPTIONS_ZOOM_RESET},
};

// The main hotkey table of a first run, before the additions of older versions.
HotkeyTable DefaultHotkeys() {
  static const DefaultHotkey defaults[] = {
      {'N', Ctrl, ID_FILE_NEW},         {'O', Ctrl, ID_FILE_OPEN},
      {'S', Ctrl, ID_FILE_SAVE},        {'P', Ctrl, ID_FILE_PRINT},
      {'Z', Ctrl, ID_EDIT_UNDO},        {'Y', Ctrl, ID_EDIT_REDO},
      {'X', Ctrl, ID_EDIT_CUT},         {'C', Ctrl, ID_EDIT_COPY},
      {'V', Ctrl, ID_EDIT_PASTE},       {'A', Ctrl, ID_EDIT_SELECT_ALL},
      {'W', Ctrl, ID_EDIT_SWITCH_CLIPBOARD},
      {'D', CtrlShift, ID_EDIT_INSERT_TIME_DATE},
      {'L', CtrlShift, ID_EDIT_LOWER_CASE},
      {'U', CtrlShift, ID_EDIT_UPPER_CASE},
      {'T', CtrlShift, ID_EDIT_TITLE_CASE},
      {'F', Ctrl, ID_SEARCH_FIND},      {KeyF3, 0, ID_SEARCH_FIND_NEXT},
      {KeyF3, ShiftModifier, ID_SEARCH_FIND_PREVIOUS},
      {'H', Ctrl, ID_SEARCH_REPLACE},   {'G', Ctrl, ID_SEARCH_GOTO_LINE},
      {KeyF2, Ctrl, ID_BOOKMARKS_TOGGLE},
      {KeyF2, 0, ID_BOOKMARKS_NEXT},    {KeyF2, ShiftModifier, ID_BOOKMARKS_PREVIOUS},
      {'W', CtrlShift, ID_OPTIONS_WORD_WRAP},
      {KeyF1, 0, ID_HELP_CONTENTS},
  };
  HotkeyTable table;
  for (const DefaultHotkey& entry : defaults)
    table.Entries.push_back(MakeEntry(entry.Key, entry.Modifiers, entry.Command));
  return table;
}

// Points to pixels as the platform's MulDiv does it, rounding to the nearest pixel.
int PointsToHeight(int points, int pixelsPerInch) {
  return -((points * pixelsPerInch * 2 + 72) / 144);
}

FontRecord DefaultFont(int pixelsPerInch) {
  FontRecord font;
  font.lfHeight = PointsToHeight(DefaultFontPoints, pixelsPerInch);
  font.lfWeight = DefaultFontWeight;
  std::memcpy(font.lfFaceName, DefaultFontFace, sizeof DefaultFontFace);
  return font;
}

bool SameHotkey(const HotkeyEntry& a, const HotkeyEntry& b) {
  return a.Key == b.Key && ModifiersOf(a) == ModifiersOf(b) && a.Command == b.Command;
}

}  // namespace

AppSettings::AppSettings(CommonFolders folders, std::string settingsPath, SettingsPlatform& platform,
                         ErrorReporter& reporter)
    : Folders(std::move(folders)), Path(std::move(settingsPath)), Platform(platform), Reporter(reporter) {
  LoadDefaults();
}

void AppSettings::LoadDefaults() {
  DefaultExtention = "txt";
  TimeDateFormat = "%Date% %Time%";
  RemoveTrailingWhitespaceOnSave = true;
  NewLineType = 0;
  AutoIndent = true;
  TabWidth = 4;
  Maximized = false;
  OpenFilterName.clear();
  WinPos = RectRecord();
  RecentFiles = RecentFileList();
  Font = DefaultFont(Platform.ScreenPixelsPerInch());
  Schemes = ColorSchemeList();
  CustomColors.fill(0x00FFFFFF);
  Hotkeys = DefaultHotkeys();
  // The tool names the program, not the full path found, as the user would type it.
  std::string found = "cmd.exe";
  const std::string console = Platform.FindOnSearchPath(found) ? "cmd.exe" : "Command.com";
  Tools = DefaultTools(console, Folders.ProgramFilesDir, FileNameOf(Folders.ExePath));
  ToolHotkeys = HotkeyTable();
  Search.allowEscapes = true;
  Search.closeDialogOnFind = true;
  ShowLineNumbers = false;
  TabInsertsSpaces = false;
  ShowWhitespace = false;
  WordWrap = false;
  Zoom = 0;
  HighlightCaretLine = false;
  alternateClipboard.clear();
}

void AppSettings::Load() {
  int openFilterIndex = 0;
  try {
    if (!Platform.FileExists(Path)) {
      ApplyAdditions(1, true);
      AddLaterHotkeys();
    } else {
      SettingsFile file(Path, true);
      const bool heldLaterFields = Exchange(file, openFilterIndex);
      ApplyAdditions(file.GetVersion(), file.GetVersion() < 3);
      if (!heldLaterFields) AddLaterHotkeys();
    }
  } catch (const Exception& error) {
    const std::string message = error.Code == 1 ? NewerFileMessage() : error.GetMessageText();
    Reporter.ShowError(message + KeepBackup(Platform, Path));
    // Run as on a first run, plus what was read before the fault.
    ApplyAdditions(1, Schemes.Schemes.empty());
    AddLaterHotkeys();
  } catch (const FileError&) {
    // A file that cannot be read is passed over in silence; it is written anew at exit.
    ApplyAdditions(1, Schemes.Schemes.empty());
    AddLaterHotkeys();
  }
  LoadLanguageFiles(Languages, Folders, Platform, Reporter);
  if (openFilterIndex > 0) OpenFilterName = FilterName(Languages, openFilterIndex);
}

bool AppSettings::Save() {
  try {
    SettingsFile file(Path, false);
    int openFilterIndex = 0;
    Exchange(file, openFilterIndex);
    file.Save();
    return true;
  } catch (const FileError& error) {
    Reporter.ShowFileError(error);
    return false;
  }
}

void AppSettings::ApplyToView(TextView& view) {
  ApplyFont(view);
  view.AutoIndent = AutoIndent;
  view.SetTabWidth(TabWidth);
  view.SetShowLineNumbers(ShowLineNumbers);
  view.TabInsertsSpaces = TabInsertsSpaces;
  // Repaints the whole view when the display changes.
  view.SetShowWhitespace(ShowWhitespace);
  view.SetWordWrap(WordWrap);
  view.SetHighlightCaretLine(HighlightCaretLine);
  ColorScheme* scheme = Schemes.Current();
  view.SetColorScheme(scheme);
  view.SetUseSystemSelectionColor(!scheme || scheme->UsesSystemSelection());
}

void AppSettings::ApplyFont(TextView&) {}

bool AppSettings::Exchange(SettingsFile& file, int& openFilterIndex) {
  const int version = file.GetVersion();
  file.ExchangeString("DefaultExtention", DefaultExtention);
  file.ExchangeString("TimeDateFormat", TimeDateFormat);
  file.ExchangeBool("RemoveTrailingWhitespaceOnSave", RemoveTrailingWhitespaceOnSave);
  file.ExchangeInt("NewLineType", NewLineType);
  file.ExchangeBool("AutoIndent", AutoIndent);
  file.ExchangeInt("TabWidth", TabWidth);
  file.ExchangeBool("Maximized", Maximized);
  if (version < 7) file.ExchangeInt("OpenFilterIndex", openFilterIndex);
  else file.ExchangeString("OpenFilterName", OpenFilterName);
  bool useSystemSelectionColor = true;
  if (version < 3) file.ExchangeBool("UseSystemSelectionColor", useSystemSelectionColor);
  file.EndLine();
  file.ExchangeRect("WinPos", WinPos);
  file.EndLine();
  RecentFiles.Exchange(file);
  file.EndLine();
  file.ExchangeFont("Font", Font);
  file.EndLine();
  if (version < 3) Schemes.LoadOldColorTable(file, useSystemSelectionColor);
  else Schemes.Exchange(file);
  file.EndLine();
  ExchangeCustomColors(file);
  file.EndLine();
  Hotkeys.Exchange(file);
  file.EndLine();
  ExchangeTools(file, Tools);
  file.EndLine();
  file.ExchangeBool("AllowEscapedChars", Search.allowEscapes);
  file.ExchangeBool("CloseDialogOnFind", Search.closeDialogOnFind);
  if (version >= 2) {
    if (version >= 4) file.EndLine();
    file.ExchangeBool("ShowLineNumbers", ShowLineNumbers);
  }
  if (version >= 5) {
    file.ExchangeBool("TabInsertsSpaces", TabInsertsSpaces);
    file.ExchangeBool("ShowWhitespace", ShowWhitespace);
  }
  if (version >= 6) file.ExchangeBool("WordWrap", WordWrap);
  return ExchangeLaterFields(file);
}

// Fields newer than the format's version: each read only when the file holds it. The first
// of them tells a file of this release from an earlier one.
bool AppSettings::ExchangeLaterFields(SettingsFile& file) {
  const bool heldZoom = file.Holds("Zoom");
  if (heldZoom) file.ExchangeInt("Zoom", Zoom);
  Zoom = ClampZoom(Zoom);
  if (file.Holds("HighlightCaretLine")) file.ExchangeBool("HighlightCaretLine", HighlightCaretLine);
  return heldZoom;
}

void AppSettings::ExchangeCustomColors(SettingsFile& file) {
  for (int i = 0; i < CustomColorCount; ++i) {
    Colour& colour = CustomColors[static_cast<std::size_t>(i)];
    int value = static_cast<int>(colour);
    file.ExchangeInt("CustomColorsElem" + std::to_string(i), value);
    colour = static_cast<Colour>(value);
  }
}

void AppSettings::ApplyAdditions(int version, bool addSchemes) {
  if (version < 2) {
    AddHotkey('G', CtrlShift, ID_EDIT_TOGGLE_CASE);
    AddCharacterMapTool();
  }
  if (addSchemes) Schemes.AddDefaultSchemes();
  if (version < 6) {
    AddHotkey('P', Ctrl, ID_FILE_PRINT);
    AddHotkey('W', CtrlShift, ID_OPTIONS_WORD_WRAP);
  }
  if (version < 10) AddHotkey('L', Ctrl, ID_EDIT_LAST_CLIPBOARD);
}

void AppSettings::AddLaterHotkeys() {
  for (const DefaultHotkey& entry : LaterHotkeys) {
    const HotkeyEntry hotkey = MakeEntry(entry.Key, entry.Modifiers, entry.Command);
    const bool taken = std::any_of(Hotkeys.Entries.begin(), Hotkeys.Entries.end(), [&](const HotkeyEntry& existing) {
      return existing.Key == hotkey.Key && ModifiersOf(existing) == ModifiersOf(hotkey);
    });
    if (!taken) AddHotkey(entry.Key, entry.Modifiers, entry.Command);
  }
}

void AppSettings::AddHotkey(uint16_t key, int modifiers, uint16_t command) {
  const HotkeyEntry entry = MakeEntry(key, modifiers, command);
  for (const HotkeyEntry& existing : Hotkeys.Entries)
    if (SameHotkey(existing, entry)) return;
  Hotkeys.Entries.push_back(entry);
  Hotkeys.Invalidate();
}

// Only where the program exists, and never a second time: a failed load may have read the
// tool list already.
void AppSettings::AddCharacterMapTool() {
  ToolCommand tool = CharacterMapTool();
  StringList commands;
  for (const ToolCommand& existing : Tools) commands.push_back(existing.Command);
  if (FindString(commands, tool.Command, false) >= 0) return;
  if (Platform.FileExists(Platform.ExpandEnvironment(tool.Command))) Tools.push_back(tool);
}

std::string AppSettings::NewerFileMessage() const {
  return "The version of file '" + Path + "' is newer than the version of " + ProductName + ". " +
         SettingsFileName + " will be overwritten. You should back up " + SettingsFileName +
         " now if you don't want to lose your configuration data.";
}
