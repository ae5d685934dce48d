// Removes an installation entry by entry. Nothing is removed recursively: a folder goes only
// once the files listed before it are gone and nobody else put files into it.
#include "uninstall/RemoveListedPaths.h"

#include <cctype>

#include "uninstall/RemovalPlatform.h"

namespace {

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

std::string RemoveListedPaths(RemovalPlatform& platform, const std::vector<std::string>& paths) {
  std::string failures;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const std::string& path = paths[i];
    if (path.empty()) continue;
    if (IsAbsolutePath(path) && Remove(platform, path)) continue;
    failures += path;
    if (i + 1 < paths.size()) failures += '\n';
  }
  return failures;
}

std::string UninstallFinishedText(const std::string& failures) {
  if (failures.empty()) return "Uninstall completed successfully!";
  return "The following files or folders could not be removed:\n\n" + failures;
}
