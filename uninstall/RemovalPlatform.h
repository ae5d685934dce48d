// What removing the listed paths needs from the file system.
#pragma once

#include <string>

class RemovalPlatform {
public:
  virtual ~RemovalPlatform() = default;
  // False when the path's attributes cannot be read (it does not exist, or it is empty).
  virtual bool ReadKind(const std::string& path, bool& isFolder) = 0;
  virtual void ClearReadOnly(const std::string& path) = 0;
  // Succeeds only for an empty folder.
  virtual bool RemoveFolder(const std::string& path) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
};
