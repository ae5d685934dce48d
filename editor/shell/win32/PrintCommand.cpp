// File > Print: the print dialog, the printer's device context and the job of the document.
#include "common/LineEnds.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/PrintJob.h"
#include "editor/shell/win32/LogFontRecord.h"
#include "editor/shell/win32/MainWindow.h"
#include "editor/shell/win32/PrinterPages.h"

namespace {

// The dialog's memory blocks and device context, released whatever way the command ends.
struct PrintDialogResult {
  PRINTDLGA Dialog{};
  PrintDialogResult() { Dialog.lStructSize = sizeof Dialog; }
  ~PrintDialogResult() {
    if (Dialog.hDC) DeleteDC(Dialog.hDC);
    if (Dialog.hDevMode) GlobalFree(Dialog.hDevMode);
    if (Dialog.hDevNames) GlobalFree(Dialog.hDevNames);
  }
  PrintDialogResult(const PrintDialogResult&) = delete;
  PrintDialogResult& operator=(const PrintDialogResult&) = delete;
};

// The copies that the printer's settings make by themselves.
int DriverCopies(HGLOBAL devMode) {
  const auto* mode = devMode ? static_cast<const DEVMODEA*>(GlobalLock(devMode)) : nullptr;
  if (!mode) return 1;
  const int copies = (mode->dmFields & DM_COPIES) ? mode->dmCopies : 1;
  GlobalUnlock(devMode);
  return copies;
}

int ScreenDpiY() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi;
}

PrintOutcome PrintOnPrinter(HDC printer, HFONT viewFont, int tabWidth, const std::string& text, bool utf8,
                            const std::string& title, int copies) {
  HFONT font = CreatePrinterFont(viewFont, GetDeviceCaps(printer, LOGPIXELSY), ScreenDpiY());
  PrintOutcome outcome;
  {
    PrinterPages pages(printer, font, GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES), tabWidth,
                       utf8);
    outcome = PrintPages(pages, text, title, copies);
  }
  if (font) DeleteObject(font);
  return outcome;
}

}  // namespace

std::string MainWindow::TextToPrint(bool selectionOnly) const {
  if (!selectionOnly) return View.GetText(NewLineLf);
  std::string text = View.GetSelectedText();
  RemoveCarriageReturns(text, nullptr, 0);
  return text;
}

void MainWindow::PrintDocument() {
  PrintDialogResult result;
  PRINTDLGA& dialog = result.Dialog;
  dialog.hwndOwner = Handle;
  dialog.nCopies = 1;
  dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_COLLATE | PD_ALLPAGES;
  if (!View.HasSelection()) dialog.Flags |= PD_NOSELECTION;
  // A dialog that fails (no printer installed, for instance) was not cancelled by the user.
  if (!PrintDlgA(&dialog) && CommDlgExtendedError() == 0) return;
  if (!dialog.hDC) {
    ShowMessage("Printer not available.", "Error", MB_OK | MB_ICONERROR);
    return;
  }
  const std::string text = TextToPrint((dialog.Flags & PD_SELECTION) != 0);
  const std::string jobName = PrintJobName(currentPath);
  DOCINFOA job{};
  job.cbSize = sizeof job;
  job.lpszDocName = jobName.c_str();
  if (StartDocA(dialog.hDC, &job) <= 0) {
    ShowMessage("The printer did not initalize.", "Error", MB_OK | MB_ICONERROR);
    return;
  }
  const int copies = CopiesToPrint(dialog.nCopies, DriverCopies(dialog.hDevMode));
  // The chosen font, not the view's zoomed one: a zoom is for the screen.
  const LOGFONTA chosen = ToLogFont(Settings.Font);
  HFONT font = CreateFontIndirectA(&chosen);
  const PrintOutcome outcome =
      PrintOnPrinter(dialog.hDC, font ? font : View.Font(), View.GetTabWidth(), text, View.IsUtf8(),
                     PrintHeaderTitle(currentPath), copies);
  if (font) DeleteObject(font);
  if (outcome == PrintOutcome::Printed)
    EndDoc(dialog.hDC);
  else
    AbortDoc(dialog.hDC);
}
