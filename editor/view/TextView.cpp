// TextView: construction, line records, language and colour scheme, measuring and the
// widest line, bookmarks.
#include "editor/view/TextView.h"

#include "common/LineEnds.h"
#include "editor/view/ChunkBoundary.h"

#include <algorithm>
#include <climits>

namespace {

// The scheme of every view that was given none.
const RefPtr<ColorScheme>& DefaultScheme() {
  static const RefPtr<ColorScheme> scheme(new ColorScheme);
  return scheme;
}

}  // namespace

TextView::TextView(TextMeasurer& measurer, ViewHost& host, ViewClipboard& clipboard)
    : Measurer(measurer), Host(host), Clipboard(clipboard), Scheme(DefaultScheme()) {}

TextView::~TextView() = default;

LineRecord* TextView::CreateLineRecord() {
  return new LineRecord;
}

LineRecord* TextView::RecordOf(int line) {
  LineRecord* record = Buffer.Record(line);
  if (!record) {
    record = CreateLineRecord();
    Buffer.SetRecord(line, record);
  }
  return record;
}

std::string TextView::LineText(int line) const {
  return Buffer.Substring(LineStart(line), LineLength(line));
}

int TextView::HardLineOfLine(int line) const {
  return WordWrap ? Buffer.HardLineOfLine(line) : line;
}

int TextView::LineOfHardLine(int hard) const {
  return WordWrap ? Buffer.LineOfHardLine(hard) : hard;
}

std::string TextView::HardLineText(int line) const {
  const HardLineSpanResult span = Buffer.HardLineSpan(line);
  std::string text = Buffer.Substring(span.Start, span.End - span.Start);
  RemoveCarriageReturns(text, nullptr, 0);
  return text;
}

std::string TextView::GetSelectedText() const {
  return Buffer.Substring(SelectionStart(), SelectionEnd() - SelectionStart());
}

std::string_view TextView::RawTextInPlace() {
  if (Length() == 0) return std::string_view();
  return std::string_view(Buffer.RangePointer(0, Length()), static_cast<std::size_t>(Length()));
}

void TextView::SetText(std::string text) {
  ReplaceText(0, Length(), std::move(text), 0, -1, ScrollToCaret, true);
}

void TextView::SetLanguage(RefPtr<LanguageDef> language) {
  if (language == Language) return;
  Language = std::move(language);
  RecolourAll();
}

// Tokens name kinds, not colours: only the window repaints.
void TextView::SetColorScheme(RefPtr<ColorScheme> scheme) {
  if (!scheme) scheme = DefaultScheme();
  if (scheme == Scheme) return;
  Scheme = std::move(scheme);
  Host.InvalidateAll();
  Host.RepaintGutter();
}

// Every line is coloured again when it is next needed; the window and the gutter repaint.
// What is a comment or string may have changed, and with it which braces count.
void TextView::RecolourAll() {
  ResetColouring();
  Host.InvalidateAll();
  Host.RepaintGutter();
  FindBracesAgain();
}

const FontMetrics& TextView::Metrics() {
  if (!MetricsValid) {
    MetricCache = Measurer.Metrics();
    MetricsValid = true;
  }
  return MetricCache;
}

// Measured in chunks so that each partial width stays below 65536 pixels: a chunk holds
// no more characters than fit in that width at the widest glyph or at a whole tab stop each.
int TextView::ChunkLength() {
  const FontMetrics& metrics = Metrics();
  const int widest = std::max({1, metrics.MaxCharWidth, TabStop()});
  return std::max(1, std::min(65535 / widest, 8192));
}

int TextView::TabStop() {
  return TabWidth * Metrics().AverageCharWidth;
}

int TextView::MeasureText(const char* text, int count) {
  return MeasureChunks(text, count, nullptr);
}

// Every chunk after the first starts at the x the chunks before it reached, so tabs keep
// the line's stops. starts, when given, receives the x of each chunk boundary up to count.
int TextView::MeasureChunks(const char* text, int count, std::vector<int>* starts) {
  if (starts) starts->assign(1, 0);
  if (count <= 0) return 0;
  return MeasureChunksOn(text, count, 0, 0, starts);
}

// Measures on from the chunk start starts[keep - 1], keeping the starts before it.
int TextView::MeasureChunksFrom(const char* text, int count, std::vector<int>& starts, int keep) {
  if (keep <= 1) return MeasureChunks(text, count, &starts);
  starts.resize(static_cast<std::size_t>(keep));
  return MeasureChunksOn(text, count, keep - 1, starts.back(), &starts);
}

// The chunks from chunk k, which starts at x, to the end of the text.
int TextView::MeasureChunksOn(const char* text, int count, int k, int x, std::vector<int>* starts) {
  const int chunk = ChunkLength();
  const int tabStop = TabStop();
  for (int done = ChunkBoundary(text, count, k * chunk, Utf8); done < count; ++k) {
    const int end = ChunkBoundary(text, count, (k + 1) * chunk, Utf8);
    x += Measurer.TabbedWidth(text + done, end - done, tabStop, x) & 0xFFFF;
    if (starts && count - k * chunk >= chunk) starts->push_back(x);
    done = end;
  }
  return x;
}

// A line longer than one chunk keeps its chunk starts, found by the same pass that gives
// its width, so that painting and hit-testing part of it never measure the whole. After an
// edit the chunks before the changed one are not measured again: typing at the end of a
// very long line costs one chunk.
int TextView::MeasureLine(int line) {
  const int length = LineLength(line);
  const char* text = Buffer.RangePointer(LineStart(line), length);
  int width = 0;
  const int chunk = ChunkLength();
  if (length > chunk) {
    LineRecord* record = RecordOf(line);
    const int unchanged = std::min<long long>(UnchangedChunkBytes(record->ChunksUnchangedBefore), length) / chunk + 1;
    const int keep = std::min(unchanged, static_cast<int>(record->ChunkStarts.size()));
    width = MeasureChunksFrom(text, length, record->ChunkStarts, keep);
    record->ChunkStartsValid = true;
    record->ChunksUnchangedBefore = INT_MAX;
  } else {
    width = MeasureText(text, length);
  }
  Buffer.SetWidth(line, width);
  return width;
}

int TextView::LineWidth(int line) {
  const int width = Buffer.Width(line);
  return width < 0 ? MeasureLine(line) : width;
}

// In UTF-8 where a chunk starts depends on the few bytes behind its nominal start too, so
// an edit there moves it.
int TextView::UnchangedChunkBytes(int unchangedBefore) const {
  return Utf8 ? std::max(unchangedBefore - 3, 0) : unchangedBefore;
}

const std::vector<int>& TextView::ChunkStartsOf(int line) {
  LineRecord* record = RecordOf(line);
  if (!record->ChunkStartsValid) MeasureLine(line);
  return record->ChunkStarts;
}

// Equal to MeasureText up to column: the chunks before it are taken from the line's chunk
// starts, and only the part of its own chunk is measured.
int TextView::ColumnX(int line, const char* text, int column) {
  const int length = LineLength(line);
  column = std::min(column, length);
  if (column <= 0) return 0;
  const int chunk = ChunkLength();
  if (length <= chunk) return MeasureText(text, column);
  const std::vector<int>& starts = ChunkStartsOf(line);
  const int k = std::min(column / chunk, static_cast<int>(starts.size()) - 1);
  const int from = ChunkBoundary(text, column, k * chunk, Utf8);
  if (column == from) return starts[k];
  return starts[k] + (Measurer.TabbedWidth(text + from, column - from, TabStop(), starts[k]) & 0xFFFF);
}

int TextView::WidestWidth() {
  WidestLine = std::min(std::max(WidestLine, 0), LineCount() - 1);
  return LineWidth(WidestLine);
}

// The lines' text is taken in one piece and each line's start from the one before, as after
// loading every line of a large document is measured here.
void TextView::MeasureLines(int first, int last) {
  if (last < 0 || last >= LineCount()) last = LineCount() - 1;
  first = std::max(first, 0);
  int widest = WidestWidth();
  if (first > last) return;
  const int blockStart = LineStart(first);
  const char* block = Buffer.RangePointer(blockStart, Buffer.LineEnd(last) - blockStart);
  const int chunk = ChunkLength();
  const int tabStop = TabStop();
  int start = blockStart;
  for (int line = first; line <= last; ++line) {
    const int end = line < last ? LineStart(line + 1) - 1 : Buffer.LineEnd(last);
    int width = Buffer.Width(line);
    if (width < 0 && end - start > chunk) {
      width = MeasureLine(line);
    } else if (width < 0) {
      width = Measurer.TabbedWidth(block + (start - blockStart), end - start, tabStop, 0) & 0xFFFF;
      Buffer.SetWidth(line, width);
    }
    if (width > widest) {
      WidestLine = line;
      widest = width;
    }
    start = end + 1;
  }
}

// Chunk starts measured with another font or tab width do not hold either.
void TextView::InvalidateAllWidths() {
  for (int line = 0; line < LineCount(); ++line) {
    Buffer.SetWidth(line, -1);
    if (LineRecord* record = Buffer.Record(line)) {
      record->ChunkStarts.clear();
      record->ChunkStartsValid = false;
    }
  }
  WidestLine = 0;
  MeasureLines(0, -1);
}

bool TextView::HasBookmark(int line) const {
  const LineRecord* record = Buffer.Record(line);
  return record && record->Bookmark;
}

void TextView::SetBookmark(int line, bool on) {
  if (line < 0 || line >= LineCount() || HasBookmark(line) == on) return;
  RecordOf(line)->Bookmark = on;
  Host.RepaintGutter();
}
