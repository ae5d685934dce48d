// The view's painters over a GDI device context: the text area's (opaque tabbed text, pens,
// solid fills) and the gutter's (transparent numbers, bookmark boxes).
#pragma once

#include "common/win32/WinApi.h"
#include "editor/view/ViewPainter.h"
#include "editor/view/win32/GdiMeasurer.h"

#include <string>
#include <utility>
#include <vector>

// Text runs that continue one another in the same colours are joined and drawn with one
// ExtTextOutA per stretch between tabs, the tabs expanded from the measurer's advance table:
// a line of many tokens costs a few GDI calls, and the pixels are TabbedTextOutA's. In a
// UTF-8 document a stretch holding characters beyond ASCII goes to ExtTextOutW in its UTF-16
// form, each character placed at the width the measurer gave it.
class GdiPainter : public ViewPainter {
public:
  // Paints on context, whose font is the measurer's; the context's pen and colours are
  // restored at the end of the paint.
  GdiPainter(HDC context, GdiMeasurer& measurer);
  ~GdiPainter() override;
  GdiPainter(const GdiPainter&) = delete;
  GdiPainter& operator=(const GdiPainter&) = delete;

  void SetTextColour(Colour colour) override;
  void SetBackColour(Colour colour) override;
  void SelectPen(Colour colour) override;
  int DrawText(int x, int y, const char* text, int count, int tabStop, int tabOrigin) override;
  void FillRect(int left, int top, int right, int bottom, Colour colour) override;
  void SetPixel(int x, int y, Colour colour) override;
  void DrawHorizontalLine(int x1, int x2, int y) override;

private:
  // Draws the text collected so far.
  void Flush();
  void DrawWideSegment(const RECT& cells, int start, int length);
  int CharacterAdvance(const char* text, int count, int i);

  HDC Context;
  GdiMeasurer& Measurer;
  int LineHeight;
  Colour TextColour;
  Colour BackColour;
  // The run not drawn yet: its characters, their advances, where it starts
  // and ends, and its colours.
  std::string RunText;
  std::vector<INT> RunAdvances;
  int RunLeft = 0;
  int RunRight = 0;
  int RunTop = 0;
  Colour RunTextColour = 0;
  Colour RunBackColour = 0;
  HGDIOBJ OriginalPen;
  COLORREF OriginalText;
  COLORREF OriginalBack;
  int OriginalMode;
  // A paint uses a handful of colours, so a short list beats a map.
  std::vector<std::pair<Colour, HPEN>> Pens;
};

class GdiGutterPainter : public GutterPainter {
public:
  explicit GdiGutterPainter(HDC context);
  ~GdiGutterPainter() override;
  GdiGutterPainter(const GdiGutterPainter&) = delete;
  GdiGutterPainter& operator=(const GdiGutterPainter&) = delete;

  void FillRect(int left, int top, int right, int bottom, Colour colour) override;
  void DrawText(int x, int y, const char* text, int count, Colour colour) override;
  void RoundRect(int left, int top, int right, int bottom, Colour brush) override;

private:
  HDC Context;
  int OriginalMode;
  COLORREF OriginalText;
};

// Fills a rectangle with one colour: ExtTextOut's opaque rectangle needs no brush.
void FillSolid(HDC context, const RECT& rect, COLORREF colour);
