// Whether Uninstall.log's text can be a list that Setup wrote, before anything is removed.
#pragma once

#include <string>

// Empty when the text lists at least one path and holds text only; otherwise the message
// that names the log (logPath) and says why nothing is removed. heldNulByte tells that the
// file held a zero byte, where reading it stopped.
std::string UninstallLogProblem(const std::string& text, bool heldNulByte, const std::string& logPath);
