// Selection, caret placement and scrolling of the view: what moves, what is repainted, and
// how the scroll bars follow.
#include "editor/view/TextView.h"

#include <algorithm>

// A width arriving after none wraps what was left unwrapped (or wrapped at no width).
void TextView::SetClientSize(int width, int height) {
  const bool widthArrives = ClientW == 0 && width > 0;
  ClientW = std::max(width, 0);
  ClientH = std::max(height, 0);
  if (widthArrives && WordWrap) Rewrap(true);
  UpdateBraces();
}

int TextView::VisibleLineCount(bool whole) {
  const int lineHeight = Metrics().LineHeight;
  if (lineHeight <= 0) return 0;
  return whole ? ClientH / lineHeight : (ClientH + lineHeight - 1) / lineHeight;
}

int TextView::LastVisibleLine(bool whole) {
  return std::min(Top + VisibleLineCount(whole), LineCount()) - 1;
}

// From the nearest chunk start of the line, so a caret deep in a huge line costs one chunk.
int TextView::PointX(int pos) {
  const int line = LineFromPosition(pos);
  const int start = LineStart(line);
  // Measuring the chunk starts may move the buffer's gap, so it comes before the pointer.
  if (LineLength(line) > ChunkLength()) ChunkStartsOf(line);
  return ColumnX(line, Buffer.RangePointer(start, pos - start), pos - start);
}

void TextView::PointFromPosition(int pos, int& x, int& y) {
  x = PointX(pos) - OffsetX;
  y = (LineFromPosition(pos) - Top) * Metrics().LineHeight;
}

void TextView::SetSelection(int anchor, int caret, int scrollMode) {
  anchor = std::min(std::max(anchor, 0), Length());
  caret = std::min(std::max(caret, 0), Length());
  if (Utf8) {
    anchor = CharStartAt(anchor);
    caret = CharStartAt(caret);
  }
  if (anchor == AnchorPos && caret == CaretPos) {
    EnsureVisible(scrollMode);
    FollowCaretLine();
    return;
  }
  const int oldLow = SelectionStart();
  const int oldHigh = SelectionEnd();
  AnchorPos = anchor;
  CaretPos = caret;
  EnsureVisible(scrollMode);
  if (Host.HasFocus()) {
    int x = 0, y = 0;
    PointFromPosition(CaretPos, x, y);
    Host.MoveCaret(x, y);
  }
  if (!InsertMode && CaretPos != oldHigh) Host.RecreateCaret();

  // Repaint only the stretches whose selected state changed.
  const int newLow = SelectionStart();
  const int newHigh = SelectionEnd();
  int bounds[4] = {newLow, newHigh, oldLow, oldHigh};
  std::sort(bounds, bounds + 4);
  for (int i = 0; i < 3; ++i) {
    const int a = bounds[i], b = bounds[i + 1];
    const bool inNew = a >= newLow && b <= newHigh;
    const bool inOld = a >= oldLow && b <= oldHigh;
    if (inNew != inOld) InvalidateRange(a, b);
  }
  FollowCaretLine();
  UpdateBraces();
  Host.Notify(TVN_SELCHANGED);
}

void TextView::InvalidateRange(int from, int to) {
  const int lineHeight = Metrics().LineHeight;
  const int fromLine = LineFromPosition(from);
  const int toLine = LineFromPosition(to);
  const int last = std::min(toLine, LastVisibleLine(false));
  for (int line = std::max(fromLine, Top); line <= last; ++line) {
    const int left = line == fromLine ? PointX(from) : 0;
    const int right = line == toLine ? PointX(to) : LineWidth(line);
    Host.InvalidateRect((line - Top) * lineHeight, lineHeight, left - OffsetX, right - OffsetX);
  }
}

// The caret is 2 pixels wide; in overwrite mode it covers the character under it.
int TextView::CaretWidth() {
  if (InsertMode) return 2;
  const int line = LineFromPosition(CaretPos);
  if (CaretPos >= Buffer.LineEnd(line)) return Metrics().AverageCharWidth;
  return PointX(NextCharPos(CaretPos)) - PointX(CaretPos);
}

void TextView::EnsureVisible(int mode) {
  if (mode == ScrollNone) return;
  const int line = LineFromPosition(CaretPos);
  if (mode == ScrollCentre) {
    SetTopLine(line - VisibleLineCount(false) / 2);
    ScrollHorizontallyToSelection();
    return;
  }
  if (line < Top) {
    SetTopLine(line);
  } else if (LineCount() > VisibleLineCount(true)) {
    const int lastWhole = LastVisibleLine(true);
    if (line > lastWhole) SetTopLine(Top + line - lastWhole);
  } else {
    SetTopLine(0);
  }
  if (mode == ScrollToSelection) {
    ScrollHorizontallyToSelection();
    return;
  }
  const int x = PointX(CaretPos);
  const int margin = std::min(15 * Metrics().AverageCharWidth, ClientW);
  if (x < OffsetX) SetScrollX(x - margin);
  else if (x >= OffsetX + ClientW) SetScrollX(x + margin - ClientW);
}

// Brings as much of the selection's part on the caret's line into view as fits, keeping
// the caret's end visible.
void TextView::ScrollHorizontallyToSelection() {
  const int line = LineFromPosition(CaretPos);
  const int lineStart = LineStart(line);
  const int lineEnd = Buffer.LineEnd(line);
  const int s = std::max(SelectionStart(), lineStart);
  const int e = std::min(SelectionEnd(), lineEnd);
  const int x1 = s <= e ? PointX(s) : 0;
  const int x2 = s <= e ? PointX(e) : 0;
  const int left = OffsetX;
  const int right = OffsetX + ClientW;
  int delta = 0;
  if (s >= e) {
    if (x1 < left) delta = x1 - left;
    else if (x2 + CaretWidth() > right) delta = x2 + CaretWidth() - right;
  } else if (CaretPos <= AnchorPos) {
    if (x1 < left) delta = x1 - left;
    else if (x2 > right) delta = std::min(x1 - left, x2 - right);
  } else {
    if (x2 > right) delta = x2 - right;
    else if (x1 < left) delta = -std::min(left - x1, right - x2);
  }
  SetScrollX(OffsetX + delta);
}

int TextView::ClampTopLine(int line) {
  const int highest = std::max(0, std::min(LineCount() - 1, LineCount() - VisibleLineCount(true)));
  return std::min(std::max(line, 0), highest);
}

int TextView::ClampScrollX(int x) {
  return std::max(std::min(x, WidestWidth() - ClientW + 1), 0);
}

void TextView::SetTopLine(int line) {
  line = ClampTopLine(line);
  if (line == Top) return;
  const int old = Top;
  Top = line;
  Host.ScrollText(0, Metrics().LineHeight * (old - line));
  Host.RepaintGutter();
  if (!VerticalKeyHeld) Host.SetVerticalScrollBar(ScrollBarState{LineCount() - 1, VisibleLineCount(true), Top});
  UpdateBraces();
}

void TextView::SetScrollX(int x) {
  x = ClampScrollX(x);
  if (x == OffsetX) return;
  const int old = OffsetX;
  OffsetX = x;
  Host.ScrollText(old - x, 0);
  if (!HorizontalKeyHeld) Host.SetHorizontalScrollBar(ScrollBarState{WidestWidth() - 1, ClientW, OffsetX});
}

void TextView::RefreshScrollBars() {
  Host.SetVerticalScrollBar(ScrollBarState{LineCount() - 1, VisibleLineCount(true), Top});
  Host.SetHorizontalScrollBar(ScrollBarState{WidestWidth() - 1, ClientW, OffsetX});
}
