// What the view draws with while it paints: the window supplies GDI, tests a recorder.
// Coordinates are client pixels of the text area (for the gutter: window pixels).
#pragma once

#include "editor/syntax/ColorScheme.h"

class ViewPainter {
public:
  virtual ~ViewPainter() = default;
  virtual void SetTextColour(Colour colour) = 0;
  virtual void SetBackColour(Colour colour) = 0;
  // The solid 1-pixel pen of this colour; the painter keeps one per colour for one paint.
  virtual void SelectPen(Colour colour) = 0;
  // Draws text[0, count) at (x, y) on an opaque background, tabs expanded to multiples of
  // tabStop pixels from tabOrigin; returns the width drawn. count stays small enough that
  // the width is below 65536 pixels.
  virtual int DrawText(int x, int y, const char* text, int count, int tabStop, int tabOrigin) = 0;
  virtual void FillRect(int left, int top, int right, int bottom, Colour colour) = 0;
  virtual void SetPixel(int x, int y, Colour colour) = 0;
  // A line in the selected pen, from (x1, y) to (x2, y), x2 excluded.
  virtual void DrawHorizontalLine(int x1, int x2, int y) = 0;
};

// What the gutter's rectangle depends on besides the view: the window's edge sizes, the
// horizontal scroll bar's height and whether the vertical bar is shown.
struct GutterFrame {
  int EdgeWidth = 0;
  int EdgeHeight = 0;
  int ScrollBarHeight = 0;
  bool VerticalScrollBar = false;
};

struct PixelRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

class GutterPainter {
public:
  virtual ~GutterPainter() = default;
  virtual void FillRect(int left, int top, int right, int bottom, Colour colour) = 0;
  // Text at (x, y) in the given colour on a transparent background, not clipped.
  virtual void DrawText(int x, int y, const char* text, int count, Colour colour) = 0;
  // A rounded rectangle (corner ellipse 5 by 5) in a black 1-pixel pen, filled with brush.
  virtual void RoundRect(int left, int top, int right, int bottom, Colour brush) = 0;
};
