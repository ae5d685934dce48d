// What removing the listed paths needs from the file system.
#pragma once

#include <string>

class RemovalPlatform {
public:
  virtual ~RemovalPlatform() = default;
  // The absolute path in the one spelling that tells whether two paths name the same file:
  // "." and ".." resolved, short (8.3) names made long as far as the path exists, in lower
  // case, without trailing backslashes (a drive's root keeps its own). Empty when the
  // platform cannot make it.
  virtual std::string NormalPath(const std::string& path) = 0;
  // The path is a junction or a symbolic link, through which a path leads elsewhere.
  virtual bool IsLink(const std::string& path) = 0;
  // False when the path's attributes cannot be read (it does not exist, or it is empty).
  virtual bool ReadKind(const std::string& path, bool& isFolder) = 0;
  virtual void ClearReadOnly(const std::string& path) = 0;
  // Succeeds only for an empty folder.
  virtual bool RemoveFolder(const std::string& path) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
};
