// Whole-document passes of TextBuffer: removing all soft breaks at once, and direct access
// to a stretch of the text for the word-wrap pass.
#include "editor/view/TextBuffer.h"

#include "editor/view/LineRecord.h"

#include <algorithm>
#include <cstring>

const char* TextBuffer::RangePointer(int pos, int length) {
  pos = ClampPosition(pos);
  length = std::max(0, std::min(length, Length() - pos));
  return Chars.RangePointer(pos, length);
}

// Unwrapping a large document one deleted break at a time would move the gap and the step
// points across the whole document again and again; here text and arrays are compacted in
// place, each in one pass.
int TextBuffer::RemoveSoftBreaks() {
  const int softBreaks = LineCount() - HardLineCount();
  if (softBreaks == 0) return 0;
  RemoveCarriageReturns(softBreaks);
  KeepFirstLineOfEachHardLine();
  RebuildHardLineStarts();
  return softBreaks;
}

void TextBuffer::RemoveCarriageReturns(int count) {
  const int length = Length();
  char* text = Chars.RangePointer(0, length);
  char* out = text;
  const char* in = text;
  const char* end = text + length;
  while (in < end) {
    const void* hit = std::memchr(in, '\r', static_cast<size_t>(end - in));
    const char* stop = hit ? static_cast<const char*>(hit) : end;
    std::memmove(out, in, static_cast<size_t>(stop - in));
    out += stop - in;
    in = stop < end ? stop + 1 : end;
  }
  Chars.DeleteRange(length - count, count);
}

// Reads the hard numbers of the old table, so it runs before they are rewritten. The first
// line of hard line k becomes line k.
void TextBuffer::KeepFirstLineOfEachHardLine() {
  const int lines = LineCount();
  auto continues = [this](int line) { return line > 0 && HardLines.ValueAt(line) == HardLines.ValueAt(line - 1); };
  std::size_t keptRecords = 0;
  for (const RecordEntry& entry : Records) {
    if (continues(entry.Line)) {
      entry.Record->Release();
      continue;
    }
    Records[keptRecords++] = RecordEntry{HardLines.ValueAt(entry.Line), entry.Record};
  }
  Records.resize(keptRecords);
  int* widths = Widths.RangePointer(0, lines);
  int kept = 0;
  for (int line = 0; line < lines; ++line) {
    if (continues(line)) {
      widths[kept - 1] = -1;
      continue;
    }
    widths[kept++] = widths[line];
  }
  Widths.DeleteRange(kept, lines - kept);
  EndStates.DeleteRange(kept, lines - kept);
  ForgetEndStates(0, kept - 1);
}

// With no soft break left every display line is a hard line: line k starts after the k-th
// LF and has hard number k.
void TextBuffer::RebuildHardLineStarts() {
  const int lines = Widths.Length();
  const char* text = Chars.RangePointer(0, Length());
  const char* end = text + Length();
  const char* at = text;
  for (int line = 0; line < lines; ++line) {
    Starts.SetValueAt(line, static_cast<int>(at - text));
    HardLines.SetValueAt(line, line);
    const void* lf = std::memchr(at, '\n', static_cast<size_t>(end - at));
    at = lf ? static_cast<const char*>(lf) + 1 : end;
  }
  Starts.DeleteRange(lines, Starts.Length() - lines);
  HardLines.DeleteRange(lines, HardLines.Length() - lines);
}
