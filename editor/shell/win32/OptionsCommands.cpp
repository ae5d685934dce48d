// Options > Font, Options > Zoom, Options > Editor and Options > Syntax Coloring on the main window.
#include "common/Paths.h"
#include "editor/dialogs/win32/SyntaxColoringSheet.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/FontZoom.h"
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
  // The font chosen is the font shown: a zoom ends here.
  Settings.Zoom = 0;
  View.SetFont(chosen);  // the view keeps its own copy
  DeleteObject(chosen);
  caretStatusValid = false;
}

void MainWindow::SetZoom(int zoom) {
  zoom = ClampZoom(zoom);
  if (zoom == Settings.Zoom) return;
  Settings.Zoom = zoom;
  Settings.ApplyFont(View);
  caretStatusValid = false;
}

void MainWindow::ShowEditorOptions() {
  if (!RunEditorOptionsDialog(Instance, Handle, Settings)) return;
  Settings.ApplyToView(View);
  UpdateClipboardStatus(false);  // the tab width may have changed
  caretStatusValid = false;
}

// The sheet may have replaced the definitions and the schemes: the view gets the current
// scheme again and the document's language is looked up anew by its extension.
void MainWindow::ShowSyntaxColoring() {
  const RefPtr<LanguageDef>& shown = View.GetLanguage();
  RunSyntaxColoringSheet(Instance, Handle, Settings, shown ? shown->Name : std::string());
  Settings.ApplyToView(View);
  View.SetLanguage(Settings.Languages.FindByExtension(ExtensionOf(currentPath)));
  caretStatusValid = false;
}
