// Options > Font and Options > Editor on the main window.
#include "editor/shell/AppSettings.h"
#include "editor/shell/win32/EditorOptionsDialog.h"
#include "editor/shell/win32/LogFontRecord.h"
#include "editor/shell/win32/MainWindow.h"

// Screen fonts that exist, without colour, underline or strike-out choices.
void MainWindow::ChooseViewFont() {
  LOGFONTA font = ToLogFont(Settings.Font);
  CHOOSEFONTA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Handle;
  dialog.lpLogFont = &font;
  dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FORCEFONTEXIST;
  if (!ChooseFontA(&dialog)) return;
  HFONT chosen = CreateFontIndirectA(&font);
  if (!chosen) return;
  Settings.Font = ToFontRecord(font);
  View.SetFont(chosen);  // the view keeps its own copy
  DeleteObject(chosen);
  caretStatusValid = false;
}

void MainWindow::ShowEditorOptions() {
  if (!RunEditorOptionsDialog(Instance, Handle, Settings)) return;
  Settings.ApplyToView(View);
  UpdateClipboardStatus(false);  // the tab width may have changed
  caretStatusValid = false;
}
