// The bookmark commands: toggling the caret's line, going to the next one, clearing all and
// setting a list.
#include "editor/view/TextView.h"

void TextView::ToggleBookmark() {
  const int line = LineFromPosition(CaretPos);
  SetBookmark(line, !HasBookmark(line));
}

// Round the document from the line after the caret's (or before it, backwards), so the
// caret's own line comes last: with only one bookmark, on that line, it is found.
void TextView::NextBookmark(bool forward) {
  const int count = LineCount();
  const int caretLine = LineFromPosition(CaretPos);
  const int step = forward ? 1 : -1;
  for (int i = 1; i <= count; ++i) {
    const int line = ((caretLine + step * i) % count + count) % count;
    if (HasBookmark(line)) {
      GotoLine(line);
      return;
    }
  }
}

void TextView::ClearBookmarks() {
  for (int line = 0; line < LineCount(); ++line)
    if (LineRecord* record = Buffer.Record(line)) record->Bookmark = false;
  Host.RepaintGutter();
}

// Lines outside the document are left out; the gutter is repainted once for the list.
void TextView::SetBookmarkLines(const std::vector<int>& lines) {
  for (int line : lines)
    if (line >= 0 && line < LineCount()) RecordOf(line)->Bookmark = true;
  if (!lines.empty()) Host.RepaintGutter();
}
