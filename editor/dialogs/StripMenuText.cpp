// Menu texts without "&" and "...", for messages and the hotkey list.
#include "editor/dialogs/StripMenuText.h"

std::string StripMenuText(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text)
    if (c != '&') result += c;
  for (size_t dots = result.find("..."); dots != std::string::npos; dots = result.find("...", dots))
    result.erase(dots, 3);
  return result;
}
