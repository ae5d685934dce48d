// The message shown when a tool cannot be started or its filter reports an error.
#pragma once

#include <string>

// "Error executing command '<command>':" followed by an empty line and the error text.
std::string ToolErrorMessage(const std::string& command, const std::string& errorText);
