// Purgerun's entry: asks, reads Uninstall.log beside itself, removes what it lists of the
// installation and says what stayed. With "/S" it neither asks nor shows boxes: the final
// message goes to standard output and the exit code says whether anything stayed.
#include <string>

#include "common/Constants.h"
#include "common/FileError.h"
#include "common/Paths.h"
#include "common/TextFile.h"
#include "common/win32/FileSystem.h"
#include "common/win32/ProgramArguments.h"
#include "common/win32/SystemErrorText.h"
#include "common/win32/SystemFolders.h"
#include "common/win32/WinApi.h"
#include "uninstall/PurgerunOptions.h"
#include "uninstall/RemovalScope.h"
#include "uninstall/RemoveListedPaths.h"
#include "uninstall/UninstallLogCheck.h"
#include "uninstall/UninstallLogEntries.h"
#include "uninstall/win32/WindowsRemovalPlatform.h"

namespace {

void Report(const PurgerunOptions& options, const std::string& text, const char* caption, UINT icon) {
  if (options.Silent) WriteStandardOutput(text + "\n");
  else MessageBoxA(nullptr, text.c_str(), caption, MB_OK | icon);
}

// The program that started this one lies in the folder to be removed; it ends right after.
void WaitForStarter(const PurgerunOptions& options) {
  if (options.WaitFor == 0) return;
  HANDLE starter = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(options.WaitFor));
  WaitForSingleObject(starter, INFINITE);
  CloseHandle(starter);
}

bool Confirmed(const PurgerunOptions& options) {
  if (options.Silent) return true;
  return MessageBoxA(nullptr, "This will uninstall Quilvane. Continue?", "Uninstall",
                     MB_YESNO | MB_ICONINFORMATION) == IDYES;
}

// The installation's folder: where the log came from, which is this program's own folder
// unless Uninstall.exe started a copy of it elsewhere.
std::string InstallDir(const PurgerunOptions& options) {
  return options.InstallDir.empty() ? GetCommonFolders().ExeDir : JoinPath(options.InstallDir, "");
}

// A log that is missing, unreadable, empty or not text ends the program with nothing
// removed. Its problems name the installation's log, the file the user knows.
bool ReadLog(const PurgerunOptions& options, std::string& text) {
  const std::string path = JoinPath(GetCommonFolders().ExeDir, UninstallLogName);
  const std::string shownPath = JoinPath(InstallDir(options), UninstallLogName);
  bool heldNulByte = false;
  try {
    text = ReadTextFile(path, false, &heldNulByte);
  } catch (const FileError& error) {
    Report(options, "Could not read the installation log '" + shownPath + "':\n" + SystemErrorText(error.Code),
           "Error", MB_ICONERROR);
    return false;
  }
  const std::string problem = UninstallLogProblem(text, heldNulByte, shownPath);
  if (problem.empty()) return true;
  Report(options, problem, "Error", MB_ICONERROR);
  return false;
}

std::string NormalSpecialFolder(RemovalPlatform& platform, int id) {
  std::string path;
  return GetSpecialFolder(id, path) ? platform.NormalPath(path) : std::string();
}

InstallPlaces PlacesOfThisComputer(RemovalPlatform& platform, const PurgerunOptions& options) {
  InstallPlaces places;
  places.InstallDir = platform.NormalPath(InstallDir(options));
  places.SharedDataDir = platform.NormalPath(GetCommonFolders().SharedDataDir);
  places.DesktopDir = NormalSpecialFolder(platform, CSIDL_COMMON_DESKTOPDIRECTORY);
  places.SendToDir = NormalSpecialFolder(platform, CSIDL_SENDTO);
  places.CommonProgramsDir = NormalSpecialFolder(platform, CSIDL_COMMON_PROGRAMS);
  return places;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const PurgerunOptions options = ParsePurgerunOptions(ProgramArguments());
  if (!options.Error.empty()) {
    Report(options, options.Error, "Error", MB_ICONERROR);
    return 2;
  }
  WaitForStarter(options);
  if (!Confirmed(options)) return 0;
  std::string log;
  if (!ReadLog(options, log)) return 1;
  WindowsRemovalPlatform platform;
  const RemovalScope scope(PlacesOfThisComputer(platform, options));
  const RemovalReport report = RemoveListedPaths(platform, scope, UninstallLogEntries(log));
  Report(options, UninstallFinishedText(report), "Finished", report.Complete() ? MB_ICONINFORMATION : MB_ICONWARNING);
  return report.Complete() ? 0 : 1;
}
