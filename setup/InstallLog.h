// The list of everything an installation made, in the order the uninstaller removes it.
// Entries that must come last (a folder whose content is still being installed, the log
// itself) are held at the list's end from the moment they exist until they are added at
// their place, so that the list is at every moment complete and in an order that removes it.
#pragma once

#include <string>
#include <vector>

class InstallLog {
public:
  // Appends path, taking it out of the held entries when it is one of them.
  void Add(const std::string& path);
  // Keeps path at the end of the list, in front of the entries held already, until Add
  // lists it.
  void Hold(const std::string& path);
  // What has been added, then what is held.
  std::vector<std::string> Paths() const;
  // The bytes of Uninstall.log: the paths joined with CR LF, nothing behind the last one.
  std::string Text() const;

private:
  std::vector<std::string> Entries;
  std::vector<std::string> Held;
};
