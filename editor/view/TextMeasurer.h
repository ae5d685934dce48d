// How the view measures text in pixels of its font; the window supplies the platform's way.
#pragma once

struct FontMetrics {
  int AverageCharWidth = 0;
  int LineHeight = 0;
  int MaxCharWidth = 0;
};

class TextMeasurer {
public:
  virtual ~TextMeasurer() = default;
  // Width of text[0, count) when it starts startX pixels right of the tab origin (the line's
  // left edge): a tab advances to the next multiple of tabStop pixels from that origin.
  // Callers keep count small enough that the width stays below 65536 pixels.
  virtual int TabbedWidth(const char* text, int count, int tabStop, int startX) = 0;
  virtual FontMetrics Metrics() = 0;
  // The drawn width of one character (not a tab), as the mouse walks a line.
  virtual int GlyphWidth(char c) = 0;
  // From now on bytes from 0x80 up are read as UTF-8 sequences, each one character measured
  // whole (on), or as single-byte characters (off, the start). The view calls it when its
  // document's encoding changes; a measurer of single-byte text only may ignore it.
  virtual void SetUtf8(bool) {}
};
