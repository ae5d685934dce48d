// The paths of Uninstall.log as Purgerun removes them.
#pragma once

#include <string>
#include <vector>

// The text split at every CR LF (an empty piece between two of them is kept), each piece
// without spaces at its ends; tabs and lone line feeds belong to the paths.
std::vector<std::string> UninstallLogEntries(const std::string& logText);
