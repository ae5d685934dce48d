// Tool records: storage in the settings file and the tools every installation starts with.
#include "editor/shell/ToolCommand.h"

#include "common/Paths.h"
#include "common/SettingsFile.h"
#include "editor/syntax/ExchangeStrings.h"

namespace {

// Virtual-key codes of the default tools' hotkeys; letters are their capitals.
constexpr uint16_t KeyF5 = 0x74;

ToolCommand MakeTool(std::string name, std::string command, std::string arguments,
                     std::string initDir, bool saveFirst, HotkeyEntry hotkey) {
  ToolCommand tool;
  tool.MenuItemName = std::move(name);
  tool.Command = std::move(command);
  tool.Arguments = std::move(arguments);
  tool.InitDir = std::move(initDir);
  tool.SaveFileBeforeExecuting = saveFirst;
  tool.Hotkey = hotkey;
  return tool;
}

HotkeyEntry Hotkey(uint16_t key, int modifiers) {
  return MakeEntry(key, modifiers, 0);
}

}  // namespace

void ToolCommand::Exchange(SettingsFile& file) {
  file.ExchangeString("MenuItemName", MenuItemName);
  file.ExchangeString("Command", Command);
  file.ExchangeString("Arguments", Arguments);
  file.ExchangeString("InitDir", InitDir);
  file.ExchangeBool("SaveFileBeforeExecuting", SaveFileBeforeExecuting);
  ExchangeStrings(file, "Extensions", Extensions);
  ExchangeEntry(file, Hotkey);
  if (file.IsLoading()) Hotkey.Command = 0;
  if (file.GetVersion() >= 9) file.ExchangeBool("IsFilter", IsFilter);
}

void ExchangeTools(SettingsFile& file, ToolList& tools) {
  int count = static_cast<int>(tools.size());
  file.ExchangeInt("CommandsCount", count);
  if (!file.IsLoading()) {
    for (ToolCommand& tool : tools) tool.Exchange(file);
    return;
  }
  // Appended one by one, so a count larger than the file fails at its first missing record.
  tools.clear();
  for (int i = 0; i < count; ++i) {
    tools.emplace_back();
    tools.back().Exchange(file);
  }
}

ToolList DefaultTools(const std::string& consoleCommand, const std::string& programFilesDir,
                      const std::string& exeName) {
  ToolList tools;
  tools.push_back(MakeTool("&Console Window", consoleCommand, "", "%FileDir%", false,
                           Hotkey('C', ControlModifier | ShiftModifier)));
  tools.push_back(MakeTool("&Windows Explorer", "explorer.exe", "/e, \"%FileDir%\"", "", false,
                           Hotkey('E', ControlModifier)));
  tools.push_back(MakeTool("&Internet Explorer",
                           JoinPath(programFilesDir, "Internet Explorer\\iexplore.exe"),
                           "\"%FilePath%\"", "%FileDir%", true, Hotkey('I', ControlModifier)));
  tools.push_back(MakeTool("&Quilvane", exeName, "", "", false,
                           Hotkey('E', ControlModifier | ShiftModifier)));
  ToolCommand execute = MakeTool("E&xecute Current File", "%FileDir%%FileName%.exe", "",
                                 "%FileDir%", true, Hotkey(KeyF5, 0));
  execute.Extensions = {"c", "cpp", "pas"};
  tools.push_back(execute);
  return tools;
}

ToolCommand CharacterMapTool() {
  return MakeTool("Character &Map", "%SystemRoot%\\System32\\charmap.exe", "", "", false,
                  Hotkey('M', ControlModifier));
}

void FillToolsHotkeyTable(const ToolList& tools, HotkeyTable& table) {
  table.Entries.clear();
  for (const ToolCommand& tool : tools) table.Entries.push_back(tool.Hotkey);
  table.Invalidate();
}

ToolCommand* FindToolByCommand(ToolList& tools, unsigned id) {
  for (ToolCommand& tool : tools)
    if (tool.Hotkey.Command == id) return &tool;
  return nullptr;
}
