// A tool's extensions against the document's.
#include "editor/shell/ToolEnabled.h"

#include "common/Paths.h"
#include "common/StringList.h"

bool ToolEnabled(const ToolCommand& tool, const std::string& documentPath) {
  return tool.Extensions.empty() || FindString(tool.Extensions, ExtensionOf(documentPath), false) >= 0;
}
