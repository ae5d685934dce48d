// How each kind of element colours from a position on: words as found, a marker to the end
// of the line, a range up to its end marker.
#include "editor/syntax/ColourState.h"
#include "editor/syntax/LanguageElements.h"

#include <algorithm>

namespace {

// A range opens with one level; after a soft break it goes on without a start marker to skip.
int OpenRange(ColourState& state, LanguageElement& range, int startLength, int pos, int length) {
  if (!state.Current) pos = std::min(pos + startLength, length);
  state.RangeStack.push_back(&range);
  state.Current = RefPtr<LanguageElement>();
  return pos;
}

void ApplyMark(ColourState& state, LanguageElement& range, int mark) {
  if (mark == NestedStart) {
    state.RangeStack.push_back(&range);
  } else if (mark == RangeEnd) {
    state.RangeStack.pop_back();
  }
}

// A range that does not span lines leaves the stack and goes on only after a soft break.
void CutRange(ColourState& state, LanguageElement& range) {
  state.Current = &range;
  state.RangeStack.clear();
}

}  // namespace

int WordsElement::Match(ColourState&, std::string_view, int pos, bool) { return pos; }

int RestOfLineElement::Match(ColourState& state, std::string_view line, int, bool) {
  if (state.Current.Get() != this) state.Current = this;
  return static_cast<int>(line.size());
}

int RangeElement::Match(ColourState& state, std::string_view line, int pos, bool matchCase) {
  // The state may hold the last reference to this range and drop it when the range closes.
  const RefPtr<LanguageElement> keepAlive(this);
  const char* text = line.data();
  const int length = static_cast<int>(line.size());
  // An empty string found would not move on; no registered string is empty, so treat one as
  // nothing found rather than trust the lookup.
  auto findMark = [&](int from, int& mark, int& end) {
    int start = 0;
    const bool found = InnerMarkers ? InnerMarkers->Find(text, length, from, mark, start, end)
                                    : InnerWords->Find(text, length, from, matchCase, mark, start, end);
    return found && end > start;
  };
  if (state.RangeStack.empty()) pos = OpenRange(state, *this, static_cast<int>(StartMarker.size()), pos, length);
  while (pos < length && !state.RangeStack.empty()) {
    int mark = 0;
    int end = 0;
    if (!findMark(pos, mark, end)) {
      pos = length;
      break;
    }
    ApplyMark(state, *this, mark);
    pos = end;
  }
  if (!(Options & SpanLines) && !state.RangeStack.empty()) CutRange(state, *this);
  return pos;
}
