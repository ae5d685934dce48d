// The view's painters over a GDI device context.
#include "editor/view/win32/GdiPainter.h"

void FillSolid(HDC context, const RECT& rect, COLORREF colour) {
  const COLORREF back = SetBkColor(context, colour);
  ExtTextOutA(context, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(context, back);
}

namespace {

// A run longer than this is drawn and a new one begun, so the buffers stay small.
constexpr std::size_t LongestRun = 1024;

}  // namespace

GdiPainter::GdiPainter(HDC context, GdiMeasurer& measurer)
    : Context(context),
      Measurer(measurer),
      LineHeight(measurer.Metrics().LineHeight),
      TextColour(GetTextColor(context)),
      BackColour(GetBkColor(context)),
      OriginalPen(GetCurrentObject(context, OBJ_PEN)),
      OriginalText(GetTextColor(context)),
      OriginalBack(GetBkColor(context)),
      OriginalMode(SetBkMode(context, OPAQUE)) {}

GdiPainter::~GdiPainter() {
  Flush();
  SelectObject(Context, OriginalPen);
  for (const auto& pen : Pens) DeleteObject(pen.second);
  SetTextColor(Context, OriginalText);
  SetBkColor(Context, OriginalBack);
  SetBkMode(Context, OriginalMode);
}

void GdiPainter::SetTextColour(Colour colour) {
  TextColour = colour;
}

void GdiPainter::SetBackColour(Colour colour) {
  BackColour = colour;
}

void GdiPainter::SelectPen(Colour colour) {
  for (const auto& pen : Pens) {
    if (pen.first == colour) {
      SelectObject(Context, pen.second);
      return;
    }
  }
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  if (!pen) return;
  Pens.emplace_back(colour, pen);
  SelectObject(Context, pen);
}

// Drawn segment by segment between tabs as TabbedTextOutA draws them: each segment's opaque
// background reaches through the tabs behind it, one line high.
void GdiPainter::Flush() {
  if (RunText.empty()) return;
  SetTextColor(Context, RunTextColour);
  SetBkColor(Context, RunBackColour);
  const int length = static_cast<int>(RunText.size());
  int x = RunLeft;
  for (int start = 0; start < length;) {
    int end = start, right = x;
    for (; end < length && RunText[end] != '\t'; ++end) right += RunAdvances[end];
    const int segment = end - start;
    for (; end < length && RunText[end] == '\t'; ++end) right += RunAdvances[end];
    const RECT cells{x, RunTop, right, RunTop + LineHeight};
    ExtTextOutA(Context, x, RunTop, ETO_OPAQUE, &cells, RunText.data() + start, static_cast<UINT>(segment), nullptr);
    x = right;
    start = end;
  }
  RunText.clear();
  RunAdvances.clear();
}

int GdiPainter::DrawText(int x, int y, const char* text, int count, int tabStop, int tabOrigin) {
  if (count <= 0) return 0;
  const bool continues = !RunText.empty() && y == RunTop && x == RunRight && TextColour == RunTextColour &&
                         BackColour == RunBackColour && RunText.size() + static_cast<std::size_t>(count) <= LongestRun;
  if (!continues) {
    Flush();
    RunLeft = RunRight = x;
    RunTop = y;
    RunTextColour = TextColour;
    RunBackColour = BackColour;
  }
  for (int i = 0; i < count; ++i) {
    const char c = text[i];
    const int advance = c == '\t' ? tabOrigin + Measurer.TabEnd(RunRight - tabOrigin, tabStop) - RunRight
                                   : Measurer.GlyphWidth(c);
    RunText += c;
    RunAdvances.push_back(advance);
    RunRight += advance;
  }
  return (RunRight - x) & 0xFFFF;
}

void GdiPainter::FillRect(int left, int top, int right, int bottom, Colour colour) {
  Flush();
  FillSolid(Context, RECT{left, top, right, bottom}, colour);
}

void GdiPainter::SetPixel(int x, int y, Colour colour) {
  Flush();
  SetPixelV(Context, x, y, colour);
}

void GdiPainter::DrawHorizontalLine(int x1, int x2, int y) {
  Flush();
  MoveToEx(Context, x1, y, nullptr);
  LineTo(Context, x2, y);
}

GdiGutterPainter::GdiGutterPainter(HDC context)
    : Context(context), OriginalMode(SetBkMode(context, TRANSPARENT)), OriginalText(GetTextColor(context)) {}

GdiGutterPainter::~GdiGutterPainter() {
  SetBkMode(Context, OriginalMode);
  SetTextColor(Context, OriginalText);
}

void GdiGutterPainter::FillRect(int left, int top, int right, int bottom, Colour colour) {
  FillSolid(Context, RECT{left, top, right, bottom}, colour);
}

void GdiGutterPainter::DrawText(int x, int y, const char* text, int count, Colour colour) {
  SetTextColor(Context, colour);
  TextOutA(Context, x, y, text, count);
}

void GdiGutterPainter::RoundRect(int left, int top, int right, int bottom, Colour brush) {
  HBRUSH fill = CreateSolidBrush(brush);
  const HGDIOBJ oldPen = SelectObject(Context, GetStockObject(BLACK_PEN));
  const HGDIOBJ oldBrush = SelectObject(Context, fill);
  ::RoundRect(Context, left, top, right, bottom, 5, 5);
  SelectObject(Context, oldBrush);
  SelectObject(Context, oldPen);
  DeleteObject(fill);
}
