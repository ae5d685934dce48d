// Purgerun's command line: "/S" removes the installation without asking and without boxes;
// "/WAITFOR=n" names a handle of the process that started it (Uninstall.exe), whose end it
// awaits, as that program lies in the folder to be removed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PurgerunOptions {
  bool Silent = false;
  std::uint64_t WaitFor = 0;  // an inherited process handle; 0 for none
  std::string Error;          // set when the command line cannot be understood
};

// The arguments behind the program's name, as the runtime split them; options ignore case.
PurgerunOptions ParsePurgerunOptions(const std::vector<std::string>& arguments);
