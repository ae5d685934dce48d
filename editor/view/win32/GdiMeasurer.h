// Measuring with GDI: the view's font in a memory device context, so that the view can measure
// before its window exists, and an advance-width table so that long lines cost no GDI calls.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/view/TextMeasurer.h"

#include <array>
#include <unordered_map>

// The UTF-16 form of a code point: 1 or 2 units written to units.
int Utf16Units(unsigned codePoint, WCHAR units[2]);

class GdiMeasurer : public TextMeasurer {
public:
  GdiMeasurer();
  ~GdiMeasurer() override;
  GdiMeasurer(const GdiMeasurer&) = delete;
  GdiMeasurer& operator=(const GdiMeasurer&) = delete;

  // Measures with font from now on (the caller keeps it alive); refreshes the width table.
  void SetFont(HFONT font);
  HFONT Font() const { return CurrentFont; }

  int TabbedWidth(const char* text, int count, int tabStop, int startX) override;
  // Where a tab at x (from the tab origin) ends: the next multiple of tabStop, or of GDI's
  // default of eight average widths when there is no tab stop.
  int TabEnd(int x, int tabStop) const;
  FontMetrics Metrics() override;
  int GlyphWidth(char c) override;
  void SetUtf8(bool on) override;
  bool IsUtf8() const { return Utf8; }
  // The width of one character outside ASCII, measured by the wide GDI call on its UTF-16
  // form and kept for the font.
  int CharacterWidth(unsigned codePoint);

private:
  void ReadFont();
  int Utf8TabbedWidth(const char* text, int count, int tabStop, int startX);

  HDC Context;
  HGDIOBJ OriginalFont;
  HFONT CurrentFont;
  FontMetrics FontSizes;
  std::array<int, 256> Advances{};
  bool Utf8 = false;
  std::unordered_map<unsigned, int> WideAdvances;
};
