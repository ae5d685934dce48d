// Filling the Tools editor from a tool and taking its fields back with their checks in order.
#include "editor/dialogs/ToolFields.h"

#include "common/Paths.h"
#include "common/StringList.h"

namespace {

// Blanks at both ends and any leading dots go: ".txt" and " txt " both mean txt.
std::string CleanExtension(const std::string& extension) {
  const char* blanks = " \t\r\n";
  const size_t first = extension.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  std::string trimmed = extension.substr(first, extension.find_last_not_of(blanks) - first + 1);
  trimmed.erase(0, trimmed.find_first_not_of('.'));  // all dots: nothing is left
  return trimmed;
}

}  // namespace

ToolFields FieldsOfTool(const ToolCommand& tool) {
  ToolFields fields;
  fields.Name = tool.MenuItemName;
  fields.Extensions = JoinNonEmpty(tool.Extensions, "; ");
  fields.Command = tool.Command;
  fields.Arguments = tool.Arguments;
  fields.InitDir = tool.InitDir;
  fields.IsFilter = tool.IsFilter;
  fields.SaveFirst = tool.SaveFileBeforeExecuting;
  fields.Key = tool.Hotkey.Key & 0xFF;
  fields.Modifiers = ModifiersOf(tool.Hotkey);
  return fields;
}

ToolStoreResult StoreToolFields(const ToolFields& fields, ToolCommand& tool) {
  SplitText(fields.Extensions, ";", tool.Extensions);
  for (std::string& extension : tool.Extensions) {
    extension = CleanExtension(extension);
    if (!IsValidExtension(extension)) return {ToolFieldError::Extensions, InvalidExtensionMessage(extension)};
  }
  tool.MenuItemName = fields.Name;
  tool.Command = fields.Command;
  tool.Arguments = fields.Arguments;
  tool.InitDir = fields.InitDir;
  tool.IsFilter = fields.IsFilter;
  tool.SaveFileBeforeExecuting = fields.SaveFirst;
  tool.Hotkey = MakeEntry(static_cast<uint16_t>(fields.Key), fields.Modifiers, 0);
  if (tool.Command.empty()) return {ToolFieldError::Command, "The command cannot be empty."};
  return {};
}
