// The print job's pages drawn with GDI on a printer's device context: the layout and the
// line breaking of the portable side, measured with the advance widths of the printer font
// in that very context, so that what is counted as drawn is what TabbedTextOut draws.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/shell/PrintJob.h"
#include "editor/shell/PrintLayout.h"
#include "editor/shell/PrintLines.h"

class PrinterPages : public PrintDevice {
public:
  // Selects font into context for its lifetime; pageWidth and pageHeight in device pixels;
  // tabWidth in average characters of the font. utf8: the text is UTF-8, drawn and measured
  // as its characters with the wide calls.
  PrinterPages(HDC context, HFONT font, int pageWidth, int pageHeight, int tabWidth, bool utf8);
  ~PrinterPages() override;
  PrinterPages(const PrinterPages&) = delete;
  PrinterPages& operator=(const PrinterPages&) = delete;

  bool StartPage() override;
  void DrawHeader(const std::string& title, const std::string& pageNumber) override;
  int DrawBody(const char* text, int length) override;
  bool EndPage() override;

  const PrintLayout& Layout() const { return Pages; }
  const PrintFont& Font() const { return Measures; }

protected:
  HDC Context;

private:
  void DrawLine(int y, const char* text, int length);

  HGDIOBJ PreviousFont;
  PrintFont Measures;
  PrintLayout Pages;
};

// The view's font with its height scaled from the screen's vertical resolution to the
// printer's; the caller deletes it. Null when the font cannot be made.
HFONT CreatePrinterFont(HFONT viewFont, int printerDpiY, int screenDpiY);
