// Path strings with the backslash separator: joining, splitting and validating names.
#pragma once

#include <string>
#include <vector>

// dir, a backslash unless dir is empty or ends with one, then name.
std::string JoinPath(const std::string& dir, const std::string& name);
// Up to and including the last backslash; empty when there is none.
std::string DirectoryOf(const std::string& path);
// Behind the last backslash; the whole path when there is none.
std::string FileNameOf(const std::string& path);
// The file name without its last extension; empty when the path ends with a backslash.
std::string FileTitleOf(const std::string& path);
// The file name's text behind its last dot, without the dot; empty when it has no dot.
std::string ExtensionOf(const std::string& path);
bool HasExtension(const std::string& path);
// dir with its trailing backslash (empty when there is none), title, extension without the dot.
void SplitPath(const std::string& path, std::string& dir, std::string& title, std::string& extension);

bool IsValidFileName(const std::string& name);
bool IsValidExtension(const std::string& extension);
std::string InvalidExtensionMessage(const std::string& extension);

// The folders along path that may have to be created, from the first one below its root down to
// the path itself; the root ("C:\", "\", "\\server\share\") is never among them, as it cannot
// be created. A trailing backslash adds nothing.
std::vector<std::string> FoldersAlongPath(const std::string& path);
