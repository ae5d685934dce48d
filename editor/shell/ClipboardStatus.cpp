// The status bar's picture of the clipboard.
#include "editor/shell/ClipboardStatus.h"

#include "editor/view/Utf8Steps.h"

#include <algorithm>

namespace {

constexpr std::size_t MaxStatusChars = 500;

// The bytes of the first count characters.
std::size_t Utf8PrefixBytes(const std::string& text, std::size_t count) {
  const int length = static_cast<int>(text.size());
  int end = 0;
  for (std::size_t i = 0; i < count && end < length; ++i) end = NextCharBoundary(text.data(), length, end);
  return static_cast<std::size_t>(end);
}

}  // namespace

std::string ClipboardTextStatus(const std::string& text, int tabWidth, bool utf8) {
  const std::size_t shown = utf8 ? Utf8PrefixBytes(text, MaxStatusChars) : std::min(text.size(), MaxStatusChars);
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
