// Whether a tool is offered for the current document.
#pragma once

#include "editor/shell/ToolCommand.h"

#include <string>

// True when the tool names no extensions or one of them is the document's, in any case.
bool ToolEnabled(const ToolCommand& tool, const std::string& documentPath);
