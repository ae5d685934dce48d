// The status bar's picture of the clipboard.
#include "editor/shell/ClipboardStatus.h"

#include <algorithm>

namespace {

constexpr std::size_t MaxStatusChars = 500;

}  // namespace

std::string ClipboardTextStatus(const std::string& text, int tabWidth) {
  const std::size_t shown = std::min(text.size(), MaxStatusChars);
  const std::string blanks(static_cast<std::size_t>(std::max(tabWidth, 0)), ' ');
  std::string status;
  status.reserve(shown);
  for (std::size_t i = 0; i < shown; ++i) {
    if (text[i] == '\n') status += "\\n";
    else if (text[i] == '\t') status += blanks;
    else status += text[i];
  }
  return status;
}

std::string ClipboardFilesStatus(const std::vector<std::string>& files) {
  std::string status = files.size() == 1 ? "File: " : "Files: ";
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (i > 0) status += "; ";
    status += files[i];
  }
  return status;
}
