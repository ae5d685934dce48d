// Measuring with GDI through an advance-width table of the view's font.
#include "editor/view/win32/GdiMeasurer.h"

GdiMeasurer::GdiMeasurer()
    : Context(CreateCompatibleDC(nullptr)),
      OriginalFont(nullptr),
      CurrentFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {
  if (Context) OriginalFont = SelectObject(Context, CurrentFont);
  ReadFont();
}

GdiMeasurer::~GdiMeasurer() {
  if (!Context) return;
  SelectObject(Context, OriginalFont);
  DeleteDC(Context);
}

void GdiMeasurer::SetFont(HFONT font) {
  CurrentFont = font;
  if (Context) SelectObject(Context, font);
  ReadFont();
}

// GDI adds single-byte advance widths without kerning, so a string's extent is the sum of
// its characters' entries; reading them once makes measuring a pure table walk.
void GdiMeasurer::ReadFont() {
  TEXTMETRICA metrics{};
  if (Context && GetTextMetricsA(Context, &metrics)) {
    FontSizes = FontMetrics{static_cast<int>(metrics.tmAveCharWidth), static_cast<int>(metrics.tmHeight),
                            static_cast<int>(metrics.tmMaxCharWidth)};
  } else {
    FontSizes = FontMetrics{8, 16, 8};
  }
  INT widths[256];
  if (Context && GetCharWidth32A(Context, 0, 255, widths)) {
    for (int c = 0; c < 256; ++c) Advances[c] = widths[c];
  } else {
    Advances.fill(FontSizes.AverageCharWidth);
  }
}

int GdiMeasurer::TabEnd(int x, int tabStop) const {
  const int stop = tabStop > 0 ? tabStop : 8 * FontSizes.AverageCharWidth;
  if (stop <= 0) return x;
  const int steps = x >= 0 ? x / stop : -((-x + stop - 1) / stop);
  return (steps + 1) * stop;
}

// Tabs as GetTabbedTextExtentA expands them with one tab position.
int GdiMeasurer::TabbedWidth(const char* text, int count, int tabStop, int startX) {
  int x = startX;
  for (int i = 0; i < count; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    x = c == '\t' ? TabEnd(x, tabStop) : x + Advances[c];
  }
  return x - startX;
}

FontMetrics GdiMeasurer::Metrics() {
  return FontSizes;
}

int GdiMeasurer::GlyphWidth(char c) {
  return Advances[static_cast<unsigned char>(c)];
}
