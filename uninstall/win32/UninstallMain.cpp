// Uninstall.exe, which the program group's uninstaller shortcut starts: Purgerun removes the
// installation folder with every program in it, so it must not run from there. This program
// copies Purgerun and Uninstall.log into a fresh temporary folder, moves its own file there
// too (a running program cannot be deleted, but it can be moved within its drive), starts
// the copy with its own arguments and the installation folder, waits for it and ends with
// its exit code, so that a script learns the result.
//
// When its own file cannot be moved (the temporary folder lies on another drive), it hands
// over instead: the copy gets a handle of this program, waits for it to end before it
// removes anything, and this program ends at once with 0, as it cannot wait for a process
// that waits for it; the copy's message then is the only report.
#include <string>

#include "common/Constants.h"
#include "common/Paths.h"
#include "common/win32/FileSystem.h"
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

// The runtime would read a backslash before the closing quote as a quote, so the folder goes
// without its trailing one; a drive's root keeps it, having no blanks to be quoted for.
std::string InstallDirOption(const std::string& installDir) {
  std::string folder = installDir;
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return "/INSTALLDIR=" + folder;
}

std::string CommandLineFor(const TemporaryCopy& copy, const std::vector<std::string>& arguments, HANDLE self) {
  std::string line = QuotedArgument(copy.Program());
  for (const std::string& argument : arguments) line += ' ' + QuotedArgument(argument);
  line += ' ' + QuotedArgument(InstallDirOption(GetCommonFolders().ExeDir));
  if (self != nullptr) line += " /WAITFOR=" + std::to_string(reinterpret_cast<UINT_PTR>(self));
  return line;
}

// The copy runs in its own folder, so that no process holds the installation folder as its
// current folder; it writes to the standard handles this program was given. With handOff it
// gets a handle of this program to wait for. Returns the copy's process handle, null with
// error set when it could not start.
HANDLE Start(const TemporaryCopy& copy, const std::vector<std::string>& arguments, bool handOff, DWORD& error) {
  HANDLE self = handOff ? InheritableSelf() : nullptr;
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
  error = started ? 0 : GetLastError();
  if (self != nullptr) CloseHandle(self);
  if (!started) return nullptr;
  CloseHandle(process.hThread);
  return process.hProcess;
}

DWORD ExitCodeAtEnd(HANDLE process) {
  WaitForSingleObject(process, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::vector<std::string> arguments = ProgramArguments();
  const bool silent = Silent(arguments);
  const CommonFolders& folders = GetCommonFolders();
  TemporaryCopy copy;
  const bool made = copy.Make(folders.ExeDir);
  const bool movedOut = made && copy.TakeIn(folders.ExePath);
  copy.ScheduleRemoval();
  if (!made) return Fail(copy.Error(), silent);
  // The shortcut starts this program in the installation folder; as its current folder that
  // could not be removed while this program waits.
  SetCurrentDirectoryA(copy.Folder().c_str());
  DWORD error = 0;
  HANDLE purgerun = Start(copy, arguments, !movedOut, error);
  DWORD code = 0;
  if (purgerun == nullptr) code = Fail("Could not start '" + copy.Program() + "':\n" + SystemErrorText(error), silent);
  else if (movedOut) code = ExitCodeAtEnd(purgerun);
  else CloseHandle(purgerun);
  // While the log is in place the installation can still be removed (the user said No, or
  // the log could not be used), and its uninstaller belongs beside it.
  if (movedOut && FileExists(JoinPath(folders.ExeDir, UninstallLogName))) copy.PutBack();
  return static_cast<int>(code);
}
