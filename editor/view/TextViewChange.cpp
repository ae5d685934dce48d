// ReplaceText, the one primitive every change of the text passes through, and the work
// before and after it: colour snapshot, line table, wrap, colour propagation, widest line,
// repainting, selection and notification.
#include "editor/view/TextView.h"

#include "common/LineEnds.h"

#include "editor/view/CallerTextCheck.h"
#include "editor/view/ColouringDiff.h"
#include "editor/view/WaitCursor.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int WaitCursorSize = 20000;

// Where a line number of the unchecked range goes when the lines firstLine to lastLine took
// the place of firstLine to lastLine - lineDelta: lines below move with the edit, a line
// inside it becomes the first line after it (the edited lines are coloured afresh anyway).
int ShiftedLine(int line, int firstLine, int lastLine, int lineDelta) {
  if (line > lastLine - lineDelta) return line + lineDelta;
  if (line > firstLine) return lastLine + 1;
  return line;
}

}  // namespace

bool TextView::ReplaceText(int pos, int length, std::string text, int selStart, int selEnd, int scrollMode,
                           bool markModified) {
  CheckCallerText(text);
  const int limit = MaxLength == 0 ? INT_MAX : MaxLength;
  if (length < 1 && text.empty()) return false;
  if (length < 1 && Length() >= limit) {
    Host.Beep();
    return false;
  }
  const long long room = static_cast<long long>(limit) - Length() + length;
  if (static_cast<long long>(text.size()) > room) text.resize(static_cast<std::size_t>(std::max(room, 0LL)));
  if (length < 1 && text.empty()) return false;

  WaitCursor wait(Host, static_cast<long long>(text.size()) + length >= WaitCursorSize);
  BeforeChange(pos);

  const int line = Buffer.LineFromPosition(pos);
  const int softBefore = Buffer.SoftBreaksBefore(pos);
  std::string removed = Buffer.Substring(pos, length);
  if (WordWrap) RemoveCarriageReturns(removed, nullptr, 0);
  const bool changed = text != removed;

  Buffer.Delete(pos, length);
  const int linesBeforeInsert = Buffer.LineCount();
  Buffer.Insert(pos, text);
  const int insertedBreaks = Buffer.LineCount() - linesBeforeInsert;
  const int textLength = static_cast<int>(text.size());
  // Recorded after the edit only so that the text can move into the record (a document
  // loaded whole is not copied twice).
  if (Recording && changed) PushUndo(UndoRecord{std::move(text), std::move(removed), pos - softBefore});

  if (selStart < 0) selStart = pos + textLength;
  if (selEnd < 0) selEnd = selStart;

  int firstLine = line;
  int lastLine = line + insertedBreaks;
  int wrapAdded = 0;
  int wrapRemoved = 0;
  if (WordWrap) {
    std::vector<int*> positions{&selStart, &selEnd};
    int last = lastLine;
    Reflow(pos, insertedBreaks + 1, positions, wrapAdded, wrapRemoved, firstLine, last);
    lastLine = std::max(last, lastLine + wrapAdded - wrapRemoved);
  }

  if (changed || !markModified) SetModified(markModified);
  const int inserted = textLength + wrapAdded;
  const int removedCount = length + wrapRemoved;
  AfterChange(selStart, selEnd, firstLine, lastLine, inserted, removedCount, scrollMode);
  return true;
}

// Keeps the colourings of the visible lines, so that AfterChange repaints only what changed.
void TextView::BeforeChange(int pos) {
  LineCountBefore = LineCount();
  Snapshot.clear();
  const int last = LastVisibleLine(false);
  for (int line = Top; line <= last; ++line) Snapshot.push_back(ColouringOf(line));
  SetSelection(pos, pos, ScrollNone);
}

// The buffer has already shifted the starts and hard line numbers of later lines (lazily).
void TextView::AfterChange(int selStart, int selEnd, int firstLine, int lastLine, int inserted, int removedCount,
                           int scrollMode) {
  const int lineDelta = LineCount() - LineCountBefore;
  lastLine = std::min(lastLine, LineCount() - 1);
  PropagateColouring(firstLine, lastLine, lineDelta);
  UpdateWidestLine(firstLine, lastLine, lineDelta);
  if (Length() == inserted && removedCount > 0) ClearBookmarksAfterReplacingAll();
  RepaintChangedLines();
  Snapshot.clear();

  SetTopLine(Top);
  SetSelection(selStart, selEnd, scrollMode);
  if (inserted == 0 && removedCount > 0 && !InsertMode) Host.RecreateCaret();
  if (lineDelta != 0) {
    UpdateGutterWidth();
    Host.RepaintGutter();
  }
  RefreshScrollBars();
  Host.Notify(TVN_TEXTCHANGED);
}

// The state at the end of the last edited line may have changed, and with it the colouring
// of every line below, in a long document perhaps millions. Only the visible lines are
// recoloured now; the rest are checked when they are next coloured.
void TextView::PropagateColouring(int firstLine, int lastLine, int lineDelta) {
  ShiftUnchecked(firstLine, lastLine, lineDelta);
  if (!Language) return;
  MarkUnchecked(lastLine + 1);
  const int last = LastVisibleLine(false);
  if (last >= 0 && lastLine <= last) ColouringOf(last);
}

void TextView::ShiftUnchecked(int firstLine, int lastLine, int lineDelta) {
  UncheckedFrom = ShiftedLine(UncheckedFrom, firstLine, lastLine, lineDelta);
  UncheckedThrough = ShiftedLine(UncheckedThrough, firstLine, lastLine, lineDelta);
}

void TextView::MarkUnchecked(int line) {
  if (line >= LineCount()) return;
  if (UncheckedFrom >= LineCount()) {
    UncheckedFrom = UncheckedThrough = line;
    return;
  }
  UncheckedFrom = std::min(UncheckedFrom, line);
  UncheckedThrough = std::max(UncheckedThrough, line);
}

void TextView::UpdateWidestLine(int firstLine, int lastLine, int lineDelta) {
  if (WidestLine < firstLine) {
    MeasureLines(firstLine, lastLine);
  } else if (WidestLine > lastLine - lineDelta) {
    WidestLine += lineDelta;
    MeasureLines(firstLine, lastLine);
  } else {
    WidestLine = 0;
    MeasureLines(0, -1);
  }
}

// The whole text was replaced: no bookmark belongs to the new text.
void TextView::ClearBookmarksAfterReplacingAll() {
  bool cleared = false;
  for (int line = 0; line < LineCount(); ++line) {
    LineRecord* record = Buffer.Record(line);
    if (record && record->Bookmark) {
      record->Bookmark = false;
      cleared = true;
    }
  }
  if (cleared) Host.RepaintGutter();
}

// Each visible line is repainted from its first changed column; lines without a snapshot
// (new at the bottom) or gone are repainted whole.
void TextView::RepaintChangedLines() {
  const int lineHeight = Metrics().LineHeight;
  const int last = std::max(LastVisibleLine(false), Top + static_cast<int>(Snapshot.size()) - 1);
  for (int line = Top; line <= last; ++line) {
    const int y = (line - Top) * lineHeight;
    const std::size_t index = static_cast<std::size_t>(line - Top);
    if (line >= LineCount() || index >= Snapshot.size()) {
      Host.InvalidateStrip(y, lineHeight, 0);
      continue;
    }
    const int column = FirstDifferingColumn(*Snapshot[index], *ColouringOf(line));
    if (column < 0) continue;
    const std::string text = Buffer.Substring(LineStart(line), column);
    Host.InvalidateStrip(y, lineHeight, std::max(0, MeasureText(text.data(), static_cast<int>(text.size())) - OffsetX));
  }
}
