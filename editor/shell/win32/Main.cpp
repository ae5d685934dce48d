// The editor's entry: the command line, the help box, the main window and its message loop.
#include "common/win32/FileSystem.h"
#include "common/win32/WinApi.h"
#include "editor/shell/CommandLineOptions.h"
#include "editor/shell/win32/MainWindow.h"
#include "editor/shell/win32/WindowsAppSettings.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The arguments as the C runtime split them by the platform's rules, without the program.
std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
  return arguments;
}

// The arguments in both forms, split by the platform's rules for wide command lines.
std::vector<FilePath> WideArguments() {
  std::vector<FilePath> arguments;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(FilePathFromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

// The runtime's arguments have stand-ins where the code page lacks a character, so a name
// with such characters is read from the wide command line instead: the options see the
// code page's form, and the start-up file's exact name is kept beside it.
CommandLineOptions ParseArguments(std::wstring& wideFileName) {
  const std::vector<FilePath> wide = WideArguments();
  const bool lossy = std::any_of(wide.begin(), wide.end(), [](const FilePath& path) { return !path.Wide.empty(); });
  if (!lossy) return ParseCommandLine(CommandLineArguments());
  std::vector<std::string> arguments;
  for (const FilePath& argument : wide) arguments.push_back(argument.Ansi);
  const CommandLineOptions options = ParseCommandLine(arguments);
  for (const FilePath& argument : wide) {
    const bool flag = !argument.Ansi.empty() && (argument.Ansi[0] == '-' || argument.Ansi[0] == '/');
    if (flag || argument.Ansi != options.fileName) continue;
    wideFileName = argument.Wide;
    break;
  }
  return options;
}

void ShowHelp() {
  MessageBoxA(nullptr, CommandLineHelpText().c_str(), "Quilvane Command Line Help",
              MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

// Every message passes the main window's keyboard route first. The caret status is brought
// up to date once whenever the queue runs empty. The loop takes and hands on messages in
// their Unicode form, so that a typed character beyond the code page reaches the view whole;
// ANSI windows still get theirs converted by the system.
int RunMessageLoop(MainWindow& window) {
  MSG message;
  for (;;) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) window.OnIdle();
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) break;
    if (window.PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  std::wstring wideFileName;
  const CommandLineOptions options = ParseArguments(wideFileName);
  // Help ends the program before anything is shown or saved.
  if (options.showHelp) {
    ShowHelp();
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&controls);
  WindowsAppSettings settings;
  MainWindow window(options, settings);
  window.SetStartupWideName(wideFileName);
  if (!window.Create(instance, showCommand)) return 1;
  return RunMessageLoop(window);
}
