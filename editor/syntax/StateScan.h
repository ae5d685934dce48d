// The state at the end of a line without colouring it, for the lines that are not shown.
#pragma once

#include "editor/syntax/ColourState.h"

#include <array>
#include <string_view>

class LanguageDef;

// Receives places of a long line from which its colouring can resume: token boundaries
// where no element is open, at least Spacing apart. Take is called with a column >= Next.
class CheckpointSink {
public:
  virtual ~CheckpointSink() = default;
  virtual void Take(int column, const ColourState& state) = 0;
  int Next = 0;
};

// Words never change a state: only the markers of ranges and rest-of-line elements do. So
// the scan skips from one byte that may start such a marker to the next, and looks at the
// symbols around one only to learn whether the colouring would find it there. Its result
// equals ColourLine's end state for every line.
class StateScanner {
public:
  explicit StateScanner(const LanguageDef* language);

  // Scans line from `from`, a token boundary reached in `state`, to its end; state becomes
  // the state there, before the rule of the line break is applied.
  void Scan(std::string_view line, int from, ColourState& state, CheckpointSink* checkpoints) const;
  // How far past a token boundary the colouring may look to place it: an edit further on
  // leaves the boundary and its state as they were.
  int Lookahead() const { return LongestString + 1; }

private:
  void ScanClosed(std::string_view line, int& pos, ColourState& state, CheckpointSink* checkpoints) const;
  int NextStop(const char* text, int length, int from) const;
  bool FindInRun(const char* text, int runEnd, int from, ColourState& state, std::string_view line, int& pos) const;

  const LanguageDef* Language;
  // The word list holds elements that open a range or a rest of line: runs are followed
  // one by one, as the colouring does.
  bool ByRuns = false;
  int LongestString = 0;
  std::array<bool, 256> Stops{};  // first bytes of markers that change the state
};
