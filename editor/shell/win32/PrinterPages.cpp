// Drawing the header and the text of printed pages.
#include "editor/shell/win32/PrinterPages.h"

#include "common/TextEncoding.h"
#include "editor/view/Utf8Steps.h"

#include <algorithm>

namespace {

PrintFont ReadPrintFont(HDC context, int tabWidth, int& headerLineHeight) {
  PrintFont font;
  TEXTMETRICA metrics{};
  GetTextMetricsA(context, &metrics);
  font.LineHeight = metrics.tmHeight;
  font.TabStop = std::max(1, tabWidth * static_cast<int>(metrics.tmAveCharWidth));
  headerLineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  INT widths[256];
  if (GetCharWidth32A(context, 0, 255, widths)) {
    std::copy(widths, widths + 256, font.Advances.begin());
  } else {
    font.Advances.fill(std::max(1, static_cast<int>(metrics.tmAveCharWidth)));
  }
  return font;
}

std::wstring Wide(const char* utf8, int length) {
  std::size_t replaced = 0;
  const std::u16string units = Utf16FromUtf8(std::string(utf8, static_cast<std::size_t>(length)), replaced);
  return std::wstring(units.begin(), units.end());
}

// A character beyond ASCII measured as GDI draws it, a surrogate pair included.
int WideAdvance(HDC context, unsigned codePoint) {
  std::string utf8;
  AppendUtf8(utf8, codePoint);
  const std::wstring wide = Wide(utf8.data(), static_cast<int>(utf8.size()));
  SIZE size{};
  GetTextExtentPoint32W(context, wide.data(), static_cast<int>(wide.size()), &size);
  return size.cx;
}

RECT ToRect(const PageRect& rect) {
  return RECT{rect.Left, rect.Top, rect.Right, rect.Bottom};
}

}  // namespace

PrinterPages::PrinterPages(HDC context, HFONT font, int pageWidth, int pageHeight, int tabWidth, bool utf8)
    : Context(context), PreviousFont(SelectObject(context, font)) {
  int headerLineHeight = 0;
  Measures = ReadPrintFont(context, tabWidth, headerLineHeight);
  if (utf8) {
    Measures.Utf8 = true;
    Measures.CharAdvance = [context](unsigned codePoint) { return WideAdvance(context, codePoint); };
  }
  Pages = ComputePrintLayout(pageWidth, pageHeight, headerLineHeight);
  SetBkMode(context, TRANSPARENT);
  SetTextAlign(context, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

PrinterPages::~PrinterPages() {
  if (PreviousFont) SelectObject(Context, PreviousFont);
}

bool PrinterPages::StartPage() {
  return ::StartPage(Context) > 0;
}

bool PrinterPages::EndPage() {
  return ::EndPage(Context) > 0;
}

void PrinterPages::DrawHeader(const std::string& title, const std::string& pageNumber) {
  RECT header = ToRect(Pages.Header);
  const UINT format = DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
  if (!title.empty()) DrawTextA(Context, title.c_str(), -1, &header, format | DT_CENTER);
  DrawTextA(Context, pageNumber.c_str(), -1, &header, format | DT_RIGHT);
}

int PrinterPages::DrawBody(const char* text, int length) {
  const PageRect& body = Pages.Body;
  const PageFit page = FitPage(text, length, body.Width(), body.Height(), Measures);
  int y = body.Top;
  for (const PrintLine& line : page.Lines) {
    if (line.Length > 0) DrawLine(y, text + line.Start, line.Length);
    y += Measures.LineHeight;
  }
  return page.Consumed;
}

void PrinterPages::DrawLine(int y, const char* text, int length) {
  const int left = Pages.Body.Left;
  if (!Measures.Utf8) {
    TabbedTextOutA(Context, left, y, text, length, 1, &Measures.TabStop, left);
    return;
  }
  const std::wstring wide = Wide(text, length);
  TabbedTextOutW(Context, left, y, wide.data(), static_cast<int>(wide.size()), 1, &Measures.TabStop, left);
}

HFONT CreatePrinterFont(HFONT viewFont, int printerDpiY, int screenDpiY) {
  LOGFONTA font{};
  if (!viewFont || !GetObjectA(viewFont, sizeof font, &font)) {
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  }
  font.lfHeight = PrinterFontHeight(font.lfHeight, printerDpiY, screenDpiY);
  return CreateFontIndirectA(&font);
}
