// An in-memory file system for the installation's steps: files and folders by path, and the
// operations that are told to fail.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "setup/InstallPlatform.h"

class FakeInstallPlatform : public InstallPlatform {
public:
  std::map<std::string, std::string> Files;  // path -> content; shortcuts hold their target
  std::set<std::string> Folders;             // with a trailing backslash
  std::set<std::string> ReadOnly;
  std::set<std::string> FailingPaths;        // any operation that writes there fails
  std::set<std::string> TruncatedCopies;     // a copy there fails half-way, as on a full drive
  std::set<std::string> Undeletable;         // held open by another program
  bool ShortcutsFail = false;
  std::vector<std::string> Calls;            // "move ...", "copy ...", "shortcut ...", "write ..."
  std::vector<std::string> Writes;           // the texts written, in order

  bool Exists(const std::string& path) override {
    return Files.count(path) > 0 || Folders.count(AsFolder(path)) > 0;
  }
  std::vector<std::string> ListFileNames(const std::string& pattern) override {
    const std::string folder = pattern.substr(0, pattern.rfind('\\') + 1);
    const std::string ending = pattern.substr(pattern.rfind('*') + 1);
    std::vector<std::string> names;
    for (const auto& file : Files) {
      if (file.first.compare(0, folder.size(), folder) != 0) continue;
      const std::string name = file.first.substr(folder.size());
      if (name.find('\\') == std::string::npos &&
          name.size() >= ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0) {
        names.push_back(name);
      }
    }
    return names;
  }
  bool CreateFolders(const std::string& path) override {
    if (FailingPaths.count(path)) return false;
    Folders.insert(AsFolder(path));
    return true;
  }
  bool CreateFolder(const std::string& path) override { return CreateFolders(path); }
  bool Move(const std::string& from, const std::string& to) override {
    Calls.push_back("move " + from + " " + to);
    if (FailingPaths.count(to) || Files.count(to) || !Files.count(from)) return false;
    Files[to] = Files[from];
    Files.erase(from);
    return true;
  }
  bool Copy(const std::string& from, const std::string& to, bool overwrite) override {
    Calls.push_back("copy " + to);
    if (FailingPaths.count(to) || !Files.count(from) || (!overwrite && Files.count(to))) return false;
    if (TruncatedCopies.count(to)) {
      Files[to] = Files[from].substr(0, 3);
      return false;
    }
    Files[to] = Files[from];
    if (ReadOnly.count(from)) ReadOnly.insert(to);
    return true;
  }
  void ClearReadOnly(const std::string& path) override { ReadOnly.erase(path); }
  bool Delete(const std::string& path) override {
    Calls.push_back("delete " + path);
    return !Undeletable.count(path) && Files.erase(path) > 0;
  }
  bool CreateShortcut(const std::string& link, const std::string& target, const std::string& description) override {
    Calls.push_back("shortcut " + link + " -> " + target + " (" + description + ")");
    if (ShortcutsFail || FailingPaths.count(link)) return false;
    Files[link] = target;
    return true;
  }
  bool WriteText(const std::string& path, const std::string& text) override {
    Calls.push_back("write " + path);
    if (FailingPaths.count(path)) return false;
    Writes.push_back(text);
    Files[path] = text;
    return true;
  }

private:
  static std::string AsFolder(const std::string& path) {
    return !path.empty() && path.back() == '\\' ? path : path + '\\';
  }
};
