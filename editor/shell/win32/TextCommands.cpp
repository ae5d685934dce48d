// Edit > Advanced on the document: Insert Time/Date and the four case conversions.
#include "editor/shell/AppSettings.h"
#include "editor/shell/CaseConversion.h"
#include "editor/shell/TimeDateFormat.h"
#include "editor/shell/Utf8CaseMapping.h"
#include "editor/shell/win32/AnsiCodePage.h"
#include "editor/shell/win32/CurrentTimeDate.h"
#include "editor/shell/win32/MainWindow.h"
#include "editor/shell/win32/WindowsCaseMapping.h"

// The selection gives way to the text; the caret ends behind it. A hotkey reaches these
// commands while their menu items are grey too, and a read-only document must stay as it is.
// The format and the platform's date and time texts are in the ANSI code page.
void MainWindow::InsertTimeDate() {
  if (!ViewIsEditable()) return;
  std::string text = ExpandTimeDate(Settings.TimeDateFormat, CurrentTimeDateTexts());
  if (View.IsUtf8()) text = Utf8FromAnsi(text);
  View.ReplaceSelection(std::move(text), false);
}

void MainWindow::ConvertCase(int mode) {
  if (!ViewIsEditable()) return;
  if (View.IsUtf8()) ConvertSelectionCase(View, mode, Utf8CaseMapping());
  else ConvertSelectionCase(View, mode, WindowsCaseMapping());
}
