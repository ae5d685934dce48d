// Undo and redo, the modified flag with its clean point, and the read-only and insert modes.
#include "editor/view/TextView.h"

#include <algorithm>
#include <utility>

namespace {

// The wrapped end of a stretch of unwrappedLength characters that starts at the wrapped
// position start: every soft break inside it, or directly behind it, is added on.
int WrappedEnd(const TextBuffer& buffer, int start, int unwrappedLength) {
  int end = start + unwrappedLength;
  int examined = start;
  for (;;) {
    const int bound = std::min(end + 1, buffer.Length());
    int found = 0;
    for (int pos = examined; pos < bound; ++pos) found += buffer.CharAt(pos) == '\r';
    examined = std::max(examined, bound);
    if (found == 0) return std::min(end, buffer.Length());
    end += found;
  }
}

}  // namespace

void TextView::PushUndo(UndoRecord record) {
  History.Push(std::move(record));
}

void TextView::Undo() {
  Replay(true);
}

void TextView::Redo() {
  Replay(false);
}

// Applies the newest record of one list backwards (undo) or forwards (redo) and moves it to
// the other list. A record whose replacement would not fit under the length limit stays
// where it is: replaying it cut short would leave both lists describing text that is not
// there.
void TextView::Replay(bool undo) {
  std::deque<UndoRecord>& source = undo ? History.UndoList : History.RedoList;
  std::deque<UndoRecord>& target = undo ? History.RedoList : History.UndoList;
  if (source.empty() || ReadOnly || !Host.IsEnabled()) return;

  const UndoRecord& record = source.back();
  const std::string& span = undo ? record.Inserted : record.Removed;
  const std::string& replacement = undo ? record.Removed : record.Inserted;
  const int start = WordWrap ? WrappedPosition(record.Position) : record.Position;
  const int spanLength = static_cast<int>(span.size());
  const int end = WordWrap ? WrappedEnd(Buffer, start, spanLength) : start + spanLength;
  if (static_cast<long long>(replacement.size()) > RoomFor(end - start)) {
    Host.Beep();
    return;
  }

  std::string text = replacement;
  const ViewPlace place = undo ? record.Before : record.After;
  target.push_back(std::move(source.back()));
  source.pop_back();
  const bool dirty = History.UndoList.size() != History.CleanIndex;
  const bool recording = Recording;
  Recording = false;
  ReplaceText(start, end - start, std::move(text), -1, -1, ScrollNone, dirty);
  Recording = recording;
  RestorePlace(place);
}

// Taken twice for every keystroke: a caret without a selection and the top line's start
// cost one lookup of the line table each.
ViewPlace TextView::CurrentPlace() const {
  const int caret = UnwrappedPosition(CaretPos);
  const int anchor = AnchorPos == CaretPos ? caret : UnwrappedPosition(AnchorPos);
  return ViewPlace{anchor, caret, Buffer.UnwrappedLineStart(Top), OffsetX};
}

// The scroll position comes back with the selection unless the caret would be out of sight
// there (the window has changed size or word wrap has moved the lines since); the view then
// scrolls to it from where it stands, as after any edit.
void TextView::RestorePlace(const ViewPlace& place) {
  SetSelection(WrappedPosition(place.Anchor), WrappedPosition(place.Caret), ScrollNone);
  const int top = ClampTopLine(LineFromPosition(WrappedPosition(place.TopStart)));
  const int x = ClampScrollX(place.ScrollX);
  const int line = LineFromPosition(CaretPos);
  const int caretX = PointX(CaretPos);
  if (line < top || line >= top + VisibleLineCount(true) || caretX < x || caretX >= x + ClientW) {
    EnsureVisible(HasSelection() ? ScrollToSelection : ScrollToCaret);
    return;
  }
  SetTopLine(top);
  SetScrollX(x);
}

bool TextView::CanUndo() const {
  return !History.UndoList.empty();
}

bool TextView::CanRedo() const {
  return !History.RedoList.empty();
}

void TextView::ClearUndo() {
  History.Clear();
}

void TextView::SetModified(bool flag) {
  Modified = flag;
  if (!flag && Recording) History.CleanIndex = static_cast<unsigned>(History.UndoList.size());
}

void TextView::SetUndoLimit(unsigned limit) {
  History.SetLimit(limit);
}

void TextView::SetReadOnly(bool flag) {
  if (flag == ReadOnly) return;
  ReadOnly = flag;
  // The background may turn grey, and the gutter's edge column shows it too.
  Host.InvalidateAll();
  Host.RepaintGutter();
}

void TextView::SetInsertMode(bool flag) {
  if (flag == InsertMode) return;
  InsertMode = flag;
  Host.RecreateCaret();
}
