// The colouring pass over one display line, shared by ColourLine, the view's token cache and
// the exact state scan: it walks the line run by run and hands each token to a sink.
#pragma once

#include "editor/syntax/ColourLine.h"
#include "editor/syntax/ColourState.h"
#include "editor/syntax/LanguageDef.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace colouring {

// Character classes by byte value, independent of the locale: bytes 128..255 belong to none.
enum : unsigned char { SpaceBit = 1, IdentifierStartBit = 2, IdentifierBit = 4 };

constexpr std::array<unsigned char, 256> MakeCharClasses() {
  std::array<unsigned char, 256> classes{};
  for (int c = 9; c <= 13; ++c) classes[c] = SpaceBit;
  classes[' '] = SpaceBit;
  for (int c = 'A'; c <= 'Z'; ++c) classes[c] = IdentifierStartBit | IdentifierBit;
  for (int c = 'a'; c <= 'z'; ++c) classes[c] = IdentifierStartBit | IdentifierBit;
  classes['_'] = IdentifierStartBit | IdentifierBit;
  for (int c = '0'; c <= '9'; ++c) classes[c] = IdentifierBit;
  return classes;
}

inline constexpr std::array<unsigned char, 256> CharClasses = MakeCharClasses();

inline unsigned char ClassOf(char c) { return CharClasses[static_cast<unsigned char>(c)]; }

// Other-runs hold everything but white space, letters and "_"; digits stay in them.
inline bool IsOther(char c) { return (ClassOf(c) & (SpaceBit | IdentifierStartBit)) == 0; }
inline bool IsSpace(char c) { return (ClassOf(c) & SpaceBit) != 0; }
inline bool IsIdentifierStart(char c) { return (ClassOf(c) & IdentifierStartBit) != 0; }
inline bool IsIdentifierChar(char c) { return (ClassOf(c) & IdentifierBit) != 0; }

template <class InClass> int RunEnd(const char* line, int length, int i, InClass inClass) {
  while (i < length && inClass(line[i])) ++i;
  return i;
}

inline CharRun RunFrom(const char* line, int length, int pos) {
  const char c = line[pos];
  if (IsSpace(c)) return CharRun{RunSpace, RunEnd(line, length, pos + 1, IsSpace) - pos};
  if (IsIdentifierStart(c)) return CharRun{RunIdentifier, RunEnd(line, length, pos + 1, IsIdentifierChar) - pos};
  return CharRun{RunOther, RunEnd(line, length, pos + 1, IsOther) - pos};
}

// One pass over a line from a token boundary `from`, reached in `state`, which becomes the
// state at the line's end. Sink::Emit(kind, column, length) takes each token;
// Sink::Boundary(column, state) hears of every place where no element is open.
template <class Sink> class LineColourer {
public:
  LineColourer(const LanguageDef* language, std::string_view line, int from, ColourState& state, Sink& sink)
      : Language(language),
        Line(line),
        Length(static_cast<int>(line.size())),
        MatchCase(language ? language->MatchCase : true),
        State(state),
        Out(sink),
        Pos(from) {}

  void ColourAll() {
    while (Pos < Length) {
      if (!State.RangeStack.empty() || State.Current) {
        ContinueOpenElement();
        continue;
      }
      Out.Boundary(Pos, State);
      const CharRun run = RunAtPos();
      if (run.Class == RunIdentifier) {
        ColourIdentifier(run.Length);
      } else if (run.Class == RunOther) {
        ColourOther(run.Length);
      } else {
        Out.Emit(PlainText, Pos, run.Length);
        Pos += run.Length;
      }
    }
  }

private:
  // The rest of an other-run is itself the other-run from there, so a run split by its
  // markers is scanned only once; this keeps long runs of symbols linear.
  CharRun RunAtPos() {
    if (Pos < OtherEnd) return CharRun{RunOther, OtherEnd - Pos};
    const CharRun run = RunFrom(Line.data(), Length, Pos);
    if (run.Class == RunOther) OtherEnd = Pos + run.Length;
    return run;
  }

  // The innermost open range, or the element that goes on from the line above.
  void ContinueOpenElement() {
    // Held here: the state may hold the last reference, and Match may drop it.
    const RefPtr<LanguageElement> element = State.RangeStack.empty() ? State.Current : State.RangeStack.back();
    int end = MatchFrom(*element, Pos);
    // An element that cannot go on (not one a definition puts there) keeps the rest of the
    // line rather than stall the loop.
    if (end == Pos) end = Length;
    Out.Emit(element->TokenKind, Pos, end - Pos);
    Pos = end;
  }

  void ColourIdentifier(int runLength) {
    LanguageElement* element = nullptr;
    const bool found = Language && Language->Words.Lookup(Line.data() + Pos, runLength, MatchCase, element);
    if (found) {
      const int end = MatchFrom(*element, Pos);
      if (end > Pos) {
        Out.Emit(element->TokenKind, Pos, end - Pos);
        Pos = end;
        return;
      }
    }
    Out.Emit(found ? element->TokenKind : PlainText, Pos, runLength);
    Pos += runLength;
  }

  void ColourOther(int runLength) {
    LanguageElement* element = nullptr;
    int start = 0;
    int end = 0;
    if (!Language || !Language->Markers.Find(Line.data() + Pos, runLength, 0, element, start, end)) {
      Out.Emit(PlainText, Pos, runLength);
      Pos += runLength;
      return;
    }
    if (start > 0) Out.Emit(PlainText, Pos, start);
    const int p = Pos + start;
    const int matched = MatchFrom(*element, p);
    Pos = matched > p ? matched : p + (end - start);
    Out.Emit(element->TokenKind, p, Pos - p);
  }

  int MatchFrom(LanguageElement& element, int p) {
    return std::clamp(element.Match(State, Line, p, MatchCase), p, Length);
  }

  const LanguageDef* const Language;
  const std::string_view Line;
  const int Length;
  const bool MatchCase;
  ColourState& State;
  Sink& Out;
  int Pos;
  int OtherEnd = 0;  // end of the other-run that Pos lies in, when Pos < OtherEnd
};

}  // namespace colouring
