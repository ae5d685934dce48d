// Where the caret goes: hit-testing a point, going to a line, words and word steps.
#include "editor/view/TextView.h"

#include "editor/view/WordFit.h"

#include <algorithm>
#include <cctype>

namespace {

// The classes a double click and the word steps tell apart. LF is white space here, but no
// run ever includes it, so a word never reaches across a hard line end.
enum class CharClass { Space, Word, Other };

// In a UTF-8 document every byte beyond ASCII belongs to a letter-like character: words in
// other scripts are words, and since every byte of a sequence is of one class, no run ever
// ends inside a character.
CharClass ClassOf(char c, bool utf8) {
  if (c == '\n' || IsWrapSpace(c)) return CharClass::Space;
  const unsigned char u = static_cast<unsigned char>(c);
  if (utf8 && u >= 0x80) return CharClass::Word;
  return std::isalnum(u) || c == '_' ? CharClass::Word : CharClass::Other;
}

}  // namespace

int TextView::PositionFromPoint(int x, int y) {
  const int lineHeight = Metrics().LineHeight;
  const int line = (lineHeight > 0 ? y / lineHeight : 0) + Top;
  if (line < 0) return 0;
  if (line >= LineCount()) return Length();
  return LineStart(line) + ColumnFromX(line, x + OffsetX);
}

// Walks the characters by their drawn widths and stops at the first one that reaches past
// x, so a click near the start of a huge line costs nothing in proportion to the line. A
// line longer than one measuring chunk that has been measured knows the x of its chunks;
// the walk starts at the chunk that holds x.
int TextView::ColumnFromX(int line, int x) {
  const int length = LineLength(line);
  const int start = LineStart(line);
  int column = 0;
  int left = 0;
  const LineRecord* record = length > ChunkLength() ? Buffer.Record(line) : nullptr;
  if (record && record->ChunkStartsValid && !record->ChunkStarts.empty()) {
    const std::vector<int>& starts = record->ChunkStarts;
    const int k = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), x) - starts.begin()) - 1;
    if (k > 0) {
      column = std::min(k * ChunkLength(), length);
      if (Utf8) column = CharStartAt(start + column) - start;
      left = starts[static_cast<std::size_t>(k)];
    }
  }
  const int tabStop = TabStop();
  for (int next = column; column < length; column = next) {
    const char c = Buffer.CharAt(start + column);
    int width = 0;
    next = column + 1;
    if (Utf8 && static_cast<unsigned char>(c) >= 0x80) width = SequenceWidth(start + column, next);
    else if (c != '\t') width = Measurer.GlyphWidth(c);
    else if (tabStop > 0) width = (left / tabStop + 1) * tabStop - left;
    else width = Metrics().AverageCharWidth;
    if (left + width > x) return column;
    left += width;
  }
  return length;
}

// The width of the character at pos in a UTF-8 document, and in next the position after it.
int TextView::SequenceWidth(int pos, int& next) {
  next = NextCharPos(pos);
  return Measurer.TabbedWidth(Buffer.RangePointer(pos, next - pos), next - pos, TabStop(), 0) & 0xFFFF;
}

void TextView::GotoLine(int line) {
  line = std::min(std::max(line, 0), LineCount() - 1);
  SetTopLine(line - VisibleLineCount(false) / 2);
  const int start = LineStart(line);
  SetSelection(start, start, ScrollToCaret);
}

void TextView::GotoHardLine(int hard) {
  const int hardLines = HardLineOfLine(LineCount() - 1) + 1;
  if (hard < 0) GotoLine(0);
  else if (hard < hardLines) GotoLine(LineOfHardLine(hard));
  else GotoLine(LineCount() - 1);
}

void TextView::SelectWordAt(int pos) {
  pos = std::min(std::max(pos, 0), Length());
  int end = pos;
  if (end < Length()) {
    const CharClass cls = ClassOf(CharAt(end), Utf8);
    if (cls != CharClass::Space)
      while (end < Length() && ClassOf(CharAt(end), Utf8) == cls) ++end;
  }
  int start = end;
  if (start > 0) {
    const CharClass cls = ClassOf(CharAt(start - 1), Utf8);
    if (cls != CharClass::Space)
      while (start > 0 && ClassOf(CharAt(start - 1), Utf8) == cls) --start;
  }
  SetSelection(start, end, ScrollToCaret);
}

int TextView::WordStepLeft(int pos) const {
  pos = std::min(std::max(pos, 0), Length());
  if (pos > 0 && CharAt(pos - 1) == '\n') --pos;
  while (pos > 0 && IsWrapSpace(CharAt(pos - 1))) --pos;
  if (pos > 0) {
    const CharClass cls = ClassOf(CharAt(pos - 1), Utf8);
    if (cls != CharClass::Space)
      while (pos > 0 && ClassOf(CharAt(pos - 1), Utf8) == cls) --pos;
  }
  return pos;
}

int TextView::WordStepRight(int pos) const {
  pos = std::min(std::max(pos, 0), Length());
  const int length = Length();
  if (pos < length && CharAt(pos) == '\n') ++pos;
  while (pos < length && IsWrapSpace(CharAt(pos))) ++pos;
  if (pos < length) {
    const CharClass cls = ClassOf(CharAt(pos), Utf8);
    if (cls != CharClass::Space)
      while (pos < length && ClassOf(CharAt(pos), Utf8) == cls) ++pos;
  }
  while (pos < length && IsWrapSpace(CharAt(pos))) ++pos;
  return pos;
}

int TextView::WordDeletionEnd(int pos) const {
  pos = std::min(std::max(pos, 0), Length());
  const int length = Length();
  if (pos < length && CharAt(pos) == '\n') return pos + 1;
  if (pos < length) {
    const CharClass cls = ClassOf(CharAt(pos), Utf8);
    if (cls != CharClass::Space)
      while (pos < length && ClassOf(CharAt(pos), Utf8) == cls) ++pos;
  }
  while (pos < length && IsWrapSpace(CharAt(pos))) ++pos;
  return pos;
}
