// The Hotkeys editor's rules: listing a menu tree with paths, rewriting lines, conflicts and
// the tables made on OK.
#include "editor/dialogs/HotkeyItems.h"
#include "editor/dialogs/MenuListing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

MenuNode Item(unsigned id, const std::string& text) {
  MenuNode node;
  node.Id = id;
  node.Text = text;
  return node;
}

MenuNode Separator() {
  MenuNode node;
  node.IsSeparator = true;
  return node;
}

MenuNode Popup(const std::string& text, std::vector<MenuNode> children) {
  MenuNode node;
  node.Text = text;
  node.IsPopup = true;
  node.Children = std::move(children);
  return node;
}

// A File and a Search menu with a nested submenu, and a Tools menu with one tool (40000).
std::vector<MenuNode> SampleMenu() {
  return {Popup("&File", {Item(1, "&Open...\tCtrl+O"), Separator(), Popup("&Recent", {}), Item(2, "E&xit")}),
          Popup("&Search", {Item(3, "&Find...\tCtrl+F"), Item(4, "&Replace...\tCtrl+H"),
                            Popup("&More", {Item(5, "&Deeper")})}),
          Popup("&Tools", {Item(40000, "&Make\tF7"), Separator(), Item(6, "&Edit Tools...")})};
}

MenuListing ListSample(HotkeyTable& main, HotkeyTable& tools) {
  main.Entries = {MakeEntry('O', 2, 1), MakeEntry('F', 2, 3), MakeEntry('H', 2, 4), MakeEntry(0, 0, 2)};
  tools.Entries = {MakeEntry(0x76, 0, 40000), MakeEntry('X', 4, 2)};
  MenuListing listing;
  ListMenu(SampleMenu(), "", "", main, tools, listing);
  return listing;
}

TEST(MenuListingTest, SubmenusAreLinesOfTheirOwnWithTheirItemsIndentedAndSeparatorsSkipped) {
  HotkeyTable main, tools;
  const MenuListing listing = ListSample(main, tools);
  EXPECT_EQ(listing.Lines, (Strings{"File", "    Open (Ctrl+O)", "    Recent", "    Exit", "Search",
                                    "    Find (Ctrl+F)", "    Replace (Ctrl+H)", "    More", "        Deeper",
                                    "Tools", "    Make (F7)", "    Edit Tools"}));
  ASSERT_EQ(listing.Items.size(), listing.Lines.size());
  EXPECT_EQ(listing.Items[6].Path, "Search>>Replace");
  EXPECT_EQ(listing.Items[8].Path, "Search>>More>>Deeper");
  EXPECT_EQ(listing.Items[0].Path, "File");
  EXPECT_FALSE(listing.Items[7].IsCommand);
  EXPECT_TRUE(listing.Items[8].IsCommand);
}

TEST(MenuListingTest, HotkeysComeFromTheMainTableFirstThenTheToolsTable) {
  HotkeyTable main, tools;
  const MenuListing listing = ListSample(main, tools);
  EXPECT_EQ(listing.Items[1].Key, 'O');
  EXPECT_EQ(listing.Items[1].Modifiers, 2);
  EXPECT_EQ(listing.Items[3].Key, 0);  // Exit's main entry without a key wins over the tools table
  EXPECT_EQ(listing.Items[10].Key, 0x76);
  EXPECT_EQ(listing.Items[10].CommandId, 40000u);
  EXPECT_EQ(listing.Items[2].Key, 0);
}

TEST(MenuListingTest, ALineGetsItsNewHotkeyOrLosesItsParentheses) {
  EXPECT_EQ(LineWithHotkey("    Find (Ctrl+F)", "Alt+F"), "    Find (Alt+F)");
  EXPECT_EQ(LineWithHotkey("    Find (Ctrl+F)", ""), "    Find");
  EXPECT_EQ(LineWithHotkey("    Exit", "F10"), "    Exit (F10)");
  EXPECT_EQ(LineWithHotkey("    Exit", ""), "    Exit");
}

TEST(HotkeyItemsTest, AConflictIsTheFirstOtherItemWithTheSameKeyAndModifiers) {
  std::vector<HotkeyItem> items(4);
  items[0].Key = 'F';
  items[0].Modifiers = 2;
  items[1].Key = 'F';
  items[1].Modifiers = 3;
  items[2].Key = 'F';
  items[2].Modifiers = 2;
  items[3].Key = 'F';
  items[3].Modifiers = 2;
  EXPECT_EQ(FindHotkeyConflict(items, 3), 0);
  EXPECT_EQ(FindHotkeyConflict(items, 0), 2);
  EXPECT_EQ(FindHotkeyConflict(items, 1), -1);
  items[0].Key = 0;
  items[1].Key = 0;
  items[1].Modifiers = 0;
  EXPECT_EQ(FindHotkeyConflict(items, 0), -1);  // no key, no conflict, even with another keyless item
  EXPECT_EQ(FindHotkeyConflict(items, -1), -1);
}

TEST(HotkeyItemsTest, OkGivesToolsTheirHotkeysAndTheMainTableEveryOtherCommandInMenuOrder) {
  HotkeyTable main, toolsTable;
  MenuListing listing = ListSample(main, toolsTable);
  ToolList tools(1);
  tools[0].Hotkey = MakeEntry(0x76, 0, 40000);
  listing.Items[10].Key = 'M';
  listing.Items[10].Modifiers = 2;
  listing.Items[5].Key = 0;  // Find loses its hotkey
  ApplyHotkeyItems(listing.Items, tools, main, toolsTable);
  std::vector<unsigned> ids;
  for (const HotkeyEntry& entry : main.Entries) ids.push_back(entry.Command);
  EXPECT_EQ(ids, (std::vector<unsigned>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(main.FindCommand('O', 2), 1);
  EXPECT_EQ(main.FindCommand('F', 2), 0);
  EXPECT_EQ(main.FindByCommand(3)->Key, 0);
  ASSERT_EQ(toolsTable.Entries.size(), 1u);
  EXPECT_EQ(toolsTable.FindCommand('M', 2), 40000);
  EXPECT_EQ(tools[0].Hotkey.Key, 'M');
  EXPECT_EQ(ModifiersOf(tools[0].Hotkey), 2);
  EXPECT_EQ(tools[0].Hotkey.Command, 40000);
}

}  // namespace
