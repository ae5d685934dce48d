// Tool records: the new-tool values, storage across versions, the tools hotkey table.
#include "editor/shell/ToolCommand.h"

#include "common/SettingsFile.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// Everything a tool holds, for comparisons with readable failures.
auto Fields(const ToolCommand& tool) {
  return std::make_tuple(tool.MenuItemName, tool.Command, tool.Arguments, tool.InitDir,
                         tool.SaveFileBeforeExecuting, tool.Extensions, tool.Hotkey.Key,
                         ModifiersOf(tool.Hotkey), tool.Hotkey.Command, tool.IsFilter);
}

ToolList LoadTools(const ScratchFolder& scratch, const std::string& text) {
  scratch.WriteBytes("tools.ini", text);
  ToolList tools(3);
  tools[0].IsFilter = true;
  SettingsFile file(scratch.Path("tools.ini"), true);
  ExchangeTools(file, tools);
  return tools;
}

TEST(ToolCommand, ANewToolRunsTheDocumentFromItsFolderAfterSavingIt) {
  const ToolCommand tool;
  EXPECT_EQ(Fields(tool), std::make_tuple(std::string("New &Tool"), std::string(), std::string("\"%FilePath%\""),
                                          std::string("%FileDir%"), true, Strings{}, uint16_t{0}, 0,
                                          uint16_t{0}, false));
}

TEST(ToolCommand, StoredRecordLineByLine) {
  ScratchFolder scratch;
  ToolList tools(1);
  tools[0].MenuItemName = "&Sort";
  tools[0].Command = "sort.exe";
  tools[0].Arguments = "/r";
  tools[0].InitDir = "";
  tools[0].SaveFileBeforeExecuting = false;
  tools[0].Extensions = {"txt", "log"};
  tools[0].Hotkey = MakeEntry('S', AltModifier | ShiftModifier, 40002);
  tools[0].IsFilter = true;
  {
    SettingsFile file(scratch.Path("tools.ini"), false);
    ExchangeTools(file, tools);
  }
  EXPECT_EQ(scratch.ReadBytes("tools.ini"),
            "Version=10\r\n\r\nCommandsCount=1\r\nMenuItemName=&Sort\r\nCommand=sort.exe\r\nArguments=/r\r\n"
            "InitDir=\r\nSaveFileBeforeExecuting=False\r\nExtensionsCount=2\r\n=txt\r\n=log\r\n"
            "Command=40002\r\nKey=83\r\nFlags=21\r\nIsFilter=True\r\n");
}

TEST(ToolCommand, ReloadKeepsEverythingButTheMenuCommandId) {
  ScratchFolder scratch;
  ToolList tools = DefaultTools("Command.com", "C:\\Program Files", "Q.exe");
  tools[1].IsFilter = true;
  tools[1].Hotkey.Command = 40001;
  tools[2].Extensions = {"html"};
  {
    SettingsFile file(scratch.Path("tools.ini"), false);
    ExchangeTools(file, tools);
  }
  ToolList loaded(1);
  SettingsFile file(scratch.Path("tools.ini"), true);
  ExchangeTools(file, loaded);
  tools[1].Hotkey.Command = 0;
  ASSERT_EQ(loaded.size(), tools.size());
  for (std::size_t i = 0; i < tools.size(); ++i) EXPECT_EQ(Fields(loaded[i]), Fields(tools[i])) << i;
}

TEST(ToolCommand, FilesBeforeVersionNineHaveNoFilterSwitch) {
  ScratchFolder scratch;
  const std::string record =
      "MenuItemName=T\r\nCommand=c\r\nArguments=a\r\nInitDir=d\r\nSaveFileBeforeExecuting=no\r\n"
      "ExtensionsCount=0\r\nCommand=7\r\nKey=65\r\nFlags=1\r\n";
  const ToolList tools = LoadTools(scratch, "Version=8\r\n\r\nCommandsCount=2\r\n" + record + record);
  ASSERT_EQ(tools.size(), 2u);
  for (const ToolCommand& tool : tools) {
    EXPECT_FALSE(tool.IsFilter);
    EXPECT_TRUE(tool.SaveFileBeforeExecuting);  // "no" is not "False"
    EXPECT_EQ(tool.Hotkey.Key, 'A');
    EXPECT_EQ(tool.Hotkey.Command, 0);
  }
}

TEST(ToolCommand, ACountBeyondTheRecordsFailsAtTheFirstMissingOne) {
  ScratchFolder scratch;
  try {
    LoadTools(scratch, "Version=10\r\n\r\nCommandsCount=1000000\r\nMenuItemName=T\r\n");
    FAIL() << "no exception";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Code, 2);
    EXPECT_NE(error.GetMessageText().find("'Command'"), std::string::npos);
  }
}

TEST(ToolCommand, ToolsHotkeyTableInListOrderSoTheFirstToolWins) {
  ToolList tools(3);
  tools[0].Hotkey = MakeEntry('K', ControlModifier, 40000);
  tools[2].Hotkey = MakeEntry('K', ControlModifier, 40002);
  HotkeyTable table;
  table.Entries.push_back(MakeEntry('Q', 0, 1));
  FillToolsHotkeyTable(tools, table);
  ASSERT_EQ(table.Entries.size(), 3u);
  EXPECT_EQ(table.FindCommand('K', ControlModifier), 40000);
  EXPECT_EQ(table.FindCommand('Q', 0), 0);
  EXPECT_EQ(table.Entries[2].Command, 40002);
}

}  // namespace
