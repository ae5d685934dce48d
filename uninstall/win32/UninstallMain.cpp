// Uninstall.exe, which the program group's uninstaller shortcut starts: Purgerun removes the
// installation folder with every program in it, so it must not run from there. This program
// copies Purgerun and Uninstall.log into a fresh temporary folder, starts that copy (passing
// its own arguments on, and a handle of itself that the copy waits for) and ends at once.
#include <string>

#include "common/win32/ProgramArguments.h"
#include "common/win32/SystemErrorText.h"
#include "common/win32/SystemFolders.h"
#include "common/win32/WinApi.h"
#include "uninstall/win32/TemporaryCopy.h"

namespace {

bool Silent(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "/S" || argument == "/s") return true;
  }
  return false;
}

int Fail(const std::string& text, bool silent) {
  if (silent) WriteStandardOutput(text + "\n");
  else MessageBoxA(nullptr, text.c_str(), "Uninstall", MB_OK | MB_ICONERROR);
  return 1;
}

HANDLE InheritableSelf() {
  HANDLE self = nullptr;
  DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, SYNCHRONIZE, TRUE, 0);
  return self;
}

std::string CommandLineFor(const TemporaryCopy& copy, const std::vector<std::string>& arguments, HANDLE self) {
  std::string line = QuotedArgument(copy.Program());
  for (const std::string& argument : arguments) line += ' ' + QuotedArgument(argument);
  if (self != nullptr) line += " /WAITFOR=" + std::to_string(reinterpret_cast<UINT_PTR>(self));
  return line;
}

// The copy runs in its own folder, so that no process holds the installation folder as its
// current folder; it writes to the standard handles this program was given. Returns the
// system's error code, 0 when the copy runs.
DWORD Start(const TemporaryCopy& copy, const std::vector<std::string>& arguments) {
  HANDLE self = InheritableSelf();
  std::string line = CommandLineFor(copy, arguments, self);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessA(copy.Program().c_str(), &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                                      copy.Folder().c_str(), &startup, &process) != FALSE;
  const DWORD error = started ? 0 : GetLastError();
  if (started) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  if (self != nullptr) CloseHandle(self);
  return error;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::vector<std::string> arguments = ProgramArguments();
  const bool silent = Silent(arguments);
  TemporaryCopy copy;
  const bool made = copy.Make(GetCommonFolders().ExeDir);
  copy.ScheduleRemoval();
  if (!made) return Fail(copy.Error(), silent);
  const DWORD error = Start(copy, arguments);
  if (error != 0) return Fail("Could not start '" + copy.Program() + "':\n" + SystemErrorText(error), silent);
  return 0;
}
