// A copy of Purgerun and Uninstall.log in a fresh temporary folder, which goes at the next
// restart, so that the uninstaller runs while none of the installed files is in use.
#pragma once

#include <string>

class TemporaryCopy {
public:
  // Makes the folder and copies both files from sourceDir; false with Error set on failure.
  bool Make(const std::string& sourceDir);
  // Moves the running program's own file (which cannot be deleted while it runs, but can be
  // renamed within its drive) into the folder; false when the platform refuses, for example
  // because the temporary folder lies on another drive.
  bool TakeIn(const std::string& programPath);
  // Moves the program taken in back to where it was.
  void PutBack() const;
  // Asks the system to delete the copies, the program taken in and then their folder at the
  // next restart (what a failed Make left behind included).
  void ScheduleRemoval() const;

  const std::string& Folder() const { return Dir; }
  std::string Program() const;
  const std::string& Error() const { return Problem; }

private:
  bool MakeFolder();
  bool CopyHere(const std::string& sourceDir, const char* name);

  std::string Dir;
  std::string Problem;
  std::string TakenFrom;  // the program taken in, where it lay before
  std::string Taken;      // and where it lies now
};
