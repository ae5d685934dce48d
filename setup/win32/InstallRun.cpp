// Gathers the folders of this computer and runs the installation with the real platform.
#include "setup/win32/InstallRun.h"

#include "common/Constants.h"
#include "common/Paths.h"
#include "common/win32/FileSystem.h"
#include "common/win32/SystemFolders.h"
#include "common/win32/WinApi.h"
#include "setup/win32/WindowsInstallPlatform.h"

namespace {

std::string SpecialFolderOrEmpty(int id) {
  std::string path;
  return GetSpecialFolder(id, path) ? path : std::string();
}

// A relative folder is taken from the current folder, as a command prompt would.
std::string AbsoluteFolder(const std::string& folder) {
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(folder.c_str(), MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? std::string(full, length) : folder;
}

}  // namespace

std::string DefaultInstallFolder() {
  return JoinPath(GetCommonFolders().ProgramFilesDir, ProductName);
}

InstallOutcome RunInstallation(const std::string& folder, bool desktop, bool sendTo) {
  const CommonFolders& folders = GetCommonFolders();
  InstallRequest request;
  request.InstallDir = AbsoluteFolder(folder);
  request.DistributionDir = folders.ExeDir;
  request.SharedDataDir = folders.SharedDataDir;
  request.DesktopDir = SpecialFolderOrEmpty(CSIDL_COMMON_DESKTOPDIRECTORY);
  request.SendToDir = SpecialFolderOrEmpty(CSIDL_SENDTO);
  request.CommonProgramsDir = SpecialFolderOrEmpty(CSIDL_COMMON_PROGRAMS);
  request.DesktopShortcut = desktop;
  request.SendToShortcut = sendTo;
  WindowsInstallPlatform platform;
  return Install(platform, request);
}
