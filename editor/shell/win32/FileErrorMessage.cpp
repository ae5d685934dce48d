// Turns the system error of a document's read or write into the message the user sees.
#include "editor/shell/win32/FileErrorMessage.h"

#include "common/FileError.h"
#include "common/win32/SystemErrorText.h"
#include "common/win32/WinApi.h"

namespace {

// The standard texts name the file where "%1" stands.
std::string WithPath(std::string text, const std::string& path) {
  const std::size_t at = text.find("%1");
  if (at != std::string::npos) text.replace(at, 2, path);
  return text;
}

const char* StandardText(unsigned long code, FileAccess access) {
  const bool reading = access == FileAccess::Read;
  switch (code) {
  case ERROR_SHARING_VIOLATION:
  case ERROR_LOCK_VIOLATION:
    return reading ? "Unable to read from %1, it is opened by someone else."
                   : "Unable to write to %1, it is read-only or opened by someone else.";
  case ERROR_ACCESS_DENIED:
  case ERROR_WRITE_PROTECT:
    return reading ? nullptr : "Unable to write to %1, it is read-only or opened by someone else.";
  case ERROR_FILE_NOT_FOUND:
  case ERROR_PATH_NOT_FOUND:
  case ERROR_INVALID_NAME:
  case ERROR_BAD_NETPATH:
    return "%1\nCannot find this file.\nPlease verify that the correct path and file name are given.";
  case ERROR_DISK_FULL:
  case ERROR_HANDLE_DISK_FULL:
    return "Destination disk drive is full.";
  default:
    return nullptr;
  }
}

}  // namespace

std::string FileErrorMessage(const FileError& error, FileAccess access) {
  if (const char* text = StandardText(error.Code, access)) return WithPath(text, error.FileName);
  std::string message = WithPath(access == FileAccess::Read ? "An unexpected error occurred while reading %1."
                                                            : "An unexpected error occurred while writing %1.",
                                 error.FileName);
  const std::string system = SystemErrorText(error.Code);
  if (!system.empty()) message += "\n\n" + system;
  return message;
}

std::string NotAFileMessage(const std::string& path, NotAFile what) {
  return "'" + path + (what == NotAFile::Folder ? "' is a folder, not a file." : "' is a device, not a file.");
}
