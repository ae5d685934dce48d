// Quilvane.ini: the first-run file, every field through save and load, older, newer and damaged files.
#include "editor/shell/AppSettings.h"

#include "editor/resources/resource.h"
#include "tests/shell/FirstRunFile.h"
#include "tests/shell/SettingsFakes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <tuple>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

Strings SplitLines(const std::string& text, const std::string& lineEnd) {
  Strings lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(lineEnd, start)) != std::string::npos; start = end + lineEnd.size())
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::string CrLf(const std::string& text) {
  std::string result;
  for (char c : text) result += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return result;
}

struct AppSettingsTest : ::testing::Test {
  AppSettings& Fresh() {
    Settings = std::make_unique<AppSettings>(Scene.Folders, Scene.SettingsPath(), Scene.Platform, Scene.Reporter);
    return *Settings;
  }
  AppSettings& LoadText(const std::string& text) {
    Scene.Scratch.WriteBytes("Quilvane.ini", text);
    Fresh().Load();
    return *Settings;
  }
  std::string SavedText() {
    EXPECT_TRUE(Settings->Save());
    return Scene.Scratch.ReadBytes("Quilvane.ini");
  }
  // Where in the hotkey table the entry is, or -1.
  int HotkeyIndex(uint16_t key, int modifiers, uint16_t command) const {
    const std::vector<HotkeyEntry>& entries = Settings->Hotkeys.Entries;
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (entries[i].Key == key && ModifiersOf(entries[i]) == modifiers && entries[i].Command == command)
        return static_cast<int>(i);
    return -1;
  }
  int CountTools(const std::string& name) const {
    int count = 0;
    for (const ToolCommand& tool : Settings->Tools) count += tool.MenuItemName == name;
    return count;
  }
  Strings SchemeNames() const {
    Strings names;
    for (const RefPtr<ColorScheme>& scheme : Settings->Schemes.Schemes) names.push_back(scheme->Name);
    return names;
  }

  SettingsScene Scene;
  std::unique_ptr<AppSettings> Settings;
};

// Every stored value away from its default.
void ChangeEveryField(AppSettings& s) {
  s.DefaultExtention = "cpp";
  s.TimeDateFormat = "%Time% = now";
  s.RemoveTrailingWhitespaceOnSave = false;
  s.NewLineType = 2;
  s.AutoIndent = false;
  s.TabWidth = 8;
  s.Maximized = true;
  s.OpenFilterName = "C++";
  s.WinPos = RectRecord{-5, 10, 700, 500};
  s.RecentFiles.SetMax(3);
  s.RecentFiles.Add("C:\\one.txt");
  s.RecentFiles.Add("D:\\two words.cpp");
  s.Font.lfHeight = -17;
  s.Font.lfWidth = 3;
  s.Font.lfEscapement = 900;
  s.Font.lfOrientation = 450;
  s.Font.lfWeight = 700;
  s.Font.lfItalic = 1;
  s.Font.lfUnderline = 1;
  s.Font.lfStrikeOut = 1;
  s.Font.lfCharSet = 204;
  s.Font.lfOutPrecision = 3;
  s.Font.lfClipPrecision = 2;
  s.Font.lfQuality = 5;
  s.Font.lfPitchAndFamily = 49;
  std::strcpy(s.Font.lfFaceName, "Lucida Console");
  s.Schemes.Schemes.erase(s.Schemes.Schemes.begin());
  s.Schemes.Schemes.push_back(new ColorScheme("", 1, {1, 2, 3, 4, 5, 0x01FFFFFF}));
  s.Schemes.CurrentColorScheme = 3;
  for (int i = 0; i < CustomColorCount; ++i) s.CustomColors[static_cast<std::size_t>(i)] = 0x10101u * i;
  s.Hotkeys.Entries.erase(s.Hotkeys.Entries.begin());
  s.Hotkeys.Entries.push_back(MakeEntry('Q', AltModifier | ShiftModifier, ID_FILE_EXIT));
  s.Tools.pop_back();
  s.Tools[0].IsFilter = true;
  s.Tools[1].Extensions = {"htm", "html"};
  s.Search.allowEscapes = false;
  s.Search.closeDialogOnFind = false;
  s.ShowLineNumbers = true;
  s.TabInsertsSpaces = true;
  s.ShowWhitespace = true;
  s.WordWrap = true;
  s.Zoom = -2;
  s.HighlightCaretLine = true;
}

// A settings file of an older version with one recognisable value in each field, composed
// in the order that version had. Its hotkey table holds Ctrl+N and Ctrl+P.
// laterFields: with the fields that came after WordWrap, as this release writes them.
std::string OldFile(int version, bool laterFields = false) {
  std::string text = "Version=" + std::to_string(version) + "\n\n";
  text += "DefaultExtention=c\nTimeDateFormat=%Date%\nRemoveTrailingWhitespaceOnSave=False\nNewLineType=1\n"
          "AutoIndent=False\nTabWidth=3\nMaximized=True\n";
  text += version < 7 ? "OpenFilterIndex=2\n" : "OpenFilterName=cpp\n";
  if (version < 3) text += "UseSystemSelectionColor=False\n";
  text += "\nWinPosTop=1\nWinPosLeft=2\nWinPosBottom=3\nWinPosRight=4\n";
  text += "\nMaxRecentFiles=4\nRecentFilesCount=1\n=C:\\old.txt\n";
  text += "\nFontHeight=-20\nFontWidth=0\nFontEscapement=0\nFontOrientation=0\nFontWeight=700\nFontItalic=True\n"
          "FontUnderline=False\nFontStrikeOut=False\nFontCharSet=0\nFontOutPrecision=0\nFontClipPrecision=0\n"
          "FontQuality=0\nFontPitchAndFamily=0\nFontFaceName=Fixedsys\n\n";
  const std::string colors = "PlainTextColor=1\nCommentColor=2\nKeywordColor=3\nSymbolColor=4\nStringColor=5\n"
                             "BackgroundColor=6\n";
  text += version < 3 ? colors : "CurrentColorScheme=0\nColorSchemeCount=1\nName=Mine\nSelColor=0\n" + colors;
  text += "\n";
  for (int i = 0; i < CustomColorCount; ++i) text += "CustomColorsElem" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  text += "\nAcceleratorTableCount=2\nCommand=57600\nKey=78\nFlags=9\nCommand=57607\nKey=80\nFlags=9\n";
  text += "\nCommandsCount=1\nMenuItemName=&Make\nCommand=make.exe\nArguments=all\nInitDir=%FileDir%\n"
          "SaveFileBeforeExecuting=True\nExtensionsCount=0\nCommand=0\nKey=0\nFlags=0\n";
  if (version >= 9) text += "IsFilter=True\n";
  text += "\nAllowEscapedChars=False\nCloseDialogOnFind=False\n";
  if (version >= 2) text += std::string(version >= 4 ? "\n" : "") + "ShowLineNumbers=True\n";
  if (version >= 5) text += "TabInsertsSpaces=True\nShowWhitespace=True\n";
  if (version >= 6) text += "WordWrap=True\n";
  if (laterFields) text += "Zoom=2\nHighlightCaretLine=True\n";
  return CrLf(text);
}

std::string LanguageFile(const std::string& extension) {
  return CrLf("Version=10\n\nExtensionsCount=1\n=" + extension + "\nMatchCase=True\n\nLangElemCount=0\n\n");
}

TEST_F(AppSettingsTest, AFirstRunWritesTheDefaultsInTheDocumentedOrder) {
  Fresh().Load();
  const std::string saved = SavedText();
  ASSERT_EQ(saved.substr(saved.size() - 2), "\r\n");
  const Strings actual = SplitLines(saved, "\r\n");
  const Strings expected = SplitLines(FirstRunText, "\n");
  for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
    ASSERT_LT(i, actual.size()) << "missing line " << i + 1 << ": " << expected[i];
    ASSERT_LT(i, expected.size()) << "extra line " << i + 1 << ": " << actual[i];
    EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
  }
  EXPECT_TRUE(Scene.Reporter.Errors.empty());
}

TEST_F(AppSettingsTest, WithoutCmdExeOrCharmapTheConsoleIsCommandComAndNoCharacterMap) {
  Scene.Platform.SearchPath.clear();
  Scene.Platform.PretendedFiles.clear();
  Fresh().Load();
  ASSERT_EQ(Settings->Tools.size(), 5u);
  EXPECT_EQ(Settings->Tools[0].Command, "Command.com");
  EXPECT_EQ(CountTools("Character &Map"), 0);
}

TEST_F(AppSettingsTest, TheDefaultFontFollowsTheScreensPixelsPerInch) {
  Scene.Platform.PixelsPerInch = 120;
  EXPECT_EQ(Fresh().Font.lfHeight, -17);  // 10 points of 120/72 pixels, rounded
  EXPECT_STREQ(Settings->Font.lfFaceName, "Courier New");
  EXPECT_EQ(Settings->Font.lfWeight, 400);
}

TEST_F(AppSettingsTest, EveryFieldSurvivesSavingAndLoading) {
  Fresh().Load();
  ChangeEveryField(*Settings);
  const std::string saved = SavedText();
  AppSettings& loaded = Fresh();
  loaded.Load();
  EXPECT_TRUE(Scene.Reporter.Errors.empty());
  EXPECT_EQ(SavedText(), saved);
  EXPECT_EQ(loaded.DefaultExtention, "cpp");
  EXPECT_EQ(loaded.TimeDateFormat, "%Time% = now");
  EXPECT_FALSE(loaded.RemoveTrailingWhitespaceOnSave);
  EXPECT_EQ(loaded.NewLineType, 2);
  EXPECT_FALSE(loaded.AutoIndent);
  EXPECT_EQ(loaded.TabWidth, 8);
  EXPECT_TRUE(loaded.Maximized);
  EXPECT_EQ(loaded.OpenFilterName, "C++");
  EXPECT_EQ(std::make_tuple(loaded.WinPos.left, loaded.WinPos.top, loaded.WinPos.right, loaded.WinPos.bottom),
            std::make_tuple(-5, 10, 700, 500));
  EXPECT_EQ(loaded.RecentFiles.GetMax(), 3);
  EXPECT_EQ(loaded.RecentFiles.Paths(), (Strings{"D:\\two words.cpp", "C:\\one.txt"}));
  EXPECT_EQ(std::make_tuple(loaded.Font.lfHeight, loaded.Font.lfWidth, loaded.Font.lfEscapement,
                            loaded.Font.lfOrientation, loaded.Font.lfWeight),
            std::make_tuple(-17, 3, 900, 450, 700));
  EXPECT_EQ(std::make_tuple(loaded.Font.lfItalic, loaded.Font.lfUnderline, loaded.Font.lfStrikeOut,
                            loaded.Font.lfCharSet, loaded.Font.lfOutPrecision, loaded.Font.lfClipPrecision,
                            loaded.Font.lfQuality, loaded.Font.lfPitchAndFamily),
            std::make_tuple(1, 1, 1, 204, 3, 2, 5, 49));
  EXPECT_STREQ(loaded.Font.lfFaceName, "Lucida Console");
  EXPECT_EQ(SchemeNames(), (Strings{"Ocean", "Forest", "Space", ""}));
  ASSERT_NE(loaded.Schemes.Current(), nullptr);
  EXPECT_EQ(loaded.Schemes.Current()->Colors[5], 0x01FFFFFFu);
  EXPECT_EQ(loaded.Schemes.Current()->SelColor, 1);
  EXPECT_EQ(loaded.CustomColors[15], 0x0F0F0Fu);
  EXPECT_EQ(loaded.Hotkeys.Entries.size(), 33u);
  EXPECT_EQ(HotkeyIndex('Q', AltModifier | ShiftModifier, ID_FILE_EXIT), 32);
  EXPECT_EQ(HotkeyIndex('N', ControlModifier, ID_FILE_NEW), -1);
  ASSERT_EQ(loaded.Tools.size(), 5u);
  EXPECT_TRUE(loaded.Tools[0].IsFilter);
  EXPECT_EQ(loaded.Tools[1].Extensions, (Strings{"htm", "html"}));
  EXPECT_EQ(CountTools("Character &Map"), 0);
  EXPECT_FALSE(loaded.Search.allowEscapes);
  EXPECT_FALSE(loaded.Search.closeDialogOnFind);
  EXPECT_TRUE(loaded.ShowLineNumbers);
  EXPECT_TRUE(loaded.TabInsertsSpaces);
  EXPECT_TRUE(loaded.ShowWhitespace);
  EXPECT_TRUE(loaded.WordWrap);
  EXPECT_EQ(loaded.Zoom, -2);
  EXPECT_TRUE(loaded.HighlightCaretLine);
}

TEST_F(AppSettingsTest, ACurrentFileGainsNothing) {
  AppSettings& loaded = LoadText(OldFile(10, true));
  EXPECT_TRUE(Scene.Reporter.Errors.empty());
  EXPECT_EQ(loaded.Hotkeys.Entries.size(), 2u);
  EXPECT_EQ(loaded.Zoom, 2);
  EXPECT_TRUE(loaded.HighlightCaretLine);
  EXPECT_EQ(SchemeNames(), (Strings{"Mine"}));
  ASSERT_EQ(loaded.Tools.size(), 1u);
  EXPECT_TRUE(loaded.Tools[0].IsFilter);
  EXPECT_EQ(loaded.OpenFilterName, "cpp");
  EXPECT_EQ(SavedText(), OldFile(10, true));
}

TEST_F(AppSettingsTest, AVersionFiveFileHasNoWordWrapAndSavingAddsIt) {
  AppSettings& loaded = LoadText(OldFile(5));
  EXPECT_TRUE(Scene.Reporter.Errors.empty());
  EXPECT_TRUE(loaded.ShowLineNumbers);
  EXPECT_TRUE(loaded.TabInsertsSpaces);
  EXPECT_TRUE(loaded.ShowWhitespace);
  EXPECT_FALSE(loaded.WordWrap);
  EXPECT_FALSE(loaded.Tools[0].IsFilter);
  const std::string saved = SavedText();
  EXPECT_EQ(saved.substr(0, 14), "Version=10\r\n\r\n");
  const std::string end =
      "TabInsertsSpaces=True\r\nShowWhitespace=True\r\nWordWrap=False\r\nZoom=0\r\nHighlightCaretLine=False\r\n";
  ASSERT_GT(saved.size(), end.size());
  EXPECT_EQ(saved.substr(saved.size() - end.size()), end);
}

TEST_F(AppSettingsTest, AVersionSixFileGainsLastClipboardAndKeepsEverythingElse) {
  std::string text = OldFile(6);
  const std::string printEntry = "Command=57607\r\nKey=80\r\nFlags=9\r\n";
  text.replace(text.find("AcceleratorTableCount=2"), 23, "AcceleratorTableCount=3");
  text.insert(text.find(printEntry) + printEntry.size(), "Command=32811\r\nKey=87\r\nFlags=13\r\n");
  AppSettings& loaded = LoadText(text);
  EXPECT_TRUE(Scene.Reporter.Errors.empty());
  ASSERT_EQ(loaded.Hotkeys.Entries.size(), 10u);
  EXPECT_EQ(HotkeyIndex('L', ControlModifier, ID_EDIT_LAST_CLIPBOARD), 3);
  EXPECT_EQ(SchemeNames(), (Strings{"Mine"}));
  EXPECT_EQ(loaded.Tools.size(), 1u);
  EXPECT_TRUE(loaded.WordWrap);
  EXPECT_EQ(loaded.TabWidth, 3);
  EXPECT_EQ(loaded.RecentFiles.Paths(), (Strings{"C:\\old.txt"}));
  EXPECT_STREQ(loaded.Font.lfFaceName, "Fixedsys");
  EXPECT_EQ(loaded.CustomColors[9], 9u);
}

TEST_F(AppSettingsTest, AVersionTwoFileGainsSchemesAndHotkeysOnceAndNamesItsFilter) {
  Scene.WriteFile("shared\\Languages\\cpp.lang", LanguageFile("cpp"));
  AppSettings& loaded = LoadText(OldFile(2));
  EXPECT_TRUE(Scene.Reporter.Errors.empty());
  EXPECT_EQ(SchemeNames(), (Strings{"Custom Color Scheme", "Sky", "Ocean", "Forest", "Space"}));
  EXPECT_EQ(loaded.Schemes.CurrentColorScheme, 0);
  EXPECT_EQ(loaded.Schemes.Schemes[0]->SelColor, 0);
  EXPECT_EQ(loaded.Schemes.Schemes[0]->Colors[5], 6u);
  // Ctrl+P was there already; Ctrl+Shift+W and Ctrl+L come behind, Toggle Case is older.
  ASSERT_EQ(loaded.Hotkeys.Entries.size(), 10u);
  EXPECT_EQ(HotkeyIndex('P', ControlModifier, ID_FILE_PRINT), 1);
  EXPECT_EQ(HotkeyIndex('W', ControlModifier | ShiftModifier, ID_OPTIONS_WORD_WRAP), 2);
  EXPECT_EQ(HotkeyIndex('L', ControlModifier, ID_EDIT_LAST_CLIPBOARD), 3);
  EXPECT_EQ(CountTools("Character &Map"), 0);
  EXPECT_TRUE(loaded.ShowLineNumbers);
  EXPECT_FALSE(loaded.TabInsertsSpaces);
  EXPECT_EQ(loaded.OpenFilterName, "cpp");
  EXPECT_NE(SavedText().find("\r\nOpenFilterName=cpp\r\n\r\nWinPosTop=1\r\n"), std::string::npos);
}

TEST_F(AppSettingsTest, AVersionOneFileGainsToggleCaseAndTheCharacterMap) {
  std::string text = OldFile(2);
  text.replace(0, 9, "Version=1");
  text.erase(text.find("ShowLineNumbers=True\r\n"));
  AppSettings& loaded = LoadText(text);
  EXPECT_TRUE(Scene.Reporter.Errors.empty());
  EXPECT_EQ(HotkeyIndex('G', ControlModifier | ShiftModifier, ID_EDIT_TOGGLE_CASE), 2);
  ASSERT_EQ(loaded.Tools.size(), 2u);
  EXPECT_EQ(loaded.Tools[1].MenuItemName, "Character &Map");
  EXPECT_EQ(loaded.Tools[1].Hotkey.Key, 'M');
  EXPECT_FALSE(loaded.ShowLineNumbers);
}

TEST_F(AppSettingsTest, ANewerFileIsReportedKeptAsACopyAndTheProgramRunsAsOnAFirstRun) {
  const std::string newer = CrLf("Version=11\n\nDefaultExtention=pas\n");
  Scene.Scratch.WriteBytes("Quilvane.ini.bak", "an older backup");
  LoadText(newer);
  EXPECT_EQ(Scene.Reporter.Errors,
            (Strings{"The version of file '" + Scene.SettingsPath() +
                     "' is newer than the version of Quilvane. Quilvane.ini will be overwritten. You should "
                     "back up Quilvane.ini now if you don't want to lose your configuration data.\n\nA copy was "
                     "kept as '" + Scene.SettingsPath() + ".bak'."}));
  EXPECT_EQ(SavedText(), CrLf(FirstRunText));
  EXPECT_EQ(Scene.Scratch.ReadBytes("Quilvane.ini.bak"), newer);
}

TEST_F(AppSettingsTest, ADamagedToolListKeepsWhatCameBeforeAndGetsTheFirstRunTools) {
  Fresh().Load();
  ChangeEveryField(*Settings);
  std::string text = SavedText();
  text.replace(text.find("CommandsCount="), 14, "CommandCount=");
  AppSettings& loaded = LoadText(text);
  EXPECT_EQ(Scene.Reporter.Errors,
            (Strings{"Could not find field 'CommandsCount' when loading file '" + Scene.SettingsPath() +
                     "'. The file may be corrupted. You should either replace the file with a valid copy or "
                     "delete the file from disk.\n\nA copy was kept as '" + Scene.SettingsPath() + ".bak'."}));
  EXPECT_EQ(Scene.Scratch.ReadBytes("Quilvane.ini.bak"), text);
  EXPECT_EQ(loaded.TabWidth, 8);
  EXPECT_EQ(SchemeNames(), (Strings{"Ocean", "Forest", "Space", ""}));
  EXPECT_EQ(HotkeyIndex('Q', AltModifier | ShiftModifier, ID_FILE_EXIT), 32);
  EXPECT_EQ(loaded.Hotkeys.Entries.size(), 33u);  // the table read already had the additions
  ASSERT_EQ(loaded.Tools.size(), 6u);
  EXPECT_FALSE(loaded.Tools[0].IsFilter);
  EXPECT_EQ(CountTools("Character &Map"), 1);
  EXPECT_FALSE(loaded.ShowLineNumbers);  // behind the fault: the default
}

TEST_F(AppSettingsTest, DamageBeforeTheSchemesGivesTheFourSchemesAndTheFirstRunHotkeys) {
  std::string text = OldFile(10);
  text.replace(text.find("FontWeight="), 11, "FontWieght=");
  AppSettings& loaded = LoadText(text);
  ASSERT_EQ(Scene.Reporter.Errors.size(), 1u);
  EXPECT_NE(Scene.Reporter.Errors[0].find("'FontWeight'"), std::string::npos);
  EXPECT_EQ(loaded.Font.lfHeight, -20);
  EXPECT_EQ(loaded.Font.lfWeight, 400);
  EXPECT_EQ(SchemeNames(), (Strings{"Sky", "Ocean", "Forest", "Space"}));
  EXPECT_EQ(loaded.Hotkeys.Entries.size(), 33u);
  EXPECT_EQ(loaded.Tools.size(), 6u);
  EXPECT_EQ(loaded.TabWidth, 3);
  // The rest of the file as a first run has it: saved again, it is the first-run file but for
  // what was read before the fault.
  EXPECT_NE(SavedText().find("FontFaceName=Courier New\r\n"), std::string::npos);
}

TEST_F(AppSettingsTest, DamageBehindTheToolsAddsNoSecondCharacterMap) {
  Fresh().Load();
  std::string text = SavedText();
  text.replace(text.find("AllowEscapedChars="), 18, "AllowEscapedChar=");
  AppSettings& loaded = LoadText(text);
  EXPECT_EQ(Scene.Reporter.Errors.size(), 1u);
  EXPECT_EQ(CountTools("Character &Map"), 1);
  EXPECT_EQ(loaded.Hotkeys.Entries.size(), 33u);
  EXPECT_EQ(loaded.Schemes.Schemes.size(), 4u);
}

TEST_F(AppSettingsTest, AFileThatCannotBeReadIsPassedOverSilently) {
  Scene.Platform.PretendedFiles.insert(Scene.SettingsPath());  // there, but it cannot be opened
  Fresh().Load();
  EXPECT_TRUE(Scene.Reporter.Errors.empty());
  EXPECT_EQ(Settings->Tools.size(), 6u);
  EXPECT_EQ(Settings->Schemes.Schemes.size(), 4u);
  EXPECT_EQ(Settings->Hotkeys.Entries.size(), 33u);
}

TEST_F(AppSettingsTest, AFailedSaveIsReportedWithTheFileName) {
  const std::string path = Scene.Scratch.Path("missing folder") + "/Quilvane.ini";
  AppSettings settings(Scene.Folders, path, Scene.Platform, Scene.Reporter);
  EXPECT_FALSE(settings.Save());
  EXPECT_EQ(Scene.Reporter.FileErrors, (Strings{path}));
}

TEST_F(AppSettingsTest, LoadingAlsoLoadsTheLanguageFiles) {
  Scene.WriteFile("program\\pascal.lang", LanguageFile("pas"));
  Fresh().Load();
  ASSERT_EQ(Settings->Languages.Languages.size(), 1u);
  EXPECT_EQ(Settings->Languages.FindByExtension("PAS")->Name, "pascal");
}

}  // namespace

TEST_F(AppSettingsTest, ADamagedFileThatCannotBeCopiedSaysSo) {
  std::filesystem::create_directory(Scene.Scratch.Path("Quilvane.ini.bak"));
  LoadText(CrLf("Version=10\n\nDefaultExtension=txt\n"));
  ASSERT_EQ(Scene.Reporter.Errors.size(), 1u);
  const std::string& message = Scene.Reporter.Errors[0];
  EXPECT_EQ(message.substr(message.find("\n\n")),
            "\n\nNo copy could be kept as '" + Scene.SettingsPath() + ".bak'; the file will be overwritten.");
}

// A file of an earlier release ends at WordWrap: it loads, gets the keys of the commands
// that came since where the user's table leaves them free, and is written with the new fields.
TEST_F(AppSettingsTest, AFileWithoutTheLaterFieldsGainsTheirKeysWhereFree) {
  std::string text = OldFile(10);
  const std::string printEntry = "Command=57607\r\nKey=80\r\nFlags=9\r\n";
  text.replace(text.find("AcceleratorTableCount=2"), 23, "AcceleratorTableCount=3");
  text.insert(text.find(printEntry) + printEntry.size(), "Command=32775\r\nKey=48\r\nFlags=9\r\n");  // Ctrl+0: Exit
  AppSettings& loaded = LoadText(text);
  EXPECT_TRUE(Scene.Reporter.Errors.empty());
  EXPECT_EQ(loaded.Hotkeys.Entries.size(), 8u);
  EXPECT_EQ(HotkeyIndex(0xDD, ControlModifier, ID_SEARCH_MATCH_BRACE), 3);
  EXPECT_NE(HotkeyIndex(0xBB, ControlModifier, ID_OPTIONS_ZOOM_IN), -1);
  EXPECT_NE(HotkeyIndex(0x6D, ControlModifier, ID_OPTIONS_ZOOM_OUT), -1);
  EXPECT_EQ(HotkeyIndex('0', ControlModifier, ID_OPTIONS_ZOOM_RESET), -1);
  EXPECT_EQ(HotkeyIndex('0', ControlModifier, ID_FILE_EXIT), 2);
  EXPECT_EQ(loaded.Zoom, 0);
  EXPECT_FALSE(loaded.HighlightCaretLine);
  const std::string saved = SavedText();
  const std::string end = "WordWrap=True\r\nZoom=0\r\nHighlightCaretLine=False\r\n";
  EXPECT_EQ(saved.substr(saved.size() - end.size()), end);
}

TEST_F(AppSettingsTest, AZoomBeyondTheScaleIsTakenAsItsEnd) {
  std::string text = OldFile(10, true);
  text.replace(text.find("Zoom=2"), 6, "Zoom=99");
  EXPECT_EQ(LoadText(text).Zoom, 9);
  text.replace(text.find("Zoom=99"), 7, "Zoom=-40");
  EXPECT_EQ(LoadText(text).Zoom, -5);
}
