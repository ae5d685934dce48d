// Removes an installation entry by entry. Nothing is removed recursively: a folder goes only
// once the files listed before it are gone and nobody else put files into it. A line that
// names anything Setup does not make is left alone, however it is spelt.
#include "uninstall/RemoveListedPaths.h"

#include <cctype>

#include "common/Paths.h"
#include "common/StringList.h"
#include "uninstall/RemovalPlatform.h"
#include "uninstall/RemovalScope.h"

namespace {

// A folder between the place and the path that is a link would lead the path out of it.
bool ReachedThroughLink(RemovalPlatform& platform, const std::string& base, const std::string& path) {
  for (const std::string& folder : FoldersAlongPath(path)) {
    if (folder.size() > base.size() && folder.size() < path.size() && platform.IsLink(folder)) return true;
  }
  return false;
}

// The path as it is to be removed, or empty when it is none of Setup's.
std::string RemovablePath(RemovalPlatform& platform, const RemovalScope& scope, const std::string& entry) {
  if (!IsAbsolutePath(entry)) return "";
  const std::string path = platform.NormalPath(entry);
  std::string base;
  if (path.empty() || !scope.Allows(path, base) || ReachedThroughLink(platform, base, path)) return "";
  return path;
}

bool Remove(RemovalPlatform& platform, const std::string& path) {
  bool isFolder = false;
  if (!platform.ReadKind(path, isFolder)) return true;
  platform.ClearReadOnly(path);
  return isFolder ? platform.RemoveFolder(path) : platform.RemoveFile(path);
}

}  // namespace

bool IsAbsolutePath(const std::string& path) {
  if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
      path[2] == '\\') {
    return true;
  }
  return path.size() >= 3 && path[0] == '\\' && path[1] == '\\';
}

RemovalReport RemoveListedPaths(RemovalPlatform& platform, const RemovalScope& scope,
                                const std::vector<std::string>& paths) {
  RemovalReport report;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const std::string& entry = paths[i];
    if (entry.empty()) continue;
    const std::string path = RemovablePath(platform, scope, entry);
    if (path.empty()) {
      report.Skipped.push_back(entry);
    } else if (!Remove(platform, path)) {
      report.Failures += entry;
      if (i + 1 < paths.size()) report.Failures += '\n';
    }
  }
  return report;
}

std::string UninstallFinishedText(const RemovalReport& report) {
  if (report.Complete()) return "Uninstall completed successfully!";
  std::string text;
  if (!report.Failures.empty()) text = "The following files or folders could not be removed:\n\n" + report.Failures;
  if (report.Skipped.empty()) return text;
  if (!text.empty()) text += text.back() == '\n' ? "\n" : "\n\n";
  return text + "The following entries of Uninstall.log were left alone, as Setup did not install them:\n\n" +
         JoinText(report.Skipped, "\n");
}
