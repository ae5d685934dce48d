// Edit > Advanced on the document: Insert Time/Date and the four case conversions.
#include "editor/shell/AppSettings.h"
#include "editor/shell/CaseConversion.h"
#include "editor/shell/TimeDateFormat.h"
#include "editor/shell/win32/CurrentTimeDate.h"
#include "editor/shell/win32/MainWindow.h"
#include "editor/shell/win32/WindowsCaseMapping.h"

// The selection gives way to the text; the caret ends behind it. A hotkey reaches these
// commands while their menu items are grey too, and a read-only document must stay as it is.
void MainWindow::InsertTimeDate() {
  if (!ViewIsEditable()) return;
  View.ReplaceSelection(ExpandTimeDate(Settings.TimeDateFormat, CurrentTimeDateTexts()), false);
}

void MainWindow::ConvertCase(int mode) {
  if (!ViewIsEditable()) return;
  ConvertSelectionCase(View, mode, WindowsCaseMapping());
}
