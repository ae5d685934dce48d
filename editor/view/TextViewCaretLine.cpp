// The caret line's highlight: the caret's display line is painted on a colour a little of
// the way from the background to the text, and repainted as the caret leaves or enters it.
#include "editor/view/TextView.h"

#include "editor/syntax/ColourMix.h"

namespace {

constexpr int CaretLineTenths = 1;

}  // namespace

void TextView::SetHighlightCaretLine(bool flag) {
  if (flag == HighlightCaretLine) return;
  HighlightCaretLine = flag;
  HighlightedLine = flag ? LineFromPosition(CaretPos) : -1;
  Host.InvalidateAll();
}

bool TextView::IsHighlightedLine(int line) const {
  return HighlightCaretLine && line == LineFromPosition(CaretPos);
}

Colour TextView::CaretLineColour() {
  return MixColours(BackgroundColour(), Scheme->Colors[PlainText], CaretLineTenths, 10);
}

// Called whenever the caret may have moved: the line it left and the one it is on now.
void TextView::FollowCaretLine() {
  if (!HighlightCaretLine) return;
  const int line = LineFromPosition(CaretPos);
  if (line == HighlightedLine) return;
  InvalidateLine(HighlightedLine);
  InvalidateLine(line);
  HighlightedLine = line;
}

void TextView::InvalidateLine(int line) {
  if (line < Top || line > LastVisibleLine(false)) return;
  const int lineHeight = Metrics().LineHeight;
  Host.InvalidateStrip((line - Top) * lineHeight, lineHeight, 0);
}
