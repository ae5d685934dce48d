// The macros of a tool's command, arguments and folder: environment references, the
// document's path parts, the current folder and questions to the user.
#pragma once

#include <functional>
#include <string>

// What the expansion needs from the platform, so that it can run without one.
struct ToolMacroContext {
  // The editor's current folder, for %CurDir%.
  std::string CurrentDir;
  // An environment variable's value; false when no variable has that name.
  std::function<bool(const std::string& name, std::string& value)> Environment;
  // Asks the user for the text of a %Prompt:message% macro; an empty answer when the
  // question is dismissed.
  std::function<std::string(const std::string& message)> Prompt;
};

// text with every macro replaced. Environment references come first (unknown ones stay),
// then %CurDir%, %FilePath%, %FileDir%, %FileName% and %FileExt% in any letter case, then
// each %Prompt:message%, which asks the user, or with previewOnly shows as <message>.
// Inserted values are never expanded again.
std::string ExpandToolMacros(const ToolMacroContext& context, const std::string& documentPath,
                             const std::string& text, bool previewOnly);
