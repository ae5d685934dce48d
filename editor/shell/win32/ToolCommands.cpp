// Running a tool from its menu item or hotkey: the save before it, the selection as a
// filter's input and its output in the selection's place.
#include "editor/shell/AppSettings.h"
#include "editor/shell/win32/ExecuteTool.h"
#include "editor/shell/win32/MainWindow.h"

bool MainWindow::RunToolCommand(unsigned id) {
  ToolCommand* tool = FindToolByCommand(Settings.Tools, id);
  if (!tool) return false;
  // A hotkey may come while the menu's states are out of date.
  if (ToolOffered(*tool)) {
    // The tool list may change while a prompt or the program runs; the copy stays.
    const ToolCommand copy = *tool;
    RunTool(copy);
  }
  return true;
}

void MainWindow::RunTool(const ToolCommand& tool) {
  if (tool.SaveFileBeforeExecuting && !SaveDocument()) return;
  std::string text = tool.IsFilter ? TextToPrint(true) : std::string();
  if (!ExecuteTool(tool, currentPath, Handle, text) || !tool.IsFilter) return;
  View.ReplaceSelection(text, true);
}
