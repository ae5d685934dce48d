// Opens the help page in Internet Explorer at the requested section.
#include "editor/shell/win32/OpenHelp.h"

#include "common/CommonFolders.h"
#include "common/Constants.h"
#include "common/Paths.h"
#include "common/win32/SystemErrorText.h"
#include "common/win32/SystemFolders.h"

void OpenHelp(const std::string& topic, HWND owner) {
  const CommonFolders& folders = GetCommonFolders();
  const std::string browser = JoinPath(folders.ProgramFilesDir, "Internet Explorer\\iexplore.exe");
  std::string page = JoinPath(folders.ExeDir, HelpFileName);
  if (!topic.empty()) page += "#" + topic;
  std::string commandLine = "\"" + browser + "\" \"" + page + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(browser.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    const std::string text = browser + "\n" + SystemErrorText(GetLastError());
    MessageBoxA(owner, text.c_str(), "Error", MB_OK | MB_ICONERROR);
    return;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}
