// Expanding the time/date macros with the editor's one text search.
#include "editor/shell/TimeDateFormat.h"

#include "common/TextSearch.h"

std::string ExpandTimeDate(const std::string& format, const TimeDateTexts& now) {
  const std::pair<const char*, const std::string*> macros[] = {
      {"%Date%", &now.Date}, {"%LongDate%", &now.LongDate}, {"%Time%", &now.Time}, {"%LongTime%", &now.LongTime}};
  std::string text = format;
  for (const auto& macro : macros) ReplaceAll(text, macro.first, *macro.second, SearchIgnoreCase, 0, -1, nullptr, 0);
  return text;
}
