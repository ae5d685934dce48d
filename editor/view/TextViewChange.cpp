// ReplaceText, the one primitive every change of the text passes through, and the work
// before and after it: line table, wrap, colouring states and tokens, widest line,
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

}  // namespace

bool TextView::ReplaceText(int pos, int length, std::string text, int selStart, int selEnd, int scrollMode,
                           bool markModified) {
  return ReplaceText(pos, length, std::move(text), selStart, selEnd, scrollMode, markModified, -1);
}

// The undo record keeps the view's place before the change and after it.
bool TextView::ReplaceText(int pos, int length, std::string text, int selStart, int selEnd, int scrollMode,
                           bool markModified, int undoCaret) {
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
  ViewPlace before = Recording ? CurrentPlace() : ViewPlace{};
  if (undoCaret >= 0) before.Anchor = before.Caret = UnwrappedPosition(undoCaret);
  BeforeChange(pos);

  const int line = Buffer.LineFromPosition(pos);
  const int softBefore = Buffer.SoftBreaksBefore(pos);
  std::string removed = Buffer.Substring(pos, length);
  if (WordWrap) RemoveCarriageReturns(removed, nullptr, 0);
  const bool changed = text != removed;
  ChangeLine = line;
  ChangeColumn = changed ? pos - LineStart(line) : INT_MAX;
  ChangeLastLine = Buffer.LineFromPosition(pos + length);
  EndStateBefore = Language && StatesValid > ChangeLastLine ? Buffer.EndState(ChangeLastLine) : -1;

  Buffer.Delete(pos, length);
  const int linesBeforeInsert = Buffer.LineCount();
  Buffer.Insert(pos, text);
  const int insertedBreaks = Buffer.LineCount() - linesBeforeInsert;
  const int textLength = static_cast<int>(text.size());
  // Recorded after the edit only so that the text can move into the record (a document
  // loaded whole is not copied twice).
  const bool recorded = Recording && changed;
  if (recorded) PushUndo(UndoRecord{std::move(text), std::move(removed), pos - softBefore, before, ViewPlace{}});

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
  // Under the limit 0 nothing was kept.
  if (recorded && !History.UndoList.empty()) History.UndoList.back().After = CurrentPlace();
  return true;
}

// The tokens of the shown line where the change begins are made now if they are not cached,
// so that its colours before and after can be compared.
void TextView::BeforeChange(int pos) {
  LineCountBefore = LineCount();
  LastVisibleBefore = LastVisibleLine(false);
  ChangeLine = -1;
  HoldBraces();
  const int line = LineFromPosition(pos);
  if (line >= Top && line <= LastVisibleBefore && LineLength(line) <= LongLine) TokensOf(line);
  SetSelection(pos, pos, ScrollNone);
}

// The buffer has already shifted the starts and hard line numbers of later lines (lazily).
// Only the lines shown are coloured now; the states of the rest are found when needed or in
// idle time.
void TextView::AfterChange(int selStart, int selEnd, int firstLine, int lastLine, int inserted, int removedCount,
                           int scrollMode) {
  const int lineDelta = LineCount() - LineCountBefore;
  lastLine = std::min(lastLine, LineCount() - 1);
  StatesChanged(firstLine, lastLine, lineDelta);
  ShiftTokenCache(firstLine, lastLine, lineDelta);
  UpdateWidestLine(firstLine, lastLine, lineDelta);
  if (Length() == inserted && removedCount > 0) ClearBookmarksAfterReplacingAll();
  RepaintChangedLines(firstLine, lastLine, lineDelta);
  ReplacedTokens.clear();

  SetTopLine(Top);
  SetSelection(selStart, selEnd, scrollMode);
  ReleaseBraces();
  if (inserted == 0 && removedCount > 0 && !InsertMode) Host.RecreateCaret();
  if (lineDelta != 0) {
    UpdateGutterWidth();
    Host.RepaintGutter();
  }
  RefreshScrollBars();
  Host.Notify(TVN_TEXTCHANGED);
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

// Each shown line that may have changed is repainted from its first changed column: the
// edited lines, the lines below them when lines came or went, and otherwise the lines below
// whose start state changed, down to the first whose start state is as it was (so is every
// line below it). Rows whose lines are gone are repainted whole.
void TextView::RepaintChangedLines(int firstLine, int lastLine, int lineDelta) {
  const int lineHeight = Metrics().LineHeight;
  const int lastRow = std::max(LastVisibleLine(false), LastVisibleBefore);
  for (int line = std::max(Top, firstLine); line <= lastRow; ++line) {
    const int y = (line - Top) * lineHeight;
    int column = 0;
    if (line >= LineCount()) {
      column = 0;
    } else if (line <= lastLine) {
      column = FirstChangedColumn(line, firstLine);
    } else if (lineDelta == 0) {
      const auto cached = std::find_if(TokenCache.begin(), TokenCache.end(),
                                       [line](const CachedTokens& entry) { return entry.Line == line; });
      if (!Language) break;  // plain text has no states to change
      // Read before the scan below finds the state above again.
      int before = line - 1 > lastLine ? Buffer.EndState(line - 1) : -1;
      if (line - 1 == lastLine && lastLine - lineDelta == ChangeLastLine && firstLine == ChangeLine)
        before = EndStateBefore;
      if (cached != TokenCache.end()) before = cached->StartState;
      if (LineStartState(line) == before) break;
      if (cached != TokenCache.end()) {
        const std::vector<TokenSpan> old = cached->Tokens;
        column = FirstColourChange(old, TokensOf(line));
      }
    }
    if (column < 0) continue;
    const int x = column == 0 ? 0 : ColumnX(line, Buffer.RangePointer(LineStart(line), LineLength(line)), column);
    Host.InvalidateStrip(y, lineHeight, std::max(0, x - OffsetX));
  }
}

// The line where the change's text begins, when no wrap pass changed the lines above it, is
// repainted from that column or from where its colours changed, whichever comes first. Every
// other edited line, and a line too long to keep tokens for, is repainted whole.
int TextView::FirstChangedColumn(int line, int firstLine) {
  if (line != ChangeLine || firstLine != ChangeLine || LineLength(line) > LongLine) return 0;
  const auto replaced = std::find_if(ReplacedTokens.begin(), ReplacedTokens.end(),
                                     [line](const CachedTokens& entry) { return entry.Line == line; });
  if (replaced == ReplacedTokens.end()) return 0;
  const int colour = FirstColourChange(replaced->Tokens, TokensOf(line));
  if (colour < 0) return ChangeColumn == INT_MAX ? -1 : ChangeColumn;
  return std::min(colour, ChangeColumn);
}
