// The macros of a tool's command, arguments and initial folder, and what they expand to.
#pragma once

#include <functional>
#include <string>

// What the expansion needs from the running editor.
struct ToolMacroContext {
  std::string CurrentDir;  // the editor's current folder
  // The text with every %NAME% of an existing environment variable replaced by its value.
  std::function<std::string(const std::string&)> Environment;
  // Asks the user for the text of a %Prompt:message% macro.
  std::function<std::string(const std::string& message)> Prompt;
};

// Environment references first, then %CurDir%, %FilePath%, %FileDir%, %FileName% and %FileExt%
// in any letter case, then the prompt macros from left to right. previewOnly shows a prompt as
// "<message>" instead of asking. Inserted values are never expanded again.
std::string ExpandToolMacros(const ToolMacroContext& context, const std::string& documentPath, const std::string& text,
                             bool previewOnly);
