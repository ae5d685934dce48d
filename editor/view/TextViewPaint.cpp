// Painting the text area: background and selection colours, tokens in their scheme colours,
// the caret's braces and the selection over them and the visible white-space marks, for the
// part of each line that lies in the paint rectangle only, so that a very long line costs
// what shows of it.
#include "editor/view/TextView.h"

#include "editor/view/ChunkBoundary.h"
#include "editor/view/Utf8Steps.h"

#include <algorithm>

namespace {

// The state of drawing along one display line. x values are line pixels (from the line's
// left edge); the painter gets client x = line x - ScrollX, with the tab origin at the
// line's left edge.
struct LineRun {
  ViewPainter& Painter;
  const char* Text;
  int Length = 0;
  bool Utf8 = false;  // pieces end between characters, never inside one
  int Y = 0;
  int LineHeight = 0;
  int ScrollX = 0;
  int Right = 0;  // line x where drawing stops: the paint rectangle and a glyph beyond
  int Chunk = 1;  // drawing never crosses a measuring chunk's boundary, so x agrees with MeasureText
  int TabStop = 0;
  int AverageWidth = 1;
  bool ShowWhitespace = false;
  Colour TextColour = 0;
};

// A dot in the middle of a space, a line 2 pixels shorter than the tab at each side.
void MarkWhitespace(const LineRun& run, char c, int x, int width) {
  const int middle = run.Y + run.LineHeight / 2;
  if (c == ' ') run.Painter.SetPixel(x + width / 2, middle, run.TextColour);
  else if (c == '\t' && width > 4) run.Painter.DrawHorizontalLine(x + 2, x + width - 2, middle);
}

int DrawPiece(const LineRun& run, int column, int count, int x) {
  const int clientX = x - run.ScrollX;
  const int width = run.Painter.DrawText(clientX, run.Y, run.Text + column, count, run.TabStop, -run.ScrollX);
  if (run.ShowWhitespace) MarkWhitespace(run, run.Text[column], clientX, width);
  return width;
}

// end, or the end of the character it lies in.
int WholeCharactersEnd(const LineRun& run, int end) {
  const int start = CharBoundaryAtOrBefore(run.Text, run.Length, end);
  return start < end ? NextCharBoundary(run.Text, run.Length, start) : end;
}

// The end of the measuring chunk that holds column `from`.
int ChunkEnd(const LineRun& run, int from) {
  for (int k = from / run.Chunk + 1;; ++k) {
    const int end = ChunkBoundary(run.Text, run.Length, k * run.Chunk, run.Utf8);
    if (end > from) return end;
  }
}

// Draws columns [from, to) from x and returns the x reached; stops once past the right edge.
// Pieces are sized from the room left, so a long run is not drawn far beyond the edge.
int DrawRun(const LineRun& run, int from, int to, int x) {
  while (from < to && x < run.Right) {
    int count = std::min(to, ChunkEnd(run, from)) - from;
    count = run.ShowWhitespace ? 1 : std::min(count, (run.Right - x) / run.AverageWidth + 1);
    if (run.Utf8) count = std::min(WholeCharactersEnd(run, from + count), to) - from;
    x += DrawPiece(run, from, count, x);
    from += count;
  }
  return x;
}

// Colours and pen of a token's kind on the given background.
void UseKind(LineRun& run, int kind, const ColorScheme& scheme, Colour background) {
  if (kind < 0 || kind >= BackgroundItem) kind = PlainText;
  run.TextColour = scheme.Colors[kind];
  run.Painter.SetTextColour(run.TextColour);
  run.Painter.SetBackColour(background);
  run.Painter.SelectPen(run.TextColour);
}

// Tokens from column `from` (at x) on, each in its kind's colour and pen on the background.
void DrawTokens(LineRun& run, const std::vector<TokenSpan>& tokens, int from, int x, const ColorScheme& scheme,
                Colour background) {
  for (auto token = TokenAt(tokens, from); token != tokens.end() && x < run.Right; ++token) {
    const int end = token->Column + token->Length;
    if (end <= from) continue;
    UseKind(run, token->Kind, scheme, background);
    x = DrawRun(run, std::max(token->Column, from), end, x);
  }
}

// A brace of the caret's match, drawn again in its token's colour on its own background.
void DrawBrace(LineRun& run, const std::vector<TokenSpan>& tokens, int column, int x, const ColorScheme& scheme,
               Colour background) {
  const auto token = TokenAt(tokens, column);
  UseKind(run, token != tokens.end() ? token->Kind : PlainText, scheme, background);
  DrawRun(run, column, column + 1, x);
}

}  // namespace

void TextView::Paint(ViewPainter& painter, int left, int top, int right, int bottom) {
  const int lineHeight = Metrics().LineHeight;
  if (lineHeight <= 0 || left >= right || top >= bottom || bottom <= 0) return;
  const int first = Top + std::max(top, 0) / lineHeight;
  const int last = std::min(Top + (bottom - 1) / lineHeight, LineCount() - 1);
  for (int line = first; line <= last; ++line) PaintLine(painter, line, left, right);
}

// The tokens are drawn unless the line is wholly selected; the braces of the caret's match
// and then the selected part (never the line break) are drawn over them. The text is read
// in place, after the colouring, which may move it in the buffer.
void TextView::PaintLine(ViewPainter& painter, int line, int left, int right) {
  const int length = LineLength(line);
  std::vector<TokenSpan> piece;
  const FontMetrics& metrics = Metrics();
  LineRun run{painter, nullptr};
  run.Y = (line - Top) * metrics.LineHeight;
  run.LineHeight = metrics.LineHeight;
  run.ScrollX = OffsetX;
  // One glyph more at each side: a glyph reaching over its neighbour's cell (overhang, font
  // smoothing) shows in a partial repaint just as in a full one.
  const int margin = std::max(1, metrics.MaxCharWidth);
  run.Right = right + OffsetX + margin;
  run.Chunk = ChunkLength();
  run.TabStop = TabStop();
  run.AverageWidth = std::max(1, metrics.AverageCharWidth);
  run.ShowWhitespace = ShowWhitespace;
  const int lineLeft = left + OffsetX;
  int firstX = 0;
  const char* text = Buffer.RangePointer(LineStart(line), length);
  const int first = FirstVisibleColumn(line, text, length, lineLeft - margin, firstX);
  if (length > LongLine) {
    int lastX = 0;
    ColourPiece(line, first, FirstVisibleColumn(line, text, length, run.Right, lastX) + 1, piece);
  }
  const std::vector<TokenSpan>& tokens = length > LongLine ? piece : TokensOf(line);
  text = Buffer.RangePointer(LineStart(line), length);
  run.Text = text;
  run.Length = length;
  run.Utf8 = Utf8;

  const int lineStart = LineStart(line);
  int s = 0, e = 0;
  if (SelectionStart() <= lineStart + length && SelectionEnd() >= lineStart) {
    s = std::max(SelectionStart(), lineStart) - lineStart;
    e = std::min(SelectionEnd(), lineStart + length) - lineStart;
  }
  const bool highlighted = IsHighlightedLine(line);
  const Colour background = highlighted ? CaretLineColour() : BackgroundColour();
  // The highlight runs the window's width, past the text's end.
  if (highlighted) painter.FillRect(left, run.Y, right, run.Y + run.LineHeight, background);
  if (e - s < length) DrawTokens(run, tokens, first, firstX, *Scheme, background);
  // The braces of the caret's match, where the selection does not cover them.
  for (const int brace : {Braces.Brace, Braces.Partner}) {
    const int column = brace - lineStart;
    if (brace >= 0 && column >= first && column < length && (column < s || column >= e))
      DrawBrace(run, tokens, column, ColumnX(line, text, column), *Scheme, BraceBackground());
  }
  if (s == e) return;

  Colour selectedText = 0, selectedBack = 0;
  SelectionColours(selectedText, selectedBack);
  const int x1 = ColumnX(line, text, s);
  const int fillLeft = std::max(x1, lineLeft);
  const int fillRight = std::min(ColumnX(line, text, e), right + OffsetX);
  if (fillLeft < fillRight)
    painter.FillRect(fillLeft - OffsetX, run.Y, fillRight - OffsetX, run.Y + run.LineHeight, selectedBack);
  painter.SetTextColour(selectedText);
  painter.SetBackColour(selectedBack);
  painter.SelectPen(background);
  run.TextColour = selectedText;
  if (s >= first) DrawRun(run, s, e, x1);
  else DrawRun(run, first, e, firstX);
}

// The last column whose left edge lies at or left of x (line pixels), and that edge: its
// chunk from the chunk starts, the column within it by halving.
int TextView::FirstVisibleColumn(int line, const char* text, int length, int x, int& columnX) {
  columnX = 0;
  if (x <= 0 || length <= 0) return 0;
  const int chunk = ChunkLength();
  int k = 0, base = 0, baseX = 0;
  if (length > chunk) {
    const std::vector<int>& starts = ChunkStartsOf(line);
    k = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), x) - starts.begin()) - 1;
    base = ChunkBoundary(text, length, k * chunk, Utf8);
    baseX = starts[k];
  }
  int low = base, high = ChunkBoundary(text, length, (k + 1) * chunk, Utf8);
  columnX = baseX;
  const int tabStop = TabStop();
  while (low < high) {
    const int middle = low + (high - low + 1) / 2;
    const int middleX = baseX + (Measurer.TabbedWidth(text + base, middle - base, tabStop, baseX) & 0xFFFF);
    if (middleX <= x) {
      low = middle;
      columnX = middleX;
    } else {
      high = middle - 1;
    }
  }
  // Halving may stop inside a character; painting starts at the character's own left edge.
  const int boundary = Utf8 ? CharBoundaryAtOrBefore(text, length, low) : low;
  if (boundary != low && boundary >= base) {
    low = boundary;
    columnX = baseX + (Measurer.TabbedWidth(text + base, low - base, tabStop, baseX) & 0xFFFF);
  }
  return low;
}

Colour TextView::BackgroundColour() {
  if (Host.IsEnabled() && !(ReadOnly && GreyWhenReadOnly)) return Scheme->Colors[BackgroundItem];
  return Host.SystemColour(SystemColourButtonFace);
}

// Grey without the focus; with it the system's highlight, or the scheme inverted.
void TextView::SelectionColours(Colour& text, Colour& back) {
  if (!Host.HasFocus()) {
    text = Host.SystemColour(SystemColourWindow);
    back = Host.SystemColour(SystemColourButtonShadow);
  } else if (UseSystemSelectionColor) {
    text = Host.SystemColour(SystemColourHighlightText);
    back = Host.SystemColour(SystemColourHighlight);
  } else {
    text = Scheme->Colors[BackgroundItem];
    back = Scheme->Colors[PlainText];
  }
}

void TextView::SetShowWhitespace(bool flag) {
  if (flag == ShowWhitespace) return;
  ShowWhitespace = flag;
  Host.InvalidateAll();
}

void TextView::SetUseSystemSelectionColor(bool flag) {
  if (flag == UseSystemSelectionColor) return;
  UseSystemSelectionColor = flag;
  Host.InvalidateAll();
}

// The background, and with it the gutter's edge column, may turn grey.
void TextView::SetGreyWhenReadOnly(bool flag) {
  if (flag == GreyWhenReadOnly) return;
  GreyWhenReadOnly = flag;
  Host.InvalidateAll();
  Host.RepaintGutter();
}
