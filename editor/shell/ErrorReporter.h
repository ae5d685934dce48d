// Where loading and saving the settings report their failures: on Windows a message box
// without owner, caption "Error", with the error icon.
#pragma once

#include <string>

struct FileError;

class ErrorReporter {
public:
  virtual ~ErrorReporter() = default;

  virtual void ShowError(const std::string& text) = 0;
  // A refused file operation, shown with the platform's own text for the error.
  virtual void ShowFileError(const FileError& error) = 0;
};
