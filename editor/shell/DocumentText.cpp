// The texts of a document: its names, caption, written line breaks, recent items and messages.
#include "editor/shell/DocumentText.h"

#include "common/LineEnds.h"
#include "common/Paths.h"

namespace {

const char UntitledTitle[] = "Untitled";

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// A menu takes "&" as the mark of the next letter; "&&" shows one "&".
std::string MenuEscaped(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return escaped;
}

}  // namespace

std::string UntitledName(const std::string& defaultExtension) {
  if (defaultExtension.empty()) return UntitledTitle;
  return std::string(UntitledTitle) + "." + defaultExtension;
}

bool IsUntitled(const std::string& path) {
  return path == UntitledTitle || StartsWith(path, std::string(UntitledTitle) + ".");
}

std::string CaptionText(const std::string& path, bool modified, bool readOnly) {
  std::string caption = path;
  if (modified) caption += "*";
  if (readOnly) caption += " [Read Only]";
  return caption;
}

std::string ToNewLineType(std::string text, int newLineType) {
  if (newLineType == 0) return ToCrLf(text);
  if (newLineType == 1) LineFeedsToCarriageReturns(text);
  return text;
}

std::string RecentItemText(int index, const std::string& path) {
  const std::string shown = MenuEscaped(path);
  if (index >= 0 && index < 10) return "&" + std::to_string(index) + " " + shown;
  if (index >= 10 && index < 36) return std::string("&") + static_cast<char>(index + 55) + " " + shown;
  return shown;
}

std::string OpenDialogPath(const std::string& chosen, const std::string& defaultExtension, const PathExists& exists) {
  if (HasExtension(chosen) || defaultExtension.empty() || exists(chosen)) return chosen;
  return chosen + "." + defaultExtension;
}

std::string MissingFileMessage(const std::string& path) {
  return "File '" + path + "' does not exist.";
}

std::string ReadOnlyTargetMessage(const std::string& path) {
  return "You cannot save over read only file:\n" + path +
         "\n\nYou must save this file with a different name or make the file on disk writeable.";
}

std::string BinaryFileMessage(const std::string& path) {
  return "File '" + path +
         "' contains binary data (NUL bytes). It was opened read-only so that it cannot be overwritten.";
}

std::string ReplacedUnitsMessage(const std::string& path, const char* encodingName, std::size_t count) {
  return "File '" + path + "' is not valid " + encodingName + ": " + std::to_string(count) +
         " broken code units are shown as U+FFFD. It was opened read-only so that it cannot be overwritten; "
         "Save As keeps the text under another name.";
}

std::string ReplacedUnitsQuestion(const std::string& path) {
  return "File '" + path +
         "' holds broken UTF-16 code units that are shown as U+FFFD. Saving over it writes U+FFFD in their "
         "place.\n\nDo you want to save over it anyway?";
}

std::string AnsiLossQuestion(std::size_t count, const std::string& examples) {
  return "The document holds " + std::to_string(count) + " characters that the ANSI code page cannot hold (" +
         examples + (count > 5 ? " ...)." : ").") +
         " Saved as ANSI, each of them becomes \"?\" and is lost.\n\nDo you want to save it as ANSI anyway?";
}

std::string InvalidUtf8Question(std::size_t count) {
  return "The document holds " + std::to_string(count) +
         " bytes that are not valid UTF-8. Saved as UTF-16, each of them becomes U+FFFD and is lost."
         "\n\nDo you want to save it anyway?";
}

std::string ExternalChangeQuestion(const std::string& path, bool modified) {
  return "File '" + path + "' has been modified externally." +
         (modified ? "\n\nDo you want to reload the file and lose your changes?" : "\n\nDo you want to reload the file?");
}
