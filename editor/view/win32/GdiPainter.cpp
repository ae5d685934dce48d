// The view's painters over a GDI device context.
#include "editor/view/win32/GdiPainter.h"

#include "editor/view/Utf8Steps.h"

void FillSolid(HDC context, const RECT& rect, COLORREF colour) {
  const COLORREF back = SetBkColor(context, colour);
  ExtTextOutA(context, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(context, back);
}

namespace {

// A run longer than this is drawn and a new one begun, so the buffers stay small.
constexpr std::size_t LongestRun = 1024;

bool HasNonAscii(const char* text, int count) {
  for (int i = 0; i < count; ++i)
    if (static_cast<unsigned char>(text[i]) >= 0x80) return true;
  return false;
}

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
    if (Measurer.IsUtf8() && HasNonAscii(RunText.data() + start, segment))
      DrawWideSegment(cells, start, segment);
    else
      ExtTextOutA(Context, x, RunTop, ETO_OPAQUE, &cells, RunText.data() + start, static_cast<UINT>(segment), nullptr);
    x = right;
    start = end;
  }
  RunText.clear();
  RunAdvances.clear();
}

// The UTF-16 form of a stretch of UTF-8 text, each character placed by the advance the
// measurer gave it, so that what is drawn lines up with what the view measured.
void GdiPainter::DrawWideSegment(const RECT& cells, int start, int length) {
  std::vector<WCHAR> units;
  std::vector<INT> advances;
  const char* text = RunText.data() + start;
  for (int i = 0; i < length;) {
    const int next = NextCharBoundary(text, length, i);
    WCHAR pair[2];
    const int count = Utf16Units(DecodeUtf8(text, length, i), pair);
    INT advance = 0;
    for (int k = i; k < next; ++k) advance += RunAdvances[static_cast<std::size_t>(start + k)];
    for (int k = 0; k < count; ++k) {
      units.push_back(pair[k]);
      advances.push_back(k == 0 ? advance : 0);
    }
    i = next;
  }
  ExtTextOutW(Context, cells.left, cells.top, ETO_OPAQUE, &cells, units.data(), static_cast<UINT>(units.size()),
              advances.data());
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
  const bool utf8 = Measurer.IsUtf8();
  for (int i = 0; i < count; ++i) {
    const char c = text[i];
    int advance = 0;
    if (c == '\t') advance = tabOrigin + Measurer.TabEnd(RunRight - tabOrigin, tabStop) - RunRight;
    else if (utf8 && static_cast<unsigned char>(c) >= 0x80) advance = CharacterAdvance(text, count, i);
    else advance = Measurer.GlyphWidth(c);
    RunText += c;
    RunAdvances.push_back(advance);
    RunRight += advance;
  }
  return (RunRight - x) & 0xFFFF;
}

// A character outside ASCII is its whole sequence: its first byte carries the width, the
// bytes that continue it none.
int GdiPainter::CharacterAdvance(const char* text, int count, int i) {
  const int start = CharBoundaryAtOrBefore(text, count, i);
  if (start != i) return 0;
  return Measurer.CharacterWidth(DecodeUtf8(text, count, i));
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
