// Word wrap of the view: the incremental wrap pass, wrapping and unwrapping the whole
// document, and the settings that change the layout (wrap, tab width, font).
#include "editor/view/TextView.h"

#include "editor/view/WaitCursor.h"
#include "editor/view/WordFit.h"

#include <algorithm>

namespace {

// Keeps positions on their characters when a break is inserted or deleted before them.
void ShiftPositions(std::vector<int*>& positions, int from, int delta) {
  for (int* pos : positions)
    if (*pos >= from) *pos += delta;
}

}  // namespace

// Lines are fitted from the line before the one containing pos (it may take words from the
// edited line) and on for count lines, or to the end when count is negative. Each cut adds
// one line to look at; each removed soft break makes the merged line be fitted again.
// Without a client width (no window yet, or minimised) every word would get a line of its
// own, so nothing is wrapped until a width arrives (SetClientSize rewraps then).
void TextView::Reflow(int pos, int count, std::vector<int*>& positions, int& added, int& removed, int& first,
                      int& last) {
  added = removed = 0;
  if (ClientW <= 0) return;
  const bool all = count < 0;
  int line = Buffer.LineFromPosition(pos);
  if (line > 0) {
    --line;
    ++count;
  }
  int start = Buffer.LineStart(line);
  while (start < Length() && Buffer.CharAt(start) == '\n') {
    ++start;
    ++line;
  }
  int lastTouched = -1;
  int end = start < Length() ? Buffer.LineEnd(line) : start;
  while (start < Length() && (all || count > 0)) {
    --count;
    const int lineLength = end - start;
    int fitWidth = 0;
    const int fitLength = FitLine(line, start, lineLength, fitWidth);
    int next = end + 1;
    if (fitLength >= 1 && fitLength < lineLength) {
      const int cut = start + fitLength;
      Buffer.Insert(cut, "\r");
      ++added;
      ++count;
      ShiftPositions(positions, cut, 1);
      first = std::min(first, line);
      lastTouched = std::max(lastTouched, line + 1);
      next = cut + 1;
    }
    if (next >= Length() && Buffer.CharAt(end) != '\r') break;
    const int nextEnd = Buffer.LineEnd(line + 1);
    if (fitLength != lineLength || Buffer.CharAt(end) != '\r' || !SoftBreakJoins(start, end, nextEnd, fitWidth)) {
      ++line;
      start = next;
      end = nextEnd;
      continue;
    }
    Buffer.Delete(end, 1);
    ++removed;
    ShiftPositions(positions, end + 1, -1);
    first = std::min(first, line);
    lastTouched = std::max(lastTouched, line);
    end = Buffer.LineEnd(line);
    count = std::max(count, 1);
  }
  last = std::max(lastTouched, std::min(last, LineCount() - 1));
  if (lastTouched >= 0) ResetRecords(first, last);
}

// A line already measured narrower than the window fits whole: FitText would only measure
// it again, which is most of the cost of wrapping a document of short lines.
int TextView::FitLine(int line, int start, int length, int& width) {
  width = Buffer.Width(line);
  if (width >= 0 && width < ClientW) return length;
  const FitResult fit = FitText(Buffer.RangePointer(start, length), length, ClientW, *this);
  width = fit.Width;
  return fit.Length;
}

// The measuring and colouring aids of the range are made again, as lines came or went.
// Widths stay: the buffer itself unmeasures every line whose text an edit changed.
void TextView::ResetRecords(int first, int last) {
  for (int line = first; line <= last; ++line)
    if (LineRecord* record = Buffer.Record(line)) record->Reset();
}

// The display line [start, end) fits whole and ends with a soft break. The break goes when
// the words on both sides touch, when a word of the next line fits behind this one, when
// either side is empty (it then separates nothing), or when white space follows it (an edit
// moved it off its word start, so that the next line would begin with blanks).
bool TextView::SoftBreakJoins(int start, int end, int nextEnd, int lineWidth) {
  if (end == start || nextEnd == end + 1) return true;
  if (!IsWrapSpace(Buffer.CharAt(end - 1)) || IsWrapSpace(Buffer.CharAt(end + 1))) return true;
  const int remaining = ClientW - lineWidth;
  const int nextLength = nextEnd - end - 1;
  const FitResult fit = FitText(Buffer.RangePointer(end + 1, nextLength), nextLength, remaining, *this);
  return fit.Length >= 1 && fit.Width <= remaining;
}

void TextView::WrapAll(int anchor, int caret) {
  WaitCursor wait(Host);
  BeforeChange(0);
  anchor = std::min(std::max(anchor, 0), Length());
  caret = std::min(std::max(caret, 0), Length());
  std::vector<int*> positions{&anchor, &caret};
  int added = 0, removed = 0, first = 0, last = 0;
  Reflow(0, -1, positions, added, removed, first, last);
  AfterChange(anchor, caret, first, last, added, removed, ScrollToCaret);
}

// Bookmarks are carried as the unwrapped positions of their lines' starts, so each lands on
// the hard line it was on.
void TextView::UnwrapAll(int anchor, int caret) {
  WaitCursor wait(Host);
  BeforeChange(0);
  const int oldLineCount = LineCount();
  anchor = Buffer.UnwrappedPosition(anchor);
  caret = Buffer.UnwrappedPosition(caret);
  const std::vector<int> bookmarks = TakeBookmarkPositions();
  const int removed = Buffer.RemoveSoftBreaks();
  ResetRecords(0, LineCount() - 1);
  PlaceBookmarks(bookmarks);
  AfterChange(anchor, caret, 0, oldLineCount - 1, 0, removed, ScrollToCaret);
}

std::vector<int> TextView::TakeBookmarkPositions() {
  std::vector<int> positions;
  for (int line = 0; line < LineCount(); ++line) {
    if (!HasBookmark(line)) continue;
    positions.push_back(Buffer.UnwrappedPosition(LineStart(line)));
    RecordOf(line)->Bookmark = false;
  }
  return positions;
}

void TextView::PlaceBookmarks(const std::vector<int>& positions) {
  for (int pos : positions) RecordOf(LineFromPosition(pos))->Bookmark = true;
  if (!positions.empty()) Host.RepaintGutter();
}

// The caret's line stays on the same row of the window.
void TextView::Rewrap(bool on) {
  const int row = LineFromPosition(CaretPos) - Top;
  if (on)
    WrapAll(AnchorPos, CaretPos);
  else
    UnwrapAll(AnchorPos, CaretPos);
  SetTopLine(LineFromPosition(CaretPos) - row);
  SetSelection(AnchorPos, CaretPos, ScrollToSelection);
}

void TextView::SetWordWrap(bool flag) {
  if (flag == WordWrap) return;
  WordWrap = flag;
  Rewrap(flag);
}

// Soft breaks stay where they are: only widths follow the new tab stops. A width below one
// character would put every tab stop at the line start, and a huge one (a damaged settings
// file) would overflow the pixel widths, so neither is taken.
void TextView::SetTabWidth(int width) {
  if (width < 1 || width > MaxTabWidth || width == TabWidth) return;
  TabWidth = width;
  InvalidateAllWidths();
  SetScrollX(OffsetX);
  EnsureVisible(ScrollToCaret);
  RefreshScrollBars();
  Host.InvalidateAll();
}

// The measurer already uses the new font: everything measured with the old one is redone.
void TextView::FontChanged() {
  MetricsValid = false;
  InvalidateAllWidths();
  UpdateGutterWidth();
  if (WordWrap) Rewrap(true);
  Host.RecreateCaret();
  SetTopLine(Top);
  SetScrollX(OffsetX);
  RefreshScrollBars();
  Host.InvalidateAll();
}
