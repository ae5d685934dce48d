// The tools' execution error text.
#include "editor/shell/ToolErrorMessage.h"

std::string ToolErrorMessage(const std::string& command, const std::string& errorText) {
  return "Error executing command '" + command + "':\n\n" + errorText;
}
