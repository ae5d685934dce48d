// The settings' view of the platform on Windows: files, environment, search path, screen.
#pragma once

#include "editor/shell/SettingsPlatform.h"

class SystemSettingsPlatform : public SettingsPlatform {
public:
  bool FileExists(const std::string& path) override;
  std::string ExpandEnvironment(const std::string& text) override;
  bool FindOnSearchPath(std::string& name) override;
  std::vector<std::string> ListFiles(const std::string& pattern) override;
  bool CopyReplacing(const std::string& from, const std::string& to) override;
  int ScreenPixelsPerInch() override;
};
