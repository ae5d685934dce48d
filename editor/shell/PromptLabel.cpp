// The prompt's label, which reads as a question for a field even when the tool's author
// wrote a bare phrase.
#include "editor/shell/PromptLabel.h"

std::string PromptLabel(const std::string& message) {
  if (message.empty() || message.back() == ':') return message;
  return message + ":";
}
