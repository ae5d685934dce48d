// Tool execution: the command line from the macros, the process, the filter's round trip
// through its files, and the error message.
#include "editor/shell/win32/ExecuteTool.h"

#include "common/win32/FileSystem.h"
#include "common/win32/OwnerCentring.h"
#include "common/win32/SystemErrorText.h"
#include "editor/shell/FilterRules.h"
#include "editor/shell/ToolErrorMessage.h"
#include "editor/shell/ToolMacros.h"
#include "editor/shell/win32/FilterFiles.h"
#include "editor/shell/win32/ToolMacroContext.h"
#include "editor/shell/win32/WaitCursorScope.h"

namespace {

struct Launch {
  std::string CommandLine;
  std::string Folder;  // empty: the editor's current folder
};

// The program is looked up as the platform would and always quoted, so that a path with
// blanks stays one word; the blank behind it is there even without arguments.
Launch PrepareLaunch(const ToolMacroContext& context, const ToolCommand& tool, const std::string& documentPath) {
  std::string command = ExpandToolMacros(context, documentPath, tool.Command, false);
  FindOnSearchPath(command);
  Launch launch;
  launch.CommandLine = "\"" + command + "\" " + ExpandToolMacros(context, documentPath, tool.Arguments, false);
  launch.Folder = ExpandToolMacros(context, documentPath, tool.InitDir, false);
  return launch;
}

// Starts the process; for a filter, with the files as its standard streams and hidden.
bool StartProcess(const Launch& launch, const FilterFiles* filter, PROCESS_INFORMATION& process, std::string& error) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (filter) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    filter->SetStandardHandles(startup);
  }
  std::string commandLine = launch.CommandLine;
  if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, filter ? TRUE : FALSE,
                     filter ? CREATE_NO_WINDOW : 0, nullptr, launch.Folder.empty() ? nullptr : launch.Folder.c_str(),
                     &startup, &process))
    return true;
  error = SystemErrorText(GetLastError());
  return false;
}

// Runs the filter to its end and takes its output; false with its error output.
bool RunFilter(const Launch& launch, std::string& text, std::string& error) {
  WaitCursorScope wait;
  FilterFiles files;
  PROCESS_INFORMATION process{};
  if (!files.Open(text, error) || !StartProcess(launch, &files, process, error)) return false;
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  error = files.ReadErrors();
  if (!error.empty()) return false;
  const bool inputEndsWithNewLine = !text.empty() && text.back() == '\n';
  text = FilterOutputText(files.ReadOutput(), inputEndsWithNewLine);
  return true;
}

bool RunProgram(const Launch& launch, std::string& error) {
  PROCESS_INFORMATION process{};
  if (!StartProcess(launch, nullptr, process, error)) return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

bool ExecuteTool(const ToolCommand& tool, const std::string& documentPath, HWND owner, std::string& text) {
  const ToolMacroContext context = CurrentToolMacroContext(owner);
  const Launch launch = PrepareLaunch(context, tool, documentPath);
  std::string error;
  if (tool.IsFilter ? RunFilter(launch, text, error) : RunProgram(launch, error)) return true;
  const std::string command = ExpandToolMacros(context, documentPath, tool.Command, false);
  MessageBoxOver(owner, ToolErrorMessage(command, error), "Error", MB_OK | MB_ICONERROR);
  return false;
}
