// The installation's file and shell operations on the real system.
#pragma once

#include "setup/InstallPlatform.h"

class WindowsInstallPlatform : public InstallPlatform {
public:
  bool Exists(const std::string& path) override;
  std::vector<std::string> ListFileNames(const std::string& pattern) override;
  bool CreateFolders(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  bool Move(const std::string& from, const std::string& to) override;
  bool Copy(const std::string& from, const std::string& to, bool overwrite) override;
  void ClearReadOnly(const std::string& path) override;
  bool Delete(const std::string& path) override;
  bool CreateShortcut(const std::string& link, const std::string& target,
                      const std::string& description) override;
  bool WriteText(const std::string& path, const std::string& text) override;
};
