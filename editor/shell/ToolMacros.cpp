// Expands the file, folder and prompt macros of a tool's texts for one document.
#include "editor/shell/ToolMacros.h"

#include "common/Paths.h"
#include "common/TextSearch.h"

namespace {

constexpr char PromptMacro[] = "%Prompt:";

void Replace(std::string& text, const std::string& macro, const std::string& value) {
  ReplaceAll(text, macro, value, SearchIgnoreCase, 0, -1, nullptr, 0);
}

void ExpandPrompts(const ToolMacroContext& context, std::string& text, bool previewOnly) {
  const int macroLength = static_cast<int>(sizeof PromptMacro - 1);
  for (int start = FindText(text, PromptMacro, SearchIgnoreCase, 0); start >= 0;) {
    const size_t message = static_cast<size_t>(start + macroLength);
    const size_t close = text.find('%', message);
    if (message >= text.size() || close == std::string::npos) return;
    const std::string prompt = text.substr(message, close - message);
    const std::string answer = previewOnly ? "<" + prompt + ">" : (context.Prompt ? context.Prompt(prompt) : "");
    text.replace(static_cast<size_t>(start), close + 1 - static_cast<size_t>(start), answer);
    start = FindText(text, PromptMacro, SearchIgnoreCase, start + static_cast<int>(answer.size()));
  }
}

}  // namespace

std::string ExpandToolMacros(const ToolMacroContext& context, const std::string& documentPath, const std::string& text,
                             bool previewOnly) {
  std::string result = context.Environment ? context.Environment(text) : text;
  std::string dir, title, extension;
  SplitPath(documentPath, dir, title, extension);
  Replace(result, "%CurDir%", context.CurrentDir);
  Replace(result, "%FilePath%", documentPath);
  Replace(result, "%FileDir%", dir);
  Replace(result, "%FileName%", title);
  Replace(result, "%FileExt%", extension);
  ExpandPrompts(context, result, previewOnly);
  return result;
}
