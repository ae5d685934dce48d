// The help command: the browser started on the help page as a tool would be.
#include "editor/shell/win32/OpenHelp.h"

#include "common/Constants.h"
#include "common/Paths.h"
#include "common/win32/SystemFolders.h"
#include "editor/shell/win32/ExecuteTool.h"

void OpenHelp(const std::string& topic, HWND owner) {
  const CommonFolders& folders = GetCommonFolders();
  ToolCommand tool;
  tool.Command = JoinPath(folders.ProgramFilesDir, "Internet Explorer\\iexplore.exe");
  std::string page = JoinPath(folders.ExeDir, HelpFileName);
  if (!topic.empty()) page += "#" + topic;
  tool.Arguments = "\"" + page + "\"";
  tool.InitDir = "%FileDir%";
  tool.SaveFileBeforeExecuting = false;
  std::string noText;
  ExecuteTool(tool, "", owner, noText);
}
