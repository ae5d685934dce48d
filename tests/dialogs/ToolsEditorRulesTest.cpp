// The Tools editor's rules: taking a tool's fields in their order of checks, mnemonics and
// hotkey conflicts.
#include "editor/dialogs/MnemonicCheck.h"
#include "editor/dialogs/StripMenuText.h"
#include "editor/dialogs/ToolFields.h"
#include "editor/dialogs/ToolHotkeyConflicts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

ToolFields ValidFields() {
  ToolFields fields;
  fields.Name = "&Make";
  fields.Command = "make.exe";
  fields.Arguments = "all";
  fields.InitDir = "%FileDir%";
  fields.SaveFirst = true;
  return fields;
}

ToolCommand ToolWithHotkey(const std::string& name, int key, int modifiers) {
  ToolCommand tool;
  tool.MenuItemName = name;
  tool.Command = "x.exe";
  tool.Hotkey = MakeEntry(static_cast<uint16_t>(key), modifiers, 0);
  return tool;
}

TEST(ToolFieldsTest, ExtensionsLoseBlanksAndLeadingDotsAndKeepEmptyPiecesBetweenSeparators) {
  ToolFields fields = ValidFields();
  ToolCommand tool;
  fields.Extensions = " .txt ; ..C ";
  EXPECT_EQ(StoreToolFields(fields, tool).Error, ToolFieldError::None);
  EXPECT_EQ(tool.Extensions, (Strings{"txt", "C"}));
  fields.Extensions = "c;;cpp;";
  EXPECT_EQ(StoreToolFields(fields, tool).Error, ToolFieldError::None);
  EXPECT_EQ(tool.Extensions, (Strings{"c", "", "cpp"}));
  fields.Extensions = "";
  StoreToolFields(fields, tool);
  EXPECT_TRUE(tool.Extensions.empty());
}

TEST(ToolFieldsTest, AForbiddenExtensionIsNamedAndNothingElseIsTaken) {
  ToolFields fields = ValidFields();
  fields.Extensions = "txt; a/b";
  fields.Command = "";
  ToolCommand tool;
  const ToolStoreResult result = StoreToolFields(fields, tool);
  EXPECT_EQ(result.Error, ToolFieldError::Extensions);  // before the empty command
  EXPECT_NE(result.Message.find("'a/b'"), std::string::npos);
  EXPECT_EQ(tool.MenuItemName, "New &Tool");
}

TEST(ToolFieldsTest, AnEmptyCommandIsRefusedButTheOtherFieldsAreTaken) {
  ToolFields fields = ValidFields();
  fields.Command = "";
  fields.Key = 'K';
  fields.Modifiers = 3;
  ToolCommand tool;
  const ToolStoreResult result = StoreToolFields(fields, tool);
  EXPECT_EQ(result.Error, ToolFieldError::Command);
  EXPECT_EQ(result.Message, "The command cannot be empty.");
  EXPECT_EQ(tool.MenuItemName, "&Make");
  EXPECT_EQ(tool.Hotkey.Key, 'K');
  EXPECT_EQ(ModifiersOf(tool.Hotkey), 3);
  EXPECT_EQ(tool.Hotkey.Command, 0);
}

TEST(ToolFieldsTest, FieldsOfAToolJoinOnlyItsNonEmptyExtensions) {
  ToolCommand tool = ToolWithHotkey("&Run", 0x74, 2);
  tool.Extensions = {"c", "", "cpp"};
  tool.IsFilter = true;
  const ToolFields fields = FieldsOfTool(tool);
  EXPECT_EQ(fields.Extensions, "c; cpp");
  EXPECT_EQ(fields.Key, 0x74);
  EXPECT_EQ(fields.Modifiers, 2);
  EXPECT_TRUE(fields.IsFilter);
  ToolCommand back;
  EXPECT_EQ(StoreToolFields(fields, back).Error, ToolFieldError::None);
  EXPECT_EQ(back.Extensions, (Strings{"c", "cpp"}));
}

TEST(MnemonicTest, TheFirstSingleAmpersandMarksTheLetterInUpperCase) {
  EXPECT_EQ(MnemonicOf("&run"), 'R');
  EXPECT_EQ(MnemonicOf("Save && &quit"), 'Q');
  EXPECT_EQ(MnemonicOf("A&&&b"), 'B');
  EXPECT_EQ(MnemonicOf("No mark"), 0);
  EXPECT_EQ(MnemonicOf("Ends&"), 0);
  EXPECT_EQ(MnemonicOf("Only &&"), 0);
}

TEST(MnemonicTest, DuplicatesAreReportedWithBothLinesInTheirOrder) {
  const MnemonicReport report = CheckMnemonics({"&Build", "&run", "Te&st", "&Rebuild"});
  EXPECT_TRUE(report.Duplicate);
  EXPECT_EQ(report.Message, "Duplicate mnemonic 'R' found in the following menu items:\n&run\n&Rebuild");
}

TEST(MnemonicTest, ALetterEAlwaysCollidesWithEditTools) {
  const MnemonicReport report = CheckMnemonics({"&Make", "&Explore 100%s"});
  EXPECT_TRUE(report.Duplicate);
  EXPECT_EQ(report.Message,
            "Duplicate mnemonic 'E' found in the following menu items:\n&Explore 100%s\n&Edit Tools\n\nNote that "
            "Quilvane adds the &Edit Tools menu item to the Tools menu automatically, and you cannot modify the "
            "mnemonic for the &Edit Tools menu item.");
}

TEST(MnemonicTest, NoToolsOrDistinctMnemonicsHaveNoDuplicates) {
  for (const Strings& names : {Strings{}, Strings{"&One", "&Two", "Plain", "Plain"}}) {
    const MnemonicReport report = CheckMnemonics(names);
    EXPECT_FALSE(report.Duplicate);
    EXPECT_EQ(report.Message, "There are no duplicate mnemonics.");
  }
}

TEST(StripMenuTextTest, RemovesAmpersandsAndEllipses) {
  EXPECT_EQ(StripMenuText("&Open...\tCtrl+O"), "Open\tCtrl+O");
  EXPECT_EQ(StripMenuText("Save && Go.."), "Save  Go..");
  EXPECT_EQ(StripMenuText("A.....B"), "A..B");
}

TEST(ToolHotkeyTest, CheckFindsAnotherToolFirstThenAMainMenuCommand) {
  HotkeyTable main;
  main.Entries = {MakeEntry('F', ControlModifier, 32784), MakeEntry('G', ControlModifier, 32793)};
  const ToolList tools = {ToolWithHotkey("&Build...", 'G', ControlModifier), ToolWithHotkey("&Run", 'R', 0)};
  HotkeyCheck check = CheckToolHotkey(tools, 1, 'G', ControlModifier, main);
  EXPECT_TRUE(check.Conflict);
  EXPECT_EQ(check.Message, "This hotkey conflicts with the hotkey for Build.");
  check = CheckToolHotkey(tools, 0, 'G', ControlModifier, main);  // itself skipped: the main menu's
  EXPECT_TRUE(check.Conflict);
  EXPECT_EQ(check.Message.rfind("This hotkey conflicts with the hotkey for a menu item that is not in the Tools menu.", 0),
            0u);
  check = CheckToolHotkey(tools, 0, 'F', ControlModifier | ShiftModifier, main);
  EXPECT_FALSE(check.Conflict);
  EXPECT_EQ(check.Message, "This hotkey has no conflicts.");
  EXPECT_FALSE(CheckToolHotkey(tools, -1, 0, ControlModifier, main).Conflict);
}

TEST(ToolHotkeyTest, ScanOnOkFindsTheFirstToolInConflict) {
  HotkeyTable main;
  main.Entries = {MakeEntry('F', ControlModifier, 32784)};
  ToolList tools = {ToolWithHotkey("A", 0, 0), ToolWithHotkey("B", 'X', AltModifier),
                    ToolWithHotkey("C", 'F', ControlModifier), ToolWithHotkey("D", 'X', AltModifier)};
  EXPECT_EQ(FindConflictingTool(tools, main), 1);  // with the later D
  tools[3].Hotkey = MakeEntry('X', ShiftModifier, 0);
  EXPECT_EQ(FindConflictingTool(tools, main), 2);  // with the main table
  tools[2].Hotkey = MakeEntry(0, ControlModifier, 0);
  tools[0].Hotkey = MakeEntry(0, ControlModifier, 0);
  EXPECT_EQ(FindConflictingTool(tools, main), -1);  // keys 0 never conflict
}

}  // namespace
