// The state-only scan: the colouring's own loop where words can change the state, else a
// skip from one marker byte to the next.
#include "editor/syntax/StateScan.h"

#include "editor/syntax/LanguageDef.h"
#include "editor/syntax/LanguageElements.h"
#include "editor/syntax/LineColourer.h"

#include <algorithm>

using colouring::IsIdentifierStart;
using colouring::IsOther;
using colouring::IsSpace;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool ChangesState(const LanguageElement& element) { return element.GetKind() != WordsKind; }

// The colouring's loop without tokens, handing on its boundaries as checkpoints.
struct Boundaries {
  CheckpointSink* Checkpoints;
  void Emit(int, int, int) {}
  void Boundary(int column, const ColourState& state) {
    if (Checkpoints && column >= Checkpoints->Next) Checkpoints->Take(column, state);
  }
};

// Where the other-run holding t begins, not before pos (a token boundary); beyond t when t
// is a digit that belongs to the identifier before it.
int OtherRunStart(const char* text, int pos, int t) {
  int g = t;
  while (g > pos && IsOther(text[g - 1])) --g;
  if (g > pos && IsIdentifierStart(text[g - 1]))
    while (g <= t && IsDigit(text[g])) ++g;
  return g;
}

}  // namespace

StateScanner::StateScanner(const LanguageDef* language) : Language(language) {
  if (!language) return;
  for (const RefPtr<LanguageElement>& element : language->Elements) {
    for (int i = 0; i < element->StringCount(); ++i)
      LongestString = std::max(LongestString, static_cast<int>(element->StringAt(i).size()));
    if (element->GetKind() == RangeKind) {
      const auto& range = static_cast<const RangeElement&>(*element);
      const int escape = static_cast<int>(range.EscapeChar.size());
      const int end = static_cast<int>(range.EndMarker.size());
      LongestString = std::max({LongestString, end, escape + end, 2 * escape});
    }
    if (!ChangesState(*element)) continue;
    if (element->Options & WholeWord) {
      ByRuns = true;
      continue;
    }
    for (int i = 0; i < element->StringCount(); ++i) {
      const std::string marker = element->StringAt(i);
      if (!marker.empty() && IsOther(marker[0])) Stops[static_cast<unsigned char>(marker[0])] = true;
    }
  }
}

void StateScanner::Scan(std::string_view line, int from, ColourState& state, CheckpointSink* checkpoints) const {
  if (!Language) return;
  const bool matchCase = Language->MatchCase;
  if (ByRuns) {
    Boundaries sink{checkpoints};
    colouring::LineColourer<Boundaries>(Language, line, from, state, sink).ColourAll();
    return;
  }
  const int length = static_cast<int>(line.size());
  int pos = from;
  while (pos < length) {
    if (state.RangeStack.empty() && !state.Current) {
      ScanClosed(line, pos, state, checkpoints);
      continue;
    }
    const RefPtr<LanguageElement> element = state.RangeStack.empty() ? state.Current : state.RangeStack.back();
    const int end = std::clamp(element->Match(state, line, pos, matchCase), pos, length);
    pos = end == pos ? length : end;
  }
}

int StateScanner::NextStop(const char* text, int length, int from) const {
  while (from < length && !Stops[static_cast<unsigned char>(text[from])]) ++from;
  return from;
}

// From pos, a token boundary with nothing open, to the next element that changes the state
// (pos after its token) or to the end of the line.
void StateScanner::ScanClosed(std::string_view line, int& pos, ColourState& state,
                              CheckpointSink* checkpoints) const {
  const char* text = line.data();
  const int length = static_cast<int>(line.size());
  for (int searchFrom = pos;;) {
    const int t = NextStop(text, length, searchFrom);
    // Blanks start runs of their own, so the start of one is a token boundary.
    while (checkpoints && checkpoints->Next < t) {
      int q = std::max(pos, checkpoints->Next);
      while (q < t && !IsSpace(text[q])) ++q;
      if (q >= t) break;
      while (q > pos && IsSpace(text[q - 1])) --q;
      checkpoints->Take(q, state);
      if (checkpoints->Next <= q) break;
    }
    if (t >= length) {
      pos = length;
      return;
    }
    const int runStart = OtherRunStart(text, pos, t);
    if (runStart > t) {
      searchFrom = t + 1;
      continue;
    }
    const int runEnd = colouring::RunEnd(text, length, t + 1, IsOther);
    if (FindInRun(text, runEnd, runStart, state, line, pos)) return;
    searchFrom = pos;
  }
}

// The run's strings from `from` on, leftmost and longest first as the colouring takes them,
// until one changes the state (true, pos after its token) or the run ends (false, pos at
// its end).
bool StateScanner::FindInRun(const char* text, int runEnd, int from, ColourState& state, std::string_view line,
                             int& pos) const {
  for (int q = from;;) {
    LanguageElement* element = nullptr;
    int start = 0, end = 0;
    if (!Language->Markers.Find(text, runEnd, q, element, start, end)) {
      pos = runEnd;
      return false;
    }
    if (ChangesState(*element)) {
      const int matched = std::clamp(element->Match(state, line, start, Language->MatchCase), start,
                                     static_cast<int>(line.size()));
      pos = matched > start ? matched : end;
      return true;
    }
    q = end;
    if (q >= runEnd) {
      pos = runEnd;
      return false;
    }
  }
}
