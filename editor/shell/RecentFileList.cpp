// The recent-files list: moving to the front, cutting to the maximum, storage.
#include "editor/shell/RecentFileList.h"

#include "common/SettingsFile.h"
#include "common/StringList.h"
#include "editor/syntax/ExchangeStrings.h"

#include <algorithm>

void RecentFileList::Add(const std::string& path) {
  RemoveString(List, path, false);
  List.insert(List.begin(), path);
  Cut();
}

void RecentFileList::Remove(const std::string& path) {
  const int index = FindString(List, path, false);
  if (index >= 0) List.erase(List.begin() + index);
}

void RecentFileList::SetMax(int count) {
  MaxCount = std::max(count, 0);
  Cut();
}

void RecentFileList::Exchange(SettingsFile& file) {
  file.ExchangeInt("MaxRecentFiles", MaxCount);
  MaxCount = std::max(MaxCount, 0);
  ExchangeStrings(file, "RecentFiles", List);
}

void RecentFileList::Cut() {
  if (List.size() > static_cast<std::size_t>(MaxCount)) List.resize(static_cast<std::size_t>(MaxCount));
}
