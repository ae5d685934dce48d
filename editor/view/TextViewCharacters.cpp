// Characters of a UTF-8 document: the switch, whole-character steps, the column in
// characters and typed characters beyond ASCII. With UTF-8 off every step is one byte, as
// it always was.
#include "editor/view/TextView.h"

#include "editor/view/Utf8Steps.h"

#include <algorithm>

namespace {

// The bytes around a position, enough to see the whole of any sequence it touches: the
// stepping rules read a copy, so that stepping never moves the buffer's gap.
struct BytesAround {
  char Bytes[8];
  int Start;   // document position of Bytes[0]
  int Length;  // bytes copied
};

BytesAround CopyAround(const TextBuffer& buffer, int pos) {
  BytesAround around{};
  around.Start = std::max(pos - 4, 0);
  const int end = std::min(pos + 4, buffer.Length());
  around.Length = std::max(end - around.Start, 0);
  for (int i = 0; i < around.Length; ++i) around.Bytes[i] = buffer.CharAt(around.Start + i);
  return around;
}

}  // namespace

// Widths, wrap and the selection were found with the other reading of the bytes.
void TextView::SetUtf8(bool on) {
  if (on == Utf8) return;
  Utf8 = on;
  Measurer.SetUtf8(on);
  InvalidateAllWidths();
  if (WordWrap) Rewrap(true);
  SetScrollX(OffsetX);
  SetSelection(AnchorPos, CaretPos, ScrollNone);
  RefreshScrollBars();
  Host.InvalidateAll();
}

int TextView::NextCharPos(int pos) const {
  if (!Utf8 || pos < 0 || pos >= Length()) return pos + 1;
  const BytesAround around = CopyAround(Buffer, pos);
  return around.Start + NextCharBoundary(around.Bytes, around.Length, pos - around.Start);
}

int TextView::PreviousCharPos(int pos) const {
  if (!Utf8 || pos <= 0 || pos > Length()) return pos - 1;
  const BytesAround around = CopyAround(Buffer, pos);
  return around.Start + PreviousCharBoundary(around.Bytes, around.Length, pos - around.Start);
}

int TextView::CharStartAt(int pos) const {
  if (!Utf8 || pos <= 0 || pos >= Length()) return pos;
  const BytesAround around = CopyAround(Buffer, pos);
  return around.Start + CharBoundaryAtOrBefore(around.Bytes, around.Length, pos - around.Start);
}

int TextView::ColumnOfPosition(int pos) {
  pos = std::min(std::max(pos, 0), Length());
  const int start = LineStart(LineFromPosition(pos));
  if (!Utf8) return pos - start;
  return Utf8CharCount(Buffer.RangePointer(start, pos - start), pos - start);
}

void TextView::TypeCodePoint(unsigned codePoint) {
  if (codePoint < 0x80) {
    TypeChar(static_cast<int>(codePoint));
    return;
  }
  if (ReadOnly) return;
  std::string text;
  if (!Utf8 || !AppendUtf8(text, codePoint)) {
    Host.Beep();
    return;
  }
  if (HasSelection()) DeleteRange(SelectionStart(), SelectionEnd() - SelectionStart());
  TypeText(text);
}
