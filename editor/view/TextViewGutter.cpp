// The gutter left of the text: its width from the bookmark margin and the line numbers, its
// rectangle in the window, and its painting (numbers and bookmark boxes).
#include "editor/view/TextView.h"

#include "editor/syntax/ColourMix.h"

#include <cstdio>

namespace {

int DecimalDigits(int n) {
  int digits = 1;
  for (; n >= 10; n /= 10) ++digits;
  return digits;
}

// On a light scheme the gutter is light grey with dark green numbers; on a dark one it is
// drawn from the scheme's own background and text, so it neither glares nor hides them.
constexpr Colour GutterFill = 0xE6E6E6;       // RGB(230, 230, 230)
constexpr Colour LineNumberColour = 0x006000;  // RGB(0, 96, 0)
constexpr int DarkGutterEighths = 1;  // of the way from the background to the text
constexpr int DarkNumberFifths = 3;
constexpr Colour BookmarkBrush = 0xFFFF00;     // RGB(0, 255, 255)
constexpr int BookmarkBoxWidth = 20;

}  // namespace

void TextView::UpdateGutterWidth() {
  int width = ShowBookmarkMargin ? BookmarkBoxWidth : 0;
  if (ShowLineNumbers) {
    if (width > 0) width += 2;
    const int hardLines = HardLineOfLine(LineCount() - 1) + 1;
    width += DecimalDigits(hardLines) * Measurer.TabbedWidth("8", 1, 0, 0);
  }
  if (width >= 1) width += 1;
  if (width == GutterW) return;
  GutterW = width;
  // The window narrows or widens the client area first, so the rewrap sees the new width.
  Host.GutterWidthChanged();
  if (WordWrap) Rewrap(true);
  Host.InvalidateAll();
  Host.RepaintGutter();
}

void TextView::SetShowLineNumbers(bool flag) {
  ShowLineNumbers = flag;
  UpdateGutterWidth();
}

void TextView::SetShowBookmarkMargin(bool flag) {
  ShowBookmarkMargin = flag;
  UpdateGutterWidth();
}

// The gutter runs down the client height; it reaches below the horizontal bar's place too
// when the vertical bar is shown.
PixelRect TextView::GutterRect(const GutterFrame& frame) {
  PixelRect rect;
  rect.Left = frame.EdgeWidth;
  rect.Top = frame.EdgeHeight;
  rect.Right = GutterW + frame.EdgeWidth;
  rect.Bottom = ClientH + frame.EdgeHeight + (frame.VerticalScrollBar ? frame.ScrollBarHeight : 0);
  return rect;
}

// The rightmost column takes the text's background, so the gutter's edge follows a greyed view.
void TextView::PaintGutter(GutterPainter& painter, const GutterFrame& frame) {
  if (GutterW == 0) return;
  const PixelRect rect = GutterRect(frame);
  painter.FillRect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom, BackgroundColour());
  painter.FillRect(rect.Left, rect.Top, rect.Right - 1, rect.Bottom, GutterColour(false));
  const int last = LastVisibleLine(false);
  for (int line = Top; line <= last; ++line) PaintGutterLine(painter, rect, line);
}

// A continuation line of a wrapped hard line gets no number.
void TextView::PaintGutterLine(GutterPainter& painter, const PixelRect& rect, int line) {
  const int lineHeight = Metrics().LineHeight;
  const int top = rect.Top + (line - Top) * lineHeight;
  if (ShowLineNumbers && !(line > 0 && EndsWithSoftBreak(line - 1))) {
    char number[16];
    const int length = std::snprintf(number, sizeof number, "%d", HardLineOfLine(line) + 1);
    painter.DrawText(rect.Left, top + 1, number, length, GutterColour(true));
  }
  if (HasBookmark(line))
    painter.RoundRect(rect.Right - BookmarkBoxWidth - 1, top + 1, rect.Right - 1, top + lineHeight - 1, BookmarkBrush);
}

Colour TextView::GutterColour(bool numbers) const {
  const Colour background = Scheme->Colors[BackgroundItem];
  if (!IsDarkColour(background)) return numbers ? LineNumberColour : GutterFill;
  const Colour text = Scheme->Colors[PlainText];
  return numbers ? MixColours(background, text, DarkNumberFifths, 5) : MixColours(background, text, DarkGutterEighths, 8);
}
