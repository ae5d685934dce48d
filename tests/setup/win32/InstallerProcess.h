// Runs Setup, Purgerun or Uninstall.exe for a test: started in its own folder, its standard
// output caught in a file, its windows found by caption.
#pragma once

#include "common/win32/WinApi.h"
#include "tests/common/ScratchFolder.h"

#include <string>
#include <vector>

class InstallerProcess {
public:
  // Starts program (a full Windows path) with the arguments.
  InstallerProcess(const std::string& program, const std::vector<std::string>& arguments);
  ~InstallerProcess();
  InstallerProcess(const InstallerProcess&) = delete;
  InstallerProcess& operator=(const InstallerProcess&) = delete;

  // Waits until a shown window of this process has the caption; null if the program ends first.
  HWND WaitForWindow(const std::string& caption) const;
  DWORD WaitForExit();
  // What the program wrote to its standard output so far.
  std::string Output() const;

private:
  ScratchFolder OutputFolder;
  PROCESS_INFORMATION Process{};
};

// A shown top-level window of any process with the caption and the text, waiting for it.
HWND WaitForAnyWindow(const std::string& caption);
// The window as it shows on screen now, saved under name; returns the file's path.
std::string SaveWindowShot(HWND window, const std::string& name);
