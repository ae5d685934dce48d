// The page layout of printing and the scaling of the view's font to the printer.
#include "editor/shell/PrintLayout.h"

#include <algorithm>
#include <cstdint>

PrintLayout ComputePrintLayout(int pageWidth, int pageHeight, int lineHeight) {
  const int marginX = pageWidth / 15;
  const int marginY = pageHeight / 15;
  PrintLayout layout;
  layout.Margins = PageRect{marginX, marginY, pageWidth - marginX, pageHeight - marginY};
  layout.Header = layout.Margins;
  layout.Header.Bottom = std::min(layout.Margins.Top + lineHeight, layout.Margins.Bottom);
  layout.Body = layout.Margins;
  layout.Body.Top = std::min(layout.Margins.Top + 2 * lineHeight, layout.Margins.Bottom);
  return layout;
}

int PrinterFontHeight(int viewFontHeight, int printerDpiY, int screenDpiY) {
  if (printerDpiY < 1 || screenDpiY < 1) return viewFontHeight;
  const std::int64_t product = static_cast<std::int64_t>(viewFontHeight) * printerDpiY;
  const std::int64_t half = screenDpiY / 2;
  const std::int64_t rounded = product >= 0 ? (product + half) / screenDpiY : (product - half) / screenDpiY;
  return static_cast<int>(rounded);
}
