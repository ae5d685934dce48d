// The paths Setup makes, compared in normal form: lower case, no trailing backslash, so that a
// prefix must end at a backslash to count as a folder that holds the path.
#include "uninstall/RemovalScope.h"

#include <algorithm>
#include <cctype>

#include "common/Constants.h"
#include "common/Paths.h"
#include "setup/ShortcutNames.h"

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  return text;
}

// The name of path directly in folder, or empty when path does not lie directly in it.
std::string NameIn(const std::string& folder, const std::string& path) {
  if (folder.empty()) return "";
  const std::string prefix = JoinPath(folder, "");
  if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) return "";
  const std::string name = path.substr(prefix.size());
  return name.find('\\') == std::string::npos ? name : "";
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

const std::string ProgramShortcut = Lower(ShortcutName);
const std::string UninstallShortcut = Lower(UninstallShortcutName);

}  // namespace

RemovalScope::RemovalScope(const InstallPlaces& places) : Places(places) {
  // A drive or share itself is no installation folder whose every file is Setup's.
  if (FoldersAlongPath(Places.InstallDir).empty()) Places.InstallDir.clear();
  if (!Places.SharedDataDir.empty()) Languages = JoinPath(Places.SharedDataDir, "languages");
  if (!Places.CommonProgramsDir.empty()) Group = JoinPath(Places.CommonProgramsDir, Lower(ProductName));
}

bool RemovalScope::Allows(const std::string& path, std::string& base) const {
  if (InsideInstallDir(path)) base = Places.InstallDir;
  else if (SharedData(path)) base = Places.SharedDataDir;
  else if (ProgramGroup(path)) base = Places.CommonProgramsDir;
  else if (NameIn(Places.DesktopDir, path) == ProgramShortcut) base = Places.DesktopDir;
  else if (NameIn(Places.SendToDir, path) == ProgramShortcut) base = Places.SendToDir;
  else return false;
  return true;
}

bool RemovalScope::InsideInstallDir(const std::string& path) const {
  const std::string& folder = Places.InstallDir;
  if (folder.empty() || path.compare(0, folder.size(), folder) != 0) return false;
  return path.size() == folder.size() || path[folder.size()] == '\\';
}

bool RemovalScope::SharedData(const std::string& path) const {
  if (Places.SharedDataDir.empty()) return false;
  return path == Places.SharedDataDir || path == Languages ||
         EndsWith(NameIn(Languages, path), Lower(LanguageFileExtension));
}

bool RemovalScope::ProgramGroup(const std::string& path) const {
  if (Group.empty()) return false;
  const std::string name = NameIn(Group, path);
  return path == Group || name == ProgramShortcut || name == UninstallShortcut;
}
