// Removing files and folders on the real system.
#pragma once

#include "uninstall/RemovalPlatform.h"

class WindowsRemovalPlatform : public RemovalPlatform {
public:
  std::string NormalPath(const std::string& path) override;
  bool IsLink(const std::string& path) override;
  bool ReadKind(const std::string& path, bool& isFolder) override;
  void ClearReadOnly(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
};
