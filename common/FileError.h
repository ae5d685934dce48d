// The error the file functions raise when the platform refuses a file operation.
#pragma once

#include <string>

// Thrown by value, caught by reference. Code is the platform's system error code
// (GetLastError on Windows, errno in the native stand-ins); the caller turns it into the
// platform's standard text (SystemErrorText) and names FileName in its message.
struct FileError {
  std::string FileName;
  unsigned long Code = 0;
};
