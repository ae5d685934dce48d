// Measuring with GDI through an advance-width table of the view's font.
#include "editor/view/win32/GdiMeasurer.h"

#include "editor/view/Utf8Steps.h"

int Utf16Units(unsigned codePoint, WCHAR units[2]) {
  if (codePoint < 0x10000) {
    units[0] = static_cast<WCHAR>(codePoint);
    return 1;
  }
  codePoint -= 0x10000;
  units[0] = static_cast<WCHAR>(0xD800 + (codePoint >> 10));
  units[1] = static_cast<WCHAR>(0xDC00 + (codePoint & 0x3FF));
  return 2;
}

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
  WideAdvances.clear();
}

int GdiMeasurer::TabEnd(int x, int tabStop) const {
  const int stop = tabStop > 0 ? tabStop : 8 * FontSizes.AverageCharWidth;
  if (stop <= 0) return x;
  const int steps = x >= 0 ? x / stop : -((-x + stop - 1) / stop);
  return (steps + 1) * stop;
}

// Tabs as GetTabbedTextExtentA expands them with one tab position.
int GdiMeasurer::TabbedWidth(const char* text, int count, int tabStop, int startX) {
  if (Utf8) return Utf8TabbedWidth(text, count, tabStop, startX);
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

void GdiMeasurer::SetUtf8(bool on) {
  Utf8 = on;
}

// ASCII from the table as in a single-byte document; every other character is a whole
// sequence (or a byte of its own) at its measured width. The view passes pieces that
// begin and end between characters.
int GdiMeasurer::Utf8TabbedWidth(const char* text, int count, int tabStop, int startX) {
  int x = startX;
  for (int i = 0; i < count;) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      x = c == '\t' ? TabEnd(x, tabStop) : x + Advances[c];
      ++i;
    } else {
      x += CharacterWidth(DecodeUtf8(text, count, i));
      i = NextCharBoundary(text, count, i);
    }
  }
  return x - startX;
}

int GdiMeasurer::CharacterWidth(unsigned codePoint) {
  const auto known = WideAdvances.find(codePoint);
  if (known != WideAdvances.end()) return known->second;
  WCHAR units[2];
  const int length = Utf16Units(codePoint, units);
  SIZE size{};
  const int width = Context && GetTextExtentPoint32W(Context, units, length, &size) ? size.cx : FontSizes.AverageCharWidth;
  WideAdvances.emplace(codePoint, width);
  return width;
}
