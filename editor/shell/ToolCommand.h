// The external commands of the Tools menu: one record, its storage, the default tools.
#pragma once

#include "common/HotkeyTable.h"

#include <string>
#include <vector>

class SettingsFile;

// A tool as the user defines it. A new tool, and every record read from a file before its
// fields arrive, holds the values below.
struct ToolCommand {
  std::string MenuItemName = "New &Tool";  // "&" marks the mnemonic
  std::string Command;                     // macros and environment references allowed
  std::string Arguments = "\"%FilePath%\"";
  std::string InitDir = "%FileDir%";       // empty: the editor's current folder
  bool SaveFileBeforeExecuting = true;
  std::vector<std::string> Extensions;     // without dot; empty: enabled for every document
  HotkeyEntry Hotkey;                      // key 0: none; the command id is given by the menu
  bool IsFilter = false;                   // the selection is replaced by the program's output

  // The record's fields; "IsFilter" only from file version 9 on. Loading resets the hotkey's
  // command id, because ids belong to the menu of one run.
  void Exchange(SettingsFile& file);
};

using ToolList = std::vector<ToolCommand>;

// The list "Commands": its count, then the records. Loading replaces the list.
void ExchangeTools(SettingsFile& file, ToolList& tools);

// The tools of a first run. consoleCommand: "cmd.exe" where the platform finds it, else
// "Command.com"; exeName: the running editor's file name without folder.
ToolList DefaultTools(const std::string& consoleCommand, const std::string& programFilesDir,
                      const std::string& exeName);

// The tool that settings older than version 2 gain, where its program exists.
ToolCommand CharacterMapTool();

// The tools hotkey table: each tool's hotkey entry in list order, so the first tool wins.
void FillToolsHotkeyTable(const ToolList& tools, HotkeyTable& table);

// The first tool whose hotkey carries this menu command id, or null.
ToolCommand* FindToolByCommand(ToolList& tools, unsigned id);
