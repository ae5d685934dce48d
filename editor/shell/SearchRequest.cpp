// The escape forms of the find dialog's texts and its two histories.
#include "editor/shell/SearchRequest.h"

std::string ConvertEscapes(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '\\' && (next == '\\' || next == 'n' || next == 't')) {
      result += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

std::string DisplayForm(const std::string& text, bool allowEscapes) {
  if (!allowEscapes) return text;
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    if (c == '\t') result += "\\t";
    else if (c == '\n') result += "\\n";
    else if (c == '\\') result += "\\\\";
    else result += c;
  }
  return result;
}

void AddToHistory(StringList& history, const std::string& text) {
  if (text.empty()) return;
  RemoveString(history, text, true);
  history.insert(history.begin(), text);
}
