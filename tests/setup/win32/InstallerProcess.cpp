// Starts the installation programs with their output in a file and finds their windows.
#include "tests/setup/win32/InstallerProcess.h"

#include <gtest/gtest.h>

#include "common/win32/ProgramArguments.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

namespace {

struct WindowSearch {
  DWORD ProcessId;  // 0: any process
  std::string Caption;
  HWND Found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if ((search->ProcessId == 0 || owner == search->ProcessId) && IsWindowVisible(window) &&
      WindowText(window) == search->Caption) {
    search->Found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindShown(DWORD processId, const std::string& caption) {
  WindowSearch search{processId, caption, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

}  // namespace

InstallerProcess::InstallerProcess(const std::string& program, const std::vector<std::string>& arguments) {
  std::string commandLine = QuotedArgument(program);
  for (const std::string& argument : arguments) commandLine += ' ' + QuotedArgument(argument);
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE output = CreateFileA(OutputFolder.Path("out.txt").c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  const std::string folder = program.substr(0, program.rfind('\\') + 1);
  EXPECT_TRUE(CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                             &startup, &Process))
      << program << " " << GetLastError();
  CloseHandle(output);
}

InstallerProcess::~InstallerProcess() {
  if (!Process.hProcess) return;
  if (WaitForSingleObject(Process.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(Process.hProcess, 1);
    WaitForSingleObject(Process.hProcess, INFINITE);
  }
  CloseHandle(Process.hProcess);
  CloseHandle(Process.hThread);
}

HWND InstallerProcess::WaitForWindow(const std::string& caption) const {
  HWND found = nullptr;
  EditorProcess::WaitUntil([&] {
    found = FindShown(Process.dwProcessId, caption);
    return found != nullptr || WaitForSingleObject(Process.hProcess, 0) != WAIT_TIMEOUT;
  });
  return found;
}

DWORD InstallerProcess::WaitForExit() {
  WaitForSingleObject(Process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(Process.hProcess, &code);
  return code;
}

std::string InstallerProcess::Output() const {
  return OutputFolder.ReadBytes("out.txt");
}

HWND WaitForAnyWindow(const std::string& caption) {
  HWND found = nullptr;
  EditorProcess::WaitUntil([&] { return (found = FindShown(0, caption)) != nullptr; });
  return found;
}

std::string SaveWindowShot(HWND window, const std::string& name) {
  // Give the box a moment to paint after it has been shown.
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(300);
  RECT frame;
  GetWindowRect(window, &frame);
  return SaveScreenshot(CaptureScreenArea(frame), name);
}
