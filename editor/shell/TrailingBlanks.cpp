// Trailing-blank removal in one pass over the view's string, building the new text once.
#include "editor/shell/TrailingBlanks.h"

#include "editor/view/TextView.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Positions of the old string carried into the new one. Each moves back by the characters
// removed before it; one inside a removed run goes to the run's start. They are visited in
// ascending order as the pass goes on, so the cost is one sort of a few positions.
class CarriedPositions {
public:
  explicit CarriedPositions(std::vector<int> positions) : Values(std::move(positions)) {
    Order.resize(Values.size());
    for (std::size_t i = 0; i < Order.size(); ++i) Order[i] = i;
    std::sort(Order.begin(), Order.end(), [this](std::size_t a, std::size_t b) { return Values[a] < Values[b]; });
  }

  // The characters [from, to) of the old string are left out of the new one.
  void Remove(int from, int to) {
    for (; Next < Order.size() && Values[Order[Next]] <= to; ++Next) {
      int& value = Values[Order[Next]];
      value = std::min(value, from) - Removed;
    }
    Removed += to - from;
  }

  std::vector<int> Finish() {
    for (; Next < Order.size(); ++Next) Values[Order[Next]] -= Removed;
    return Values;
  }

private:
  std::vector<int> Values;
  std::vector<std::size_t> Order;
  std::size_t Next = 0;
  int Removed = 0;
};

// The positions that must survive the change: anchor, caret, then the start of every
// bookmarked line.
std::vector<int> PositionsToCarry(const TextView& view, std::vector<int>& bookmarkedLines) {
  std::vector<int> positions{view.Anchor(), view.Caret()};
  for (int line = 0; line < view.LineCount(); ++line) {
    if (!view.HasBookmark(line)) continue;
    bookmarkedLines.push_back(line);
    positions.push_back(view.LineStart(line));
  }
  return positions;
}

struct TrimmedText {
  std::string Text;     // without trailing blanks and without soft breaks
  int BlanksRemoved = 0;
};

// Display lines run between breaks; a soft break (CR) continues the file's line, so the
// blanks before it stay and the break itself goes (the wrap pass puts it back).
TrimmedText TrimLines(const std::string& raw, CarriedPositions& carried) {
  TrimmedText result;
  result.Text.reserve(raw.size());
  const int size = static_cast<int>(raw.size());
  int start = 0;
  for (;;) {
    int end = start;
    while (end < size && raw[end] != '\n' && raw[end] != '\r') ++end;
    const bool softBreak = end < size && raw[end] == '\r';
    int kept = end;
    if (!softBreak)
      while (kept > start && IsBlank(raw[kept - 1])) --kept;
    result.Text.append(raw, static_cast<std::size_t>(start), static_cast<std::size_t>(kept - start));
    if (kept < end) carried.Remove(kept, end);
    result.BlanksRemoved += end - kept;
    if (end == size) break;
    if (softBreak)
      carried.Remove(end, end + 1);
    else
      result.Text += '\n';
    start = end + 1;
  }
  return result;
}

}  // namespace

int RemoveTrailingBlanks(TextView& view) {
  std::vector<int> bookmarkedLines;
  CarriedPositions carried(PositionsToCarry(view, bookmarkedLines));
  TrimmedText trimmed = TrimLines(view.RawText(), carried);
  if (trimmed.BlanksRemoved == 0) return 0;

  const std::vector<int> positions = carried.Finish();
  const int top = view.TopLine();
  const int scrollX = view.ScrollX();
  view.ReplaceText(0, view.Length(), std::move(trimmed.Text), positions[0], positions[1], ScrollNone, true);
  view.SetTopLine(top);
  view.SetScrollX(scrollX);

  // The new text had no soft breaks; the wrap pass has put them back since.
  std::vector<int> lines;
  for (std::size_t i = 2; i < positions.size(); ++i)
    lines.push_back(view.LineFromPosition(view.WrappedPosition(positions[i])));
  view.SetBookmarkLines(lines);
  return trimmed.BlanksRemoved;
}
