// A log that is empty or not text at all is damaged or was never Setup's; treating it as a
// list would report success with nothing removed, or print its bytes as path names.
#include "uninstall/UninstallLogCheck.h"

#include <algorithm>

namespace {

// Setup writes paths and CR LF only; a tab may stand in a path.
bool IsControlByte(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::string UninstallLogProblem(const std::string& text, bool heldNulByte, const std::string& logPath) {
  if (heldNulByte || std::any_of(text.begin(), text.end(), IsControlByte)) {
    return "The installation log '" + logPath + "' is damaged: it is not a text file. Nothing was removed.";
  }
  if (std::all_of(text.begin(), text.end(), IsBlank)) {
    return "The installation log '" + logPath + "' lists no files or folders. Nothing was removed.";
  }
  return "";
}
