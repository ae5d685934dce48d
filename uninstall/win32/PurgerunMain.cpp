// Purgerun's entry: asks, reads Uninstall.log beside itself, removes what it lists and says
// what stayed. With "/S" it neither asks nor shows boxes: the final message goes to standard
// output and the exit code says whether anything stayed.
#include <string>

#include "common/Constants.h"
#include "common/FileError.h"
#include "common/Paths.h"
#include "common/TextFile.h"
#include "common/win32/ProgramArguments.h"
#include "common/win32/SystemErrorText.h"
#include "common/win32/SystemFolders.h"
#include "common/win32/WinApi.h"
#include "uninstall/PurgerunOptions.h"
#include "uninstall/RemoveListedPaths.h"
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

// A log that is missing or unreadable ends the program with nothing removed.
bool ReadLog(const PurgerunOptions& options, std::string& text) {
  const std::string path = JoinPath(GetCommonFolders().ExeDir, UninstallLogName);
  try {
    text = ReadTextFile(path, false);
    return true;
  } catch (const FileError& error) {
    Report(options, "Could not read the installation log '" + path + "':\n" + SystemErrorText(error.Code),
           "Error", MB_ICONERROR);
    return false;
  }
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
  const std::string failures = RemoveListedPaths(platform, UninstallLogEntries(log));
  Report(options, UninstallFinishedText(failures), "Finished",
         failures.empty() ? MB_ICONINFORMATION : MB_ICONWARNING);
  return failures.empty() ? 0 : 1;
}
