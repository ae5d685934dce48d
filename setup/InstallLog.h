// The list of everything an installation made, in the order the uninstaller removes it.
#pragma once

#include <string>
#include <vector>

class InstallLog {
public:
  void Add(const std::string& path) { Entries.push_back(path); }
  const std::vector<std::string>& Paths() const { return Entries; }
  // The bytes of Uninstall.log: the paths joined with CR LF, nothing behind the last one.
  std::string Text() const;

private:
  std::vector<std::string> Entries;
};
