// Loading and saving a counted list of strings (extensions, words).
#include "editor/syntax/ExchangeStrings.h"

#include "common/SettingsFile.h"

void ExchangeStrings(SettingsFile& file, const std::string& countName, std::vector<std::string>& strings) {
  int count = static_cast<int>(strings.size());
  file.ExchangeInt(countName + "Count", count);
  // The count comes from the file: entries are read one by one, so a wrong count fails at the
  // first missing entry instead of reserving memory for it.
  if (file.IsLoading()) strings.clear();
  for (int i = 0; i < count; ++i) {
    if (file.IsLoading()) strings.emplace_back();
    file.ExchangeString("", strings[static_cast<std::size_t>(i)]);
  }
}
