// What the view caches for one display line beyond its start, hard line number and width.
#pragma once

#include "common/RefCounted.h"
#include "editor/syntax/LineColouring.h"

#include <string>
#include <vector>

// Made on demand by the view's factory (a derived view may attach more per-line data) and
// shared: whoever looks at a record holds a reference, so it outlives its removal from the
// table. Start, hard line number and width live in the buffer's per-line arrays.
class LineRecord : public RefCounted {
public:
  // After an edit of its line: the caches go, the bookmark stays, and the old colouring is
  // kept so that the new one can be compared with it.
  void Reset() {
    ColouringValid = false;
    TextCopyValid = false;
    TextCopy.clear();
    ChunkStartsValid = false;
    ChunkStarts.clear();
  }

  RefPtr<LineColouring> Colouring;
  bool ColouringValid = false;
  std::string TextCopy;
  bool TextCopyValid = false;
  // Of a line longer than one measuring chunk: the x of each chunk start (columns 0, chunk,
  // 2 chunk ...), so that the x of a column costs one chunk's measuring, not the line's.
  std::vector<int> ChunkStarts;
  bool ChunkStartsValid = false;
  bool Bookmark = false;
};
