// What the application settings ask of the platform, so that native tests can stand in for it.
#pragma once

#include <string>
#include <vector>

class SettingsPlatform {
public:
  virtual ~SettingsPlatform() = default;

  // The path names an existing file or folder.
  virtual bool FileExists(const std::string& path) = 0;
  // Every %NAME% of an existing environment variable replaced by its value.
  virtual std::string ExpandEnvironment(const std::string& text) = 0;
  // Looks name up as the platform looks up programs; when found, name becomes the full path.
  virtual bool FindOnSearchPath(std::string& name) = 0;
  // The full paths of the files matching a wildcard pattern, in the platform's order.
  virtual std::vector<std::string> ListFiles(const std::string& pattern) = 0;
  // Copies a file over any file of the destination's name; false when it cannot.
  virtual bool CopyReplacing(const std::string& from, const std::string& to) = 0;
  // The screen's vertical pixels per inch, which turns the default font's points into pixels.
  virtual int ScreenPixelsPerInch() = 0;
};
