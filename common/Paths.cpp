// Path string functions; they never touch the file system.
#include "common/Paths.h"

#include "common/Constants.h"

namespace {

// Index just behind the last backslash: where the file name begins.
std::size_t FileNameStart(const std::string& path) {
  std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? 0 : slash + 1;
}

// Index of the dot that starts the extension, or npos.
std::size_t ExtensionDot(const std::string& path) {
  std::size_t dot = path.rfind('.');
  return dot != std::string::npos && dot >= FileNameStart(path) ? dot : std::string::npos;
}

// Index just behind the end of the backslash-terminated part that follows from.
std::size_t BehindComponent(const std::string& path, std::size_t from) {
  std::size_t slash = path.find('\\', from);
  return slash == std::string::npos ? path.size() : slash + 1;
}

// Length of the root of path: "C:\" or "C:", "\\server\share\", "\", or 0 for a relative path.
std::size_t RootLength(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.size() >= 3 && path[2] == '\\' ? 3 : 2;
  if (path.compare(0, 2, "\\\\") == 0) return BehindComponent(path, BehindComponent(path, 2));
  return !path.empty() && path[0] == '\\' ? 1 : 0;
}

}  // namespace

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty() || dir.back() == '\\') return dir + name;
  return dir + '\\' + name;
}

std::string DirectoryOf(const std::string& path) {
  return path.substr(0, FileNameStart(path));
}

std::string FileNameOf(const std::string& path) {
  return path.substr(FileNameStart(path));
}

std::string FileTitleOf(const std::string& path) {
  std::size_t start = FileNameStart(path);
  std::size_t dot = ExtensionDot(path);
  return path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
}

std::string ExtensionOf(const std::string& path) {
  std::size_t dot = ExtensionDot(path);
  return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

bool HasExtension(const std::string& path) {
  return !ExtensionOf(path).empty();
}

void SplitPath(const std::string& path, std::string& dir, std::string& title, std::string& extension) {
  dir = DirectoryOf(path);
  title = FileTitleOf(path);
  extension = ExtensionOf(path);
}

bool IsValidFileName(const std::string& name) {
  return name.find_first_of(ForbiddenFileNameChars) == std::string::npos;
}

bool IsValidExtension(const std::string& extension) {
  return extension.find_first_of(ForbiddenExtensionChars) == std::string::npos;
}

std::string InvalidExtensionMessage(const std::string& extension) {
  return "Extension '" + extension +
         "' is not valid. Extensions cannot contain any of the following characters:\n\t" +
         ForbiddenExtensionChars;
}

std::vector<std::string> FoldersAlongPath(const std::string& path) {
  std::vector<std::string> folders;
  std::size_t start = RootLength(path);
  while (start < path.size()) {
    std::size_t next = BehindComponent(path, start);
    std::size_t end = path[next - 1] == '\\' ? next - 1 : next;
    if (end > start) folders.push_back(path.substr(0, end));  // doubled backslashes add nothing
    start = next;
  }
  return folders;
}
