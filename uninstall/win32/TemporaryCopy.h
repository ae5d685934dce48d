// A copy of Purgerun and Uninstall.log in a fresh temporary folder, which goes at the next
// restart, so that the uninstaller runs while none of the installed files is in use.
#pragma once

#include <string>

class TemporaryCopy {
public:
  // Makes the folder and copies both files from sourceDir; false with Error set on failure.
  bool Make(const std::string& sourceDir);
  // Asks the system to delete both copies and then their folder at the next restart (what a
  // failed Make left behind included).
  void ScheduleRemoval() const;

  const std::string& Folder() const { return Dir; }
  std::string Program() const;
  const std::string& Error() const { return Problem; }

private:
  bool MakeFolder();
  bool CopyHere(const std::string& sourceDir, const char* name);

  std::string Dir;
  std::string Problem;
};
