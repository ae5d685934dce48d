// What the installation needs from the file system and the shell, so that its order can be
// followed without touching real files.
#pragma once

#include <string>
#include <vector>

class InstallPlatform {
public:
  virtual ~InstallPlatform() = default;
  // The path names an existing file or folder.
  virtual bool Exists(const std::string& path) = 0;
  // Bare names of the files matching a wildcard pattern.
  virtual std::vector<std::string> ListFileNames(const std::string& pattern) = 0;
  // Every missing folder along the path; true when the whole path is a folder afterwards.
  virtual bool CreateFolders(const std::string& path) = 0;
  // The one folder, whose parent must exist; true when it exists afterwards.
  virtual bool CreateFolder(const std::string& path) = 0;
  virtual bool Move(const std::string& from, const std::string& to) = 0;
  virtual bool Copy(const std::string& from, const std::string& to, bool overwrite) = 0;
  virtual void ClearReadOnly(const std::string& path) = 0;
  virtual bool Delete(const std::string& path) = 0;
  virtual bool CreateShortcut(const std::string& link, const std::string& target,
                              const std::string& description) = 0;
  // Replaces the file's content with text; false when it cannot be written.
  virtual bool WriteText(const std::string& path, const std::string& text) = 0;
};
