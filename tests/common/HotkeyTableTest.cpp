// Tests of the hotkey entries: flag conversion, lookups, menu texts and storage.
#include "common/HotkeyTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/SettingsFile.h"

namespace {

constexpr int VkF = 'F';
constexpr int VkF5 = 0x74;

std::string TempFile(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteAll(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

TEST(HotkeyEntryTest, ModifiersMapToFlagsAndBack) {
  EXPECT_EQ(MakeEntry(VkF, 0, 7).Flags, 0x01);
  EXPECT_EQ(MakeEntry(VkF, ControlModifier, 7).Flags, 9);
  EXPECT_EQ(MakeEntry(VkF, ShiftModifier, 7).Flags, 5);
  EXPECT_EQ(MakeEntry(VkF, AltModifier, 7).Flags, 17);
  EXPECT_EQ(MakeEntry(VkF, 7, 7).Flags, 0x1D);
  for (int modifiers = 0; modifiers < 8; ++modifiers) {
    EXPECT_EQ(ModifiersOf(MakeEntry(VkF, modifiers, 7)), modifiers);
  }
  // The extended-key bit of the hotkey control is not a modifier.
  EXPECT_EQ(MakeEntry(VkF, 8 | ControlModifier, 7).Flags, 9);
  HotkeyEntry fresh;
  EXPECT_EQ(fresh.Key, 0);
  EXPECT_EQ(ModifiersOf(fresh), 0);
}

TEST(HotkeyTableTest, LookupsTakeTheFirstMatchInOrder) {
  HotkeyTable table;
  table.Entries = {MakeEntry(VkF, ControlModifier, 100), MakeEntry(VkF, ControlModifier, 200),
                   MakeEntry(VkF5, ShiftModifier, 100), MakeEntry(0, 0, 300)};
  EXPECT_EQ(table.FindCommand(VkF, ControlModifier), 100);
  EXPECT_EQ(table.FindCommand(VkF, ControlModifier | ShiftModifier), 0);
  EXPECT_EQ(table.FindCommand(VkF5, ShiftModifier), 100);
  EXPECT_EQ(table.FindCommand(0, 0), 0);  // key 0 is no hotkey, even though an entry has it

  ASSERT_NE(table.FindByCommand(100), nullptr);
  EXPECT_EQ(table.FindByCommand(100), &table.Entries[0]);
  EXPECT_EQ(table.FindByCommand(999), nullptr);

  int key = -1, modifiers = -1;
  EXPECT_TRUE(table.GetHotkey(200, key, modifiers));
  EXPECT_EQ(key, VkF);
  EXPECT_EQ(modifiers, ControlModifier);
  EXPECT_FALSE(table.GetHotkey(999, key, modifiers));
}

TEST(HotkeyTableTest, LookupsCompareTheKeysLowByte) {
  HotkeyTable table;
  table.Entries = {MakeEntry(0x100 | VkF5, 0, 42)};
  EXPECT_EQ(table.FindCommand(VkF5, 0), 42);
  int key = 0, modifiers = 0;
  ASSERT_TRUE(table.GetHotkey(42, key, modifiers));
  EXPECT_EQ(key, VkF5);
}

TEST(MenuTextWithHotkeyTest, ReplacesTheHotkeyColumn) {
  EXPECT_EQ(MenuTextWithHotkey("&Find...\tCtrl+F", "Ctrl+Shift+F"), "&Find...\tCtrl+Shift+F");
  EXPECT_EQ(MenuTextWithHotkey("&Find...\tCtrl+F", ""), "&Find...");
  EXPECT_EQ(MenuTextWithHotkey("&Open", "Ctrl+O"), "&Open\tCtrl+O");
  EXPECT_EQ(MenuTextWithHotkey("A\tB\tC", "F2"), "A\tF2");
}

TEST(HotkeyTableStorageTest, WritesCountThenCommandKeyFlags) {
  std::string path = TempFile("HotkeyTableWrite.ini");
  {
    HotkeyTable table;
    table.Entries = {MakeEntry(VkF, ControlModifier, 40001), MakeEntry(VkF5, AltModifier, 7)};
    SettingsFile file(path, false);
    table.Exchange(file);
  }
  EXPECT_EQ(ReadAll(path),
            "Version=10\r\n\r\nAcceleratorTableCount=2\r\n"
            "Command=40001\r\nKey=70\r\nFlags=9\r\n"
            "Command=7\r\nKey=116\r\nFlags=17\r\n");
  std::remove(path.c_str());
}

TEST(HotkeyTableStorageTest, LoadingReplacesTheEntries) {
  std::string path = TempFile("HotkeyTableRead.ini");
  WriteAll(path, "Version=10\r\n\r\nAcceleratorTableCount=2\r\n"
                 "Command=65535\r\nKey=70\r\nFlags=9\r\n"
                 "Command=3\r\nKey=116\r\nFlags=5\r\n");
  HotkeyTable table;
  table.Entries = {MakeEntry('X', 0, 1), MakeEntry('Y', 0, 2), MakeEntry('Z', 0, 3)};
  {
    SettingsFile file(path, true);
    table.Exchange(file);
  }
  ASSERT_EQ(table.Entries.size(), 2u);
  EXPECT_EQ(table.Entries[0].Command, 65535);
  EXPECT_EQ(table.FindCommand(VkF, ControlModifier), 65535);
  EXPECT_EQ(table.FindCommand(VkF5, ShiftModifier), 3);
  std::remove(path.c_str());
}

TEST(HotkeyTableStorageTest, LoadingNoEntriesOrABadCountLeavesAnEmptyTable) {
  std::string path = TempFile("HotkeyTableEmpty.ini");
  for (const char* count : {"0", "none", "-3"}) {
    WriteAll(path, std::string("Version=10\r\n\r\nAcceleratorTableCount=") + count + "\r\n");
    HotkeyTable table;
    table.Entries = {MakeEntry(VkF, 0, 1)};
    SettingsFile file(path, true);
    table.Exchange(file);
    EXPECT_TRUE(table.Entries.empty()) << count;
  }
  std::remove(path.c_str());
}

TEST(HotkeyTableStorageTest, AMissingEntryFieldFailsWithCode2) {
  std::string path = TempFile("HotkeyTableBroken.ini");
  WriteAll(path, "Version=10\r\n\r\nAcceleratorTableCount=2\r\nCommand=1\r\nKey=70\r\nFlags=9\r\n");
  HotkeyTable table;
  SettingsFile file(path, true);
  try {
    table.Exchange(file);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Code, 2);
    EXPECT_NE(e.GetMessageText().find("'Command'"), std::string::npos);
  }
  EXPECT_EQ(table.Entries.size(), 1u);
  std::remove(path.c_str());
}

TEST(HotkeyTableStorageTest, AnEntryRoundTripsOnItsOwn) {
  std::string path = TempFile("HotkeyEntry.ini");
  HotkeyEntry saved = MakeEntry(VkF5, ControlModifier | ShiftModifier, 1234);
  {
    SettingsFile file(path, false);
    ExchangeEntry(file, saved);
  }
  HotkeyEntry loaded;
  {
    SettingsFile file(path, true);
    ExchangeEntry(file, loaded);
  }
  EXPECT_EQ(loaded.Flags, saved.Flags);
  EXPECT_EQ(loaded.Key, saved.Key);
  EXPECT_EQ(loaded.Command, saved.Command);
  std::remove(path.c_str());
}
