// The document string with its table of display lines and their per-line data.
#include "editor/view/TextBuffer.h"

#include "editor/view/LineRecord.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

const char* NextOf(const char* from, const char* end, char c) {
  const void* hit = std::memchr(from, c, static_cast<size_t>(end - from));
  return hit ? static_cast<const char*>(hit) : end;
}

// Calls visit with every CR and LF of [begin, end) in order. Two memchr streams, merged:
// text without CR costs one fast pass for the LFs and one for the CRs.
template <class Visit> void ForEachBreak(const char* begin, const char* end, Visit visit) {
  const char* lf = NextOf(begin, end, '\n');
  const char* cr = NextOf(begin, end, '\r');
  while (lf != end || cr != end) {
    if (lf < cr) {
      visit(lf);
      lf = NextOf(lf + 1, end, '\n');
    } else {
      visit(cr);
      cr = NextOf(cr + 1, end, '\r');
    }
  }
}

}  // namespace

TextBuffer::TextBuffer() {
  Starts.Insert(0, 0);
  HardLines.Insert(0, 0);
  Widths.Insert(0, -1);
  EndStates.Insert(0, -1);
}

TextBuffer::~TextBuffer() {
  for (const RecordEntry& entry : Records) entry.Record->Release();
}

char TextBuffer::CharAt(int pos) const {
  return pos >= 0 && pos < Length() ? Chars.ValueAt(pos) : 0;
}

std::string TextBuffer::Substring(int pos, int length) const {
  pos = ClampPosition(pos);
  length = std::max(0, std::min(length, Length() - pos));
  std::string text(static_cast<size_t>(length), '\0');
  Chars.GetRange(&text[0], pos, length);
  return text;
}

void TextBuffer::Insert(int pos, const std::string& text) {
  if (text.empty()) return;
  if (text.size() > static_cast<size_t>(INT_MAX - Length()))
    throw std::length_error("document beyond 2 GB");
  pos = ClampPosition(pos);
  int line = LineFromPosition(pos);
  Chars.InsertFromArray(pos, text.data(), static_cast<int>(text.size()));
  InsertLines(line, pos, text);
  ResetLine(line, pos - LineStart(line));
}

// The starts of the new lines are collected in one pass (text without soft breaks, as a
// loaded document is, needs only the LFs and numbers its hard lines in order), so that each
// array takes the new lines in bulk. Later lines are shifted first, so that the insert lands
// on the step point and is stored as it is.
void TextBuffer::InsertLines(int line, int pos, const std::string& text) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  const bool softBreaks = std::memchr(begin, '\r', text.size()) != nullptr;
  std::vector<int> values;
  values.reserve(text.size() / 32 + 1);  // about one line per 32 bytes of code, so it rarely grows
  if (softBreaks) {
    ForEachBreak(begin, end, [&](const char* at) { values.push_back(pos + static_cast<int>(at - begin) + 1); });
  } else {
    for (const char* lf = NextOf(begin, end, '\n'); lf != end; lf = NextOf(lf + 1, end, '\n'))
      values.push_back(pos + static_cast<int>(lf - begin) + 1);
  }
  Starts.AddFrom(line + 1, static_cast<int>(text.size()));
  const int breaks = static_cast<int>(values.size());
  if (breaks == 0) return;
  Starts.InsertRange(line + 1, values.data(), breaks);

  int hard = HardLines.ValueAt(line);
  const int firstHard = hard;
  for (int& value : values) {
    if (!softBreaks || text[static_cast<size_t>(value - pos - 1)] == '\n') ++hard;
    value = hard;
  }
  HardLines.AddFrom(line + 1, hard - firstHard);
  HardLines.InsertRange(line + 1, values.data(), breaks);
  Widths.InsertValue(line + 1, breaks, -1);
  ShiftRecords(line + 1, breaks);
  EndStates.InsertValue(line + 1, breaks, -1);
}

void TextBuffer::Delete(int pos, int length) {
  pos = ClampPosition(pos);
  length = std::max(0, std::min(length, Length() - pos));
  if (length == 0) return;
  int line = LineFromPosition(pos);
  int lastLine = LineFromPosition(pos + length);
  int lineFeeds = HardLines.ValueAt(lastLine) - HardLines.ValueAt(line);
  DeleteLines(line + 1, lastLine - line);
  Chars.DeleteRange(pos, length);
  Starts.AddFrom(line + 1, -length);
  HardLines.AddFrom(line + 1, -lineFeeds);
  ResetLine(line, pos - LineStart(line));
}

void TextBuffer::DeleteLines(int line, int count) {
  const auto first = RecordAt(line);
  const auto last = RecordAt(line + count);
  for (auto entry = first; entry != last; ++entry) entry->Record->Release();
  Records.erase(first, last);
  ShiftRecords(line + count, -count);
  Starts.DeleteRange(line, count);
  HardLines.DeleteRange(line, count);
  Widths.DeleteRange(line, count);
  EndStates.DeleteRange(line, count);
}

int TextBuffer::LineStart(int line) const { return Starts.ValueAt(ClampLine(line)); }

int TextBuffer::LineLength(int line) const { return LineEnd(line) - LineStart(line); }

int TextBuffer::LineEnd(int line) const {
  line = ClampLine(line);
  return line + 1 < LineCount() ? Starts.ValueAt(line + 1) - 1 : Length();
}

int TextBuffer::LineFromPosition(int pos) const {
  return Starts.LastIndexNotAbove(ClampPosition(pos));
}

bool TextBuffer::EndsWithSoftBreak(int line) const {
  line = ClampLine(line);
  return line + 1 < LineCount() && HardLines.ValueAt(line + 1) == HardLines.ValueAt(line);
}

int TextBuffer::HardLineOfLine(int line) const { return HardLines.ValueAt(ClampLine(line)); }

int TextBuffer::LineOfHardLine(int hard) const {
  return HardLines.FirstIndexNotBelow(std::max(0, std::min(hard, HardLineCount() - 1)));
}

HardLineSpanResult TextBuffer::HardLineSpan(int line) const {
  int hard = HardLineOfLine(line);
  int first = LineOfHardLine(hard);
  int last = hard + 1 < HardLineCount() ? LineOfHardLine(hard + 1) - 1 : LineCount() - 1;
  return {LineStart(first), LineEnd(last), last};
}

int TextBuffer::HardLineCount() const { return HardLines.ValueAt(LineCount() - 1) + 1; }

// A range's breaks are the line starts it passes, found by two binary searches.
int TextBuffer::CountBreaks(int pos, int length) const {
  if (length <= 0) return 0;
  pos = ClampPosition(pos);
  int end = pos + std::min(length, Length() - pos);
  return LineFromPosition(end) - LineFromPosition(pos);
}

// Display lines past the first that do not follow an LF follow a soft break.
bool TextBuffer::HasSoftBreaks() const {
  const int last = LineCount() - 1;
  return HardLines.ValueAt(last) != last;
}

// The breaks before pos are those before its line; its line's hard number counts the LFs.
int TextBuffer::SoftBreaksBefore(int pos) const {
  if (!HasSoftBreaks()) return 0;
  int line = LineFromPosition(pos);
  return line - HardLines.ValueAt(line);
}

int TextBuffer::UnwrappedPosition(int pos) const {
  return ClampPosition(pos) - SoftBreaksBefore(pos);
}

int TextBuffer::UnwrappedLineStart(int line) const {
  return Starts.ValueAt(line) - line + HardLines.ValueAt(line);
}

// The unwrapped starts of the lines do not decrease; an empty line before a soft break
// shares its unwrapped start with the next line, and the last such line is the one wanted.
int TextBuffer::WrappedPosition(int unwrapped) const {
  unwrapped = std::max(0, unwrapped);
  if (!HasSoftBreaks()) return std::min(unwrapped, Length());
  int low = 0;
  int high = LineCount();
  while (low < high) {
    int mid = low + (high - low) / 2;
    if (UnwrappedLineStart(mid) <= unwrapped)
      low = mid + 1;
    else
      high = mid;
  }
  int line = low - 1;
  return LineStart(line) + std::min(unwrapped - UnwrappedLineStart(line), LineLength(line));
}

// Copied line by line, so that no second copy of the document is needed on the way.
std::string TextBuffer::GetText(int style) const {
  int lineFeeds = HardLineCount() - 1;
  int softBreaks = LineCount() - HardLineCount();
  size_t size = static_cast<size_t>(Length() - softBreaks) + (style == 0 ? lineFeeds : 0);
  std::string text(size, '\0');
  size_t out = 0;
  for (int line = 0; line < LineCount(); ++line) {
    int length = LineLength(line);
    Chars.GetRange(&text[out], LineStart(line), length);
    out += static_cast<size_t>(length);
    if (line + 1 == LineCount() || EndsWithSoftBreak(line)) continue;
    if (style == 0) text[out++] = '\r';
    text[out++] = style == 1 ? '\r' : '\n';
  }
  return text;
}

std::string TextBuffer::Text() const { return Substring(0, Length()); }

int TextBuffer::Width(int line) const {
  return line >= 0 && line < LineCount() ? Widths.ValueAt(line) : -1;
}

void TextBuffer::SetWidth(int line, int width) {
  if (line >= 0 && line < LineCount()) Widths.SetValueAt(line, width);
}

LineRecord* TextBuffer::Record(int line) const {
  const auto entry = RecordAt(line);
  return entry != Records.end() && entry->Line == line ? entry->Record : nullptr;
}

// The new reference is taken before the old one goes, so setting a line's own record again
// does not destroy it. A record for a line that does not exist is dropped like any other
// reference nobody keeps.
void TextBuffer::SetRecord(int line, LineRecord* record) {
  if (record) record->AddRef();
  if (line < 0 || line >= LineCount()) {
    if (record) record->Release();
    return;
  }
  const auto entry = RecordAt(line);
  const bool held = entry != Records.end() && entry->Line == line;
  if (held) entry->Record->Release();
  if (held && record) entry->Record = record;
  else if (held) Records.erase(entry);
  else if (record) Records.insert(entry, RecordEntry{line, record});
}

void TextBuffer::ResetLine(int line, int column) {
  if (line < 0 || line >= LineCount()) return;
  Widths.SetValueAt(line, -1);
  EndStates.SetValueAt(line, -1);
  if (LineRecord* record = Record(line)) record->ResetFrom(column);
}

int TextBuffer::EndState(int line) const {
  return line >= 0 && line < LineCount() ? EndStates.ValueAt(line) : -1;
}

void TextBuffer::SetEndState(int line, int state) {
  if (line >= 0 && line < LineCount()) EndStates.SetValueAt(line, state);
}

void TextBuffer::ForgetEndStates(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, LineCount() - 1);
  if (first > last) return;
  int* states = EndStates.RangePointer(first, last - first + 1);
  std::fill(states, states + (last - first + 1), -1);
}

int TextBuffer::FirstUnknownEndState(int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, LineCount());
  if (from >= to) return to;
  const int* states = EndStates.RangePointer(from, to - from);
  const int* unknown = std::find(states, states + (to - from), -1);
  return from + static_cast<int>(unknown - states);
}

int TextBuffer::ClampLine(int line) const { return std::max(0, std::min(line, LineCount() - 1)); }

int TextBuffer::ClampPosition(int pos) const { return std::max(0, std::min(pos, Length())); }

// The first entry of a line at or after line.
std::vector<TextBuffer::RecordEntry>::iterator TextBuffer::RecordAt(int line) {
  return std::lower_bound(Records.begin(), Records.end(), line,
                          [](const RecordEntry& entry, int l) { return entry.Line < l; });
}

std::vector<TextBuffer::RecordEntry>::const_iterator TextBuffer::RecordAt(int line) const {
  return std::lower_bound(Records.begin(), Records.end(), line,
                          [](const RecordEntry& entry, int l) { return entry.Line < l; });
}

void TextBuffer::ShiftRecords(int from, int delta) {
  for (auto entry = RecordAt(from); entry != Records.end(); ++entry) entry->Line += delta;
}
