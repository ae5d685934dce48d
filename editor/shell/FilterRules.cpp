// File names and the output rule of filter tools.
#include "editor/shell/FilterRules.h"

#include "common/Paths.h"

std::string FilterFileName(const std::string& tempDir, const std::string& stream, unsigned long processId) {
  return JoinPath(tempDir, "QuilvaneStd" + stream + std::to_string(processId) + ".txt");
}

std::string FilterOutputText(std::string output, bool inputEndsWithNewLine) {
  // Line-oriented programs end their last line even when the selection did not.
  if (!inputEndsWithNewLine && !output.empty() && output.back() == '\n') output.pop_back();
  return output;
}
