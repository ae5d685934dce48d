// Setup's command line: "/S [/D=folder] [/NODESKTOP] [/NOSENDTO]" installs without the dialog.
#pragma once

#include <string>
#include <vector>

struct SetupOptions {
  bool Silent = false;
  std::string Folder;    // empty: the default installation folder
  bool Desktop = true;
  bool SendTo = true;
  std::string Error;     // set when the command line cannot be understood
};

// The arguments behind the program's name, as the runtime split them. Options ignore case.
// "/D=" comes last and takes the rest of the line, so a folder with spaces needs no quotes.
SetupOptions ParseSetupOptions(const std::vector<std::string>& arguments);

inline constexpr char SetupUsage[] = "Usage: Setup.exe /S [/D=folder] [/NODESKTOP] [/NOSENDTO]";
