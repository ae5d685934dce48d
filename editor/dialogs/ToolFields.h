// The Tools editor's fields of one tool as the dialog shows them, and their validation.
#pragma once

#include "editor/shell/ToolCommand.h"

#include <string>

// What the controls of the Tools editor hold for the current tool.
struct ToolFields {
  std::string Name;
  std::string Extensions;  // separated by ";"
  std::string Command;
  std::string Arguments;
  std::string InitDir;
  bool IsFilter = false;
  bool SaveFirst = false;
  int Key = 0;
  int Modifiers = 0;  // hotkey control bits
};

// The field a refused tool points the user at.
enum class ToolFieldError { None, Extensions, Command };

struct ToolStoreResult {
  ToolFieldError Error = ToolFieldError::None;
  std::string Message;  // shown with the caption "Error" and the error icon
};

// The fields of a tool for the controls: its non-empty extensions joined with "; ".
ToolFields FieldsOfTool(const ToolCommand& tool);

// Takes the fields into the tool, checking the extensions first and the command last. What was
// taken before a check failed stays in the tool, as the dialog keeps showing it anyway.
ToolStoreResult StoreToolFields(const ToolFields& fields, ToolCommand& tool);
