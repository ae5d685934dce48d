// The platform side of the tool macros.
#include "editor/shell/win32/ToolMacroContext.h"

#include "editor/shell/win32/PromptDialog.h"

#include <vector>

namespace {

bool EnvironmentVariable(const std::string& name, std::string& value) {
  const DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (needed == 0) return false;
  std::vector<char> buffer(needed);
  const DWORD length = GetEnvironmentVariableA(name.c_str(), buffer.data(), needed);
  if (length >= needed) return false;  // the variable changed in between
  value.assign(buffer.data(), length);
  return true;
}

std::string CurrentDirectory() {
  char folder[MAX_PATH + 1] = "";
  const DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
  return length < sizeof folder ? std::string(folder, length) : std::string();
}

}  // namespace

ToolMacroContext CurrentToolMacroContext(HWND owner) {
  ToolMacroContext context;
  context.CurrentDir = CurrentDirectory();
  context.Environment = EnvironmentVariable;
  context.Prompt = [owner](const std::string& message) { return RunPromptDialog(owner, message); };
  return context;
}
