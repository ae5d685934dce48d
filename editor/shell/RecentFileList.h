// The recently used files, most recent first, as File > Recent offers them.
#pragma once

#include <string>
#include <vector>

class SettingsFile;

class RecentFileList {
public:
  // Moves path to the front (an entry equal without case goes), then cuts to the maximum.
  void Add(const std::string& path);
  // Removes the first entry equal to path without case.
  void Remove(const std::string& path);
  // Values below 1 keep no files at all.
  void SetMax(int count);
  int GetMax() const { return MaxCount; }
  const std::vector<std::string>& Paths() const { return List; }

  // "MaxRecentFiles", then the list "RecentFiles". A loaded list keeps its length until the
  // next Add or SetMax.
  void Exchange(SettingsFile& file);

private:
  void Cut();

  int MaxCount = 15;
  std::vector<std::string> List;
};
