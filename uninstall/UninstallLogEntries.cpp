// Splits Uninstall.log into the paths it lists.
#include "uninstall/UninstallLogEntries.h"

#include "common/StringList.h"

std::vector<std::string> UninstallLogEntries(const std::string& logText) {
  StringList entries;
  SplitText(logText, "\r\n", entries);
  return entries;
}
