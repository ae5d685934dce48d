// The installation folder as the folder field and the folder browser give it.
#pragma once

#include <string>

// The folder with a backslash at its end.
std::string WithTrailingBackslash(const std::string& folder);
// A folder picked in the browser: without trailing backslashes, and with the product's
// sub-folder joined to it unless it already ends with the product's name.
std::string BrowsedInstallFolder(const std::string& picked);
