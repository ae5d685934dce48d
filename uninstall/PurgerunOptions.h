// Purgerun's command line: "/S" removes the installation without asking and without boxes.
// Uninstall.exe, which starts a copy of Purgerun outside the installation, adds
// "/INSTALLDIR=folder", the installation folder the copy's log came from, and, when it could
// not move itself out of that folder, "/WAITFOR=n", a handle of itself whose end the copy
// awaits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PurgerunOptions {
  bool Silent = false;
  std::uint64_t WaitFor = 0;  // an inherited process handle; 0 for none
  std::string InstallDir;     // empty: the folder Purgerun lies in
  std::string Error;          // set when the command line cannot be understood
};

// The arguments behind the program's name, as the runtime split them; options ignore case.
PurgerunOptions ParsePurgerunOptions(const std::vector<std::string>& arguments);
