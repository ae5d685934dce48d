// Settings errors on Windows: a message box without owner, caption "Error", the error icon.
#pragma once

#include "editor/shell/ErrorReporter.h"

class MessageBoxReporter : public ErrorReporter {
public:
  void ShowError(const std::string& text) override;
  void ShowFileError(const FileError& error) override;
};
