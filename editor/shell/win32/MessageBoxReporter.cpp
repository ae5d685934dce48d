// Shows the settings' errors in message boxes of their own, as no window may exist yet.
#include "editor/shell/win32/MessageBoxReporter.h"

#include "common/FileError.h"
#include "common/win32/SystemErrorText.h"
#include "common/win32/WinApi.h"

void MessageBoxReporter::ShowError(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), "Error", MB_OK | MB_ICONERROR);
}

void MessageBoxReporter::ShowFileError(const FileError& error) {
  ShowError(error.FileName + "\n" + SystemErrorText(error.Code));
}
