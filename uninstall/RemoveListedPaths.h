// Removal of every path of an installation log, in the listed order.
#pragma once

#include <string>
#include <vector>

class RemovalPlatform;
class RemovalScope;

struct RemovalReport {
  // The paths that could not be removed, each followed by a line feed unless it is the
  // list's last entry.
  std::string Failures;
  // The log's lines that name nothing Setup makes, as they stand in the log; never touched.
  std::vector<std::string> Skipped;

  bool Complete() const { return Failures.empty() && Skipped.empty(); }
};

// Removes each path that the scope allows; a path that is already gone counts as removed.
// Only absolute paths are considered: Setup writes nothing else, and a relative one would be
// resolved against whatever folder Purgerun happens to run in.
RemovalReport RemoveListedPaths(RemovalPlatform& platform, const RemovalScope& scope,
                                const std::vector<std::string>& paths);

bool IsAbsolutePath(const std::string& path);

// The final message: the paths that stayed and the lines left alone, or the success text.
std::string UninstallFinishedText(const RemovalReport& report);
