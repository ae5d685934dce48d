// The gutter left of the text: its width from the bookmark margin and the line numbers.
#include "editor/view/TextView.h"

namespace {

int DecimalDigits(int n) {
  int digits = 1;
  for (; n >= 10; n /= 10) ++digits;
  return digits;
}

}  // namespace

void TextView::UpdateGutterWidth() {
  int width = ShowBookmarkMargin ? 20 : 0;
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
