// One installation from the distribution folder into the installation folder, step by step.
#pragma once

#include <string>

#include "setup/InstallLog.h"

class InstallPlatform;

struct InstallRequest {
  std::string InstallDir;        // as the user gave it; a backslash is appended when missing
  std::string DistributionDir;   // the folder Setup runs from
  std::string SharedDataDir;
  std::string DesktopDir;        // the special folders; empty when the platform gave none
  std::string SendToDir;
  std::string CommonProgramsDir;
  bool DesktopShortcut = true;
  bool SendToShortcut = true;
};

struct InstallOutcome {
  // A folder could not be created: nothing was installed and Message says which.
  bool Stopped = false;
  // The failures collected on the way, one line each, in the order they happened.
  std::string Errors;
  // The final message (or, when stopped, the error message).
  std::string Message;
  InstallLog Log;

  bool Failed() const { return Stopped || !Errors.empty(); }
};

InstallOutcome Install(InstallPlatform& platform, const InstallRequest& request);
