// Uninstall.log's text: one path per line, CR LF between lines and none at the end.
#include "setup/InstallLog.h"

#include <algorithm>

#include "common/StringList.h"

void InstallLog::Add(const std::string& path) {
  Held.erase(std::remove(Held.begin(), Held.end(), path), Held.end());
  Entries.push_back(path);
}

void InstallLog::Hold(const std::string& path) {
  Held.insert(Held.begin(), path);
}

std::vector<std::string> InstallLog::Paths() const {
  std::vector<std::string> paths = Entries;
  paths.insert(paths.end(), Held.begin(), Held.end());
  return paths;
}

std::string InstallLog::Text() const {
  return JoinText(Paths(), "\r\n");
}
