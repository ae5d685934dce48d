// Expansion of the tool macros, in the order that lets a variable hold a file macro and
// keeps answers and file names from being expanded again.
#include "editor/shell/ToolMacros.h"

#include "common/Paths.h"
#include "common/TextSearch.h"

#include <utility>

namespace {

const std::string PromptMacro = "%Prompt:";

// The platform's expansion: a reference to an unknown variable is copied up to its closing
// "%", which may then open the next reference.
std::string ExpandEnvironmentReferences(const ToolMacroContext& context, const std::string& text) {
  std::string result;
  size_t at = 0;
  while (at < text.size()) {
    const size_t open = text.find('%', at);
    const size_t close = open == std::string::npos ? std::string::npos : text.find('%', open + 1);
    if (close == std::string::npos) {
      result.append(text, at, std::string::npos);
      break;
    }
    result.append(text, at, open - at);
    const std::string name = text.substr(open + 1, close - open - 1);
    std::string value;
    if (!name.empty() && context.Environment && context.Environment(name, value)) {
      result += value;
      at = close + 1;
    } else {
      result.append(text, open, close - open);
      at = close;
    }
  }
  return result;
}

void ReplaceFileMacros(const ToolMacroContext& context, const std::string& documentPath, std::string& text) {
  std::string dir, title, extension;
  SplitPath(documentPath, dir, title, extension);
  const std::pair<const char*, const std::string*> macros[] = {
      {"%CurDir%", &context.CurrentDir}, {"%FilePath%", &documentPath}, {"%FileDir%", &dir},
      {"%FileName%", &title},            {"%FileExt%", &extension}};
  for (const auto& macro : macros) ReplaceAll(text, macro.first, *macro.second, SearchIgnoreCase, 0, -1, nullptr, 0);
}

void ReplacePromptMacros(const ToolMacroContext& context, bool previewOnly, std::string& text) {
  int from = 0;
  for (;;) {
    const int start = FindText(text, PromptMacro, SearchIgnoreCase, from);
    if (start < 0) return;
    const size_t messageStart = static_cast<size_t>(start) + PromptMacro.size();
    const size_t close = messageStart < text.size() ? text.find('%', messageStart) : std::string::npos;
    if (close == std::string::npos) return;
    const std::string message = text.substr(messageStart, close - messageStart);
    std::string value;
    if (previewOnly) value = "<" + message + ">";
    else if (context.Prompt) value = context.Prompt(message);
    text.replace(static_cast<size_t>(start), close + 1 - static_cast<size_t>(start), value);
    from = start + static_cast<int>(value.size());
  }
}

}  // namespace

std::string ExpandToolMacros(const ToolMacroContext& context, const std::string& documentPath,
                             const std::string& text, bool previewOnly) {
  std::string result = ExpandEnvironmentReferences(context, text);
  ReplaceFileMacros(context, documentPath, result);
  ReplacePromptMacros(context, previewOnly, result);
  return result;
}
