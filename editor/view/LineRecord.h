// What the view keeps for the few display lines that carry more than their start, hard line
// number, width and end state: a bookmark, or the measuring and colouring aids of a long line.
#pragma once

#include "common/RefCounted.h"

#include <algorithm>
#include <climits>
#include <vector>

// A place of a long line from which its colouring resumes: a token boundary and the
// colouring state there.
struct StateCheckpoint {
  int Column;
  int State;
};

// Made on demand by the view's factory (a derived view may attach more per-line data) and
// shared: whoever looks at a record holds a reference, so it outlives its removal from the
// table. Lines without a record carry nothing of this.
class LineRecord : public RefCounted {
public:
  // The line's text changed from column on. The bookmark stays, and what was found before
  // the column is kept for the view to take up again.
  void ResetFrom(int column) {
    column = std::max(column, 0);
    ChunkStartsValid = false;
    ChunksUnchangedBefore = std::min(ChunksUnchangedBefore, column);
    CheckpointEnd = -1;
    CheckpointsUnchangedBefore = std::min(CheckpointsUnchangedBefore, column);
  }
  void Reset() { ResetFrom(0); }

  // Of a line longer than one measuring chunk: the x of each chunk start (columns 0, chunk,
  // 2 chunk ...), so that the x of a column costs one chunk's measuring, not the line's.
  // While not valid, the starts of chunks that begin before ChunksUnchangedBefore hold.
  std::vector<int> ChunkStarts;
  bool ChunkStartsValid = false;
  int ChunksUnchangedBefore = INT_MAX;
  // Of a line too long to colour whole: its checkpoints in order, all made from the start
  // state CheckpointStart, and the state at its end once they reach it (-1 before). Those
  // before CheckpointsUnchangedBefore (less the language's lookahead) still hold.
  std::vector<StateCheckpoint> Checkpoints;
  int CheckpointStart = -1;
  int CheckpointEnd = -1;
  int CheckpointsUnchangedBefore = INT_MAX;
  bool Bookmark = false;
};
