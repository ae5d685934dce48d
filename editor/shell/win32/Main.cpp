// The editor's entry: the command line, the help box, the main window and its message loop.
#include "common/win32/WinApi.h"
#include "editor/shell/CommandLineOptions.h"
#include "editor/shell/win32/MainWindow.h"
#include "editor/shell/win32/WindowsAppSettings.h"

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

void ShowHelp() {
  MessageBoxA(nullptr, CommandLineHelpText().c_str(), "Quilvane Command Line Help",
              MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

// Every message passes the main window's keyboard route first. The caret status is brought
// up to date once whenever the queue runs empty.
int RunMessageLoop(MainWindow& window) {
  MSG message;
  for (;;) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) window.OnIdle();
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) break;
    if (window.PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  const CommandLineOptions options = ParseCommandLine(CommandLineArguments());
  // Help ends the program before anything is shown or saved.
  if (options.showHelp) {
    ShowHelp();
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&controls);
  WindowsAppSettings settings;
  MainWindow window(options, settings);
  if (!window.Create(instance, showCommand)) return 1;
  return RunMessageLoop(window);
}
