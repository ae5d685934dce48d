// Setup's entry: the dialog, or with "/S" an installation without any window whose final
// message goes to standard output and whose exit code says whether anything failed.
#include <string>

#include "common/win32/ProgramArguments.h"
#include "common/win32/WinApi.h"
#include "setup/SetupOptions.h"
#include "setup/win32/InstallRun.h"
#include "setup/win32/SetupDialog.h"

namespace {

int RunSilently(const SetupOptions& options) {
  CoInitialize(nullptr);
  const std::string folder = options.Folder.empty() ? DefaultInstallFolder() : options.Folder;
  const InstallOutcome outcome = RunInstallation(folder, options.Desktop, options.SendTo);
  CoUninitialize();
  WriteStandardOutput(outcome.Message + "\n");
  return outcome.Failed() ? 1 : 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const SetupOptions options = ParseSetupOptions(ProgramArguments());
  if (options.Silent) {
    if (!options.Error.empty()) {
      WriteStandardOutput(options.Error + "\n");
      return 2;
    }
    return RunSilently(options);
  }
  RunSetupDialog(instance);
  return 0;
}
