// One installation on this computer, as the dialog and the silent mode start it.
#pragma once

#include <string>

#include "setup/Installer.h"

// JoinPath(ProgramFilesDir, ProductName).
std::string DefaultInstallFolder();
// Installs from the folder Setup runs in into folder (made absolute first, since the log
// holds absolute paths only). COM must be initialised on the calling thread.
InstallOutcome RunInstallation(const std::string& folder, bool desktop, bool sendTo);
