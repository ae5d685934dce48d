// Uninstall.log's text: one path per line, CR LF between lines and none at the end.
#include "setup/InstallLog.h"

#include "common/StringList.h"

std::string InstallLog::Text() const {
  return JoinText(Entries, "\r\n");
}
