// The colouring state at the end of every line, kept as an id per line: found by the
// state-only scan in order from the last line known to be right, in idle time or when a
// line below is needed; after an edit found again only until the new states meet the
// stored ones. Lines too long to colour whole also keep checkpoints along the way.
#include "editor/view/TextView.h"

#include <algorithm>
#include <climits>

namespace {

// In a scan budget a line costs a little beyond its bytes.
constexpr long long LineCost = 16;
// Checkpoints of a long line lie about this far apart, so that colouring a piece of it
// starts at most this far before the piece.
constexpr int CheckpointSpacing = 32 * 1024;

// Collects the checkpoints of one long line, their states interned.
class CheckpointList : public CheckpointSink {
public:
  CheckpointList(ColourStateTable& states, std::vector<StateCheckpoint>& checkpoints, int from)
      : States(states), Checkpoints(checkpoints) {
    Next = from + CheckpointSpacing;
  }
  void Take(int column, const ColourState& state) override {
    Checkpoints.push_back(StateCheckpoint{column, States.Intern(state)});
    Next = column + CheckpointSpacing;
  }

private:
  ColourStateTable& States;
  std::vector<StateCheckpoint>& Checkpoints;
};

}  // namespace

int TextView::KnownStates() const { return Language ? StatesValid : LineCount(); }

// A new language: no state found with another holds, nor any token.
void TextView::ResetColouring() {
  States.Clear();
  Scanner = Language ? std::make_unique<StateScanner>(Language.Get()) : nullptr;
  Buffer.ForgetEndStates(0, LineCount() - 1);
  StatesValid = 0;
  StatesScanned = 0;
  StatesDirtyThrough = -1;
  TokenCache.clear();
  for (int line = 0; line < LineCount(); ++line)
    if (LineRecord* record = Buffer.Record(line)) {
      record->Checkpoints.clear();
      record->CheckpointStart = record->CheckpointEnd = -1;
    }
  if (Language) Host.ScheduleScan();
}

// The lines firstLine to lastLine took the place of firstLine to lastLine - lineDelta; the
// buffer made the states of those whose text changed unknown, and the scan goes back to the
// first of them.
void TextView::StatesChanged(int firstLine, int lastLine, int lineDelta) {
  if (!Language) return;
  const int lastBefore = lastLine - lineDelta;
  // The line where the scan stands may hold a state found from an older one above it; once
  // the scan goes back, only its being unknown tells so.
  if (StatesValid > lastBefore && StatesValid < StatesScanned) {
    Buffer.SetEndState(StatesValid + lineDelta, -1);
    StatesDirtyThrough = std::max(StatesDirtyThrough, StatesValid);
  }
  StatesValid = std::min(StatesValid, firstLine);
  if (StatesScanned > lastBefore) StatesScanned += lineDelta;
  else StatesScanned = std::min(StatesScanned, firstLine);
  if (StatesDirtyThrough > lastBefore) StatesDirtyThrough += lineDelta;
  if (firstLine < StatesScanned) StatesDirtyThrough = std::max(StatesDirtyThrough, lastLine);
  Host.ScheduleScan();
}

bool TextView::ScanAhead(long long byteBudget) {
  if (!Language) return false;
  ScanStatesThrough(LineCount() - 1, byteBudget);
  return StatesValid < LineCount();
}

const ColourState& TextView::EndStateOf(int line) {
  if (!Language) return States.State(ColourStateTable::Initial);
  line = std::max(0, std::min(line, LineCount() - 1));
  ScanStatesThrough(line, LLONG_MAX);
  return States.State(Buffer.EndState(line));
}

const ColourState& TextView::StartStateOf(int line) { return States.State(LineStartState(line)); }

int TextView::LineStartState(int line) {
  if (!Language || line <= 0) return ColourStateTable::Initial;
  line = std::min(line, LineCount() - 1);
  ScanStatesThrough(line - 1, LLONG_MAX);
  return Buffer.EndState(line - 1);
}

// Where a new state equals the one stored, the lines below were found from it and hold.
void TextView::ScanStatesThrough(int line, long long byteBudget) {
  line = std::min(line, LineCount() - 1);
  while (StatesValid <= line && byteBudget > 0) {
    const int k = StatesValid;
    const int start = k == 0 ? ColourStateTable::Initial : Buffer.EndState(k - 1);
    const int before = Buffer.EndState(k);
    const int now = ScanLine(k, start);
    Buffer.SetEndState(k, now);
    byteBudget -= LineLength(k) + LineCost;
    StatesValid = k + 1;
    if (k >= StatesScanned) StatesScanned = k + 1;
    else if (now == before) StatesValid = NextLineToCheck(k + 1);
  }
}

// The next line whose stored state is unknown, or the first never scanned.
int TextView::NextLineToCheck(int from) {
  const int to = std::min(StatesDirtyThrough + 1, StatesScanned);
  const int unknown = Buffer.FirstUnknownEndState(from, to);
  if (unknown < to) return unknown;
  StatesDirtyThrough = -1;
  return StatesScanned;
}

int TextView::ScanLine(int line, int start) {
  const int length = LineLength(line);
  if (length > LongLine) return ScanLongLine(line, start);
  const ColourState& from = States.State(start);
  ColourState state = from;
  Scanner->Scan(std::string_view(Buffer.RangePointer(LineStart(line), length), static_cast<std::size_t>(length)), 0,
                state, nullptr);
  if (!EndsWithSoftBreak(line)) state.Current = RefPtr<LanguageElement>();
  return state == from ? start : States.Intern(state);
}

// Scans on from the last checkpoint that an edit left standing, adding checkpoints up to the
// end of the line, whose state the record then keeps until the line changes again.
int TextView::ScanLongLine(int line, int start) {
  LineRecord& record = *RecordOf(line);
  std::vector<StateCheckpoint>& checkpoints = record.Checkpoints;
  if (record.CheckpointStart != start) {
    checkpoints.clear();
    record.CheckpointStart = start;
    record.CheckpointEnd = -1;
  }
  if (record.CheckpointEnd >= 0) return record.CheckpointEnd;
  const long long unchanged = static_cast<long long>(record.CheckpointsUnchangedBefore) - Scanner->Lookahead();
  while (!checkpoints.empty() && checkpoints.back().Column >= unchanged) checkpoints.pop_back();
  record.CheckpointsUnchangedBefore = INT_MAX;

  const int from = checkpoints.empty() ? 0 : checkpoints.back().Column;
  ColourState state = States.State(checkpoints.empty() ? start : checkpoints.back().State);
  const int length = LineLength(line);
  CheckpointList sink(States, checkpoints, from);
  Scanner->Scan(std::string_view(Buffer.RangePointer(LineStart(line), length), static_cast<std::size_t>(length)),
                from, state, &sink);
  if (!EndsWithSoftBreak(line)) state.Current = RefPtr<LanguageElement>();
  record.CheckpointEnd = States.Intern(state);
  return record.CheckpointEnd;
}
