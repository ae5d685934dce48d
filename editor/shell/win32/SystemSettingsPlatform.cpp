// The settings' platform calls, passed on to common's file-system functions and GDI.
#include "editor/shell/win32/SystemSettingsPlatform.h"

#include "common/win32/FileSystem.h"
#include "common/win32/WinApi.h"

bool SystemSettingsPlatform::FileExists(const std::string& path) {
  return ::FileExists(path);
}

std::string SystemSettingsPlatform::ExpandEnvironment(const std::string& text) {
  return ::ExpandEnvironment(text);
}

bool SystemSettingsPlatform::FindOnSearchPath(std::string& name) {
  return ::FindOnSearchPath(name);
}

std::vector<std::string> SystemSettingsPlatform::ListFiles(const std::string& pattern) {
  std::vector<std::string> files;
  ::ListFiles(pattern, files, true, false);
  return files;
}

bool SystemSettingsPlatform::CopyReplacing(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

int SystemSettingsPlatform::ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int pixels = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return pixels;
}
