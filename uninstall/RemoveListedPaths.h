// Removal of every path of an installation log, in the listed order.
#pragma once

#include <string>
#include <vector>

class RemovalPlatform;

// Removes each path; returns the ones that could not be removed, each followed by a line feed
// unless it is the list's last entry. A path that is already gone counts as removed. Only
// absolute paths are touched: Setup writes nothing else, and a relative one would be resolved
// against whatever folder Purgerun happens to run in.
std::string RemoveListedPaths(RemovalPlatform& platform, const std::vector<std::string>& paths);

bool IsAbsolutePath(const std::string& path);

// The final message: the paths that stayed, or the success text when none did.
std::string UninstallFinishedText(const std::string& failures);
