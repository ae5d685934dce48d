// The current folder and environment of the editor process, for expanding tool macros.
#include "editor/shell/win32/ToolMacroContext.h"

#include "common/win32/FileSystem.h"

ToolMacroContext CurrentToolMacroContext(HWND) {
  ToolMacroContext context;
  char folder[MAX_PATH + 1] = "";
  const DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
  context.CurrentDir.assign(folder, length < sizeof folder ? length : 0);
  context.Environment = [](const std::string& text) { return ExpandEnvironment(text); };
  // This build runs no tools, so nothing asks yet: the previews show prompts without asking.
  context.Prompt = [](const std::string&) { return std::string(); };
  return context;
}
