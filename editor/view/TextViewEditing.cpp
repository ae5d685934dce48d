// Editing on top of ReplaceText: typed characters, Backspace and Delete, block indent, the
// clipboard commands and the enabling queries.
#include "editor/view/TextView.h"

#include "common/LineEnds.h"

#include "editor/view/CallerTextCheck.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <utility>

namespace {

bool IsControlChar(int ch) {
  return (ch >= 0 && ch < 32) || ch == 127;
}

// The key that must be physically down for a control character to count as typed; Ctrl
// chords produce the same codes without it. 0 for control characters never accepted.
int KeyOfControlChar(int ch) {
  switch (ch) {
    case '\n': return KeyEnter;
    case '\b': return KeyBackspace;
    case '\t': return KeyTab;
    default: return 0;
  }
}

bool IsAcceptedChar(ViewHost& host, int ch) {
  if (ch < 0 || ch > 255) return false;
  if (!IsControlChar(ch)) return true;
  const int key = KeyOfControlChar(ch);
  // Ctrl+Backspace deletes a word as a key; some systems also send it as a backspace.
  if (ch == '\b' && host.IsKeyDown(KeyControl)) return false;
  return key != 0 && host.IsKeyDown(key);
}

// White space of the C locale, as the indentation rule counts it.
bool IsBlank(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string Spaces(int count) {
  return std::string(static_cast<std::size_t>(std::max(count, 0)), ' ');
}

std::string ExpandedTabs(const std::string& text, int tabWidth) {
  std::string result;
  for (char c : text) result += c == '\t' ? Spaces(tabWidth) : std::string(1, c);
  return result;
}

// ch in front of every line of the block.
std::string Indented(const std::string& block, char ch) {
  std::string result(1, ch);
  for (char c : block) {
    result += c;
    if (c == '\n') result += ch;
  }
  return result;
}

// One leading ch taken from every line of the block that has one; false when none had.
bool Unindent(std::string& block, char ch) {
  std::string result;
  bool changed = false;
  for (std::size_t i = 0; i < block.size(); ++i) {
    const bool lineStart = i == 0 || block[i - 1] == '\n';
    if (lineStart && block[i] == ch) {
      changed = true;
      continue;
    }
    result += block[i];
  }
  block = std::move(result);
  return changed;
}

// The selection, or without one the caret's whole hard line with its break; no soft breaks.
std::string TextToCopy(const TextView& view) {
  std::string text = view.HasSelection() ? view.GetSelectedText()
                                          : view.HardLineText(view.LineFromPosition(view.Caret())) + "\n";
  RemoveCarriageReturns(text, nullptr, 0);
  return text;
}

}  // namespace

void TextView::TypeChar(int ch) {
  if (ch == '\r') ch = '\n';
  if (ReadOnly || !IsAcceptedChar(Host, ch)) return;
  if (ch == '\b') {
    Backspace();
    return;
  }
  if (HasSelection() && (ch == '\t' || ch == ' ') && IndentLines(ch, !Host.IsKeyDown(KeyShift))) return;
  if (HasSelection()) DeleteRange(SelectionStart(), SelectionEnd() - SelectionStart());
  if (ch == '\n') {
    InsertNewLine();
    return;
  }
  TypeText(ch == '\t' && TabInsertsSpaces ? Spaces(TabWidth) : std::string(1, static_cast<char>(ch)));
}

// Inserts at the caret, or in overwrite mode replaces the character there. Overwriting
// stops at a hard line end: the LF is never typed over. Undo leaves the caret behind an
// overwritten character, as it does behind one deleted with the Delete key.
void TextView::TypeText(const std::string& text) {
  const bool overwrite = !InsertMode && CaretPos < Length() && CharAt(CaretPos) != '\n';
  const int replaced = overwrite ? NextCharPos(CaretPos) - CaretPos : 0;
  ReplaceText(CaretPos, replaced, text, -1, -1, ScrollToCaret, true, CaretPos + replaced);
}

// Next to a soft break the character before it goes with it: the break alone would only be
// put back by the next wrap pass.
void TextView::Backspace() {
  const int length = SelectionEnd() - SelectionStart();
  const int m = length > 0 ? SelectionStart() : PreviousCharPos(CaretPos);
  if (length <= 1 && m >= 0 && CharAt(m) == '\r') {
    if (m >= 1) DeleteRange(m - 1, 2);
  } else if (length > 0) {
    DeleteRange(SelectionStart(), length);
  } else if (m >= 0) {
    DeleteRange(m, CaretPos - m);
  }
}

void TextView::DeleteKey() {
  if (ReadOnly) return;
  const int m = SelectionStart();
  const int length = SelectionEnd() - m;
  if (length <= 1 && CharAt(m) == '\r') {
    DeleteRange(m, std::min(2, Length() - m));
  } else if (length > 0) {
    DeleteRange(m, length);
  } else if (CaretPos < Length()) {
    DeleteRange(CaretPos, NextCharPos(CaretPos) - CaretPos);
  }
}

void TextView::DeleteWordBefore() {
  if (ReadOnly) return;
  if (HasSelection()) {
    Backspace();
    return;
  }
  // At a line's start only the line end goes, as Ctrl+Delete takes one at a line's end.
  const int start = CaretPos > 0 && CharAt(CaretPos - 1) == '\n' ? CaretPos - 1 : WordStepLeft(CaretPos);
  if (start < CaretPos) DeleteRange(start, CaretPos - start);
}

void TextView::DeleteWordAfter() {
  if (ReadOnly) return;
  if (HasSelection()) {
    DeleteKey();
    return;
  }
  const int end = WordDeletionEnd(CaretPos);
  if (end > CaretPos) DeleteRange(CaretPos, end - CaretPos);
}

void TextView::InsertNewLine() {
  std::string text = "\n";
  if (AutoIndent && CaretPos > LineStart(LineFromPosition(CaretPos))) text += IndentationOfCaretLine();
  ReplaceText(CaretPos, 0, text, -1, -1, ScrollToCaret, true);
}

// The leading white space of the first display line of the caret's hard line.
std::string TextView::IndentationOfCaretLine() {
  int line = LineFromPosition(CaretPos);
  while (line > 0 && EndsWithSoftBreak(line - 1)) --line;
  const std::string text = LineText(line);
  std::size_t count = 0;
  while (count < text.size() && IsBlank(text[count])) ++count;
  return text.substr(0, count);
}

// A deleted selection comes back selected. Without one, undo puts the caret behind the text
// it brings back: where Backspace found it, and past what Delete took.
void TextView::DeleteRange(int pos, int length) {
  ReplaceText(pos, length, std::string(), -1, -1, ScrollToCaret, true, HasSelection() ? -1 : pos + length);
}

long long TextView::RoomFor(int replaced) const {
  const long long limit = MaxLength == 0 ? INT_MAX : MaxLength;
  return limit - Length() + replaced;
}

bool TextView::InsertChar(int pos, int ch) {
  if (pos < 0 || pos > Length()) return false;
  const std::string text = ch == 0 ? std::string() : std::string(1, static_cast<char>(ch));
  return ReplaceText(pos, 0, text, -1, -1, ScrollToCaret, true);
}

bool TextView::DeleteChar(int pos) {
  if (pos < 0 || pos >= Length()) return false;
  return ReplaceText(pos, 1, std::string(), -1, -1, ScrollToCaret, true);
}

// The text is cut to the room left before it goes in, so that a selected result covers
// exactly what was inserted. CR and NUL are dropped whether or not word wrap is on: the
// view's string holds neither as text.
void TextView::ReplaceSelection(std::string text, bool selectInserted) {
  bool hadBadBytes = false;
  text = NormalizedCallerText(std::move(text), hadBadBytes);
  const int start = SelectionStart();
  const int length = SelectionEnd() - start;
  const long long room = std::max(RoomFor(length), 0LL);
  if (static_cast<long long>(text.size()) > room) text.resize(static_cast<std::size_t>(room));
  if (!selectInserted) {
    ReplaceText(start, length, std::move(text), -1, -1, ScrollToCaret, true);
    return;
  }
  const int end = start + static_cast<int>(text.size());
  ReplaceText(start, length, std::move(text), start, end, ScrollToSelection, true);
}

// The block is the hard lines the selection touches, so that word wrap never gets a tab put
// into the middle of a line; a selection that ends at the start of a hard line leaves that
// line, and the break before it, out of the block.
bool TextView::IndentLines(int ch, bool add) {
  const int firstLine = LineFromPosition(SelectionStart());
  const int lastLine = LineFromPosition(SelectionEnd());
  if (HardLineOfLine(firstLine) == HardLineOfLine(lastLine)) return false;
  const int blockStart = HardLineSpan(firstLine).Start;
  const HardLineSpanResult last = HardLineSpan(lastLine);
  const bool endsAtLineStart = SelectionEnd() == last.Start;
  const int blockEnd = endsAtLineStart ? last.Start - 1 : last.End;
  std::string block = Buffer.Substring(blockStart, blockEnd - blockStart);
  RemoveCarriageReturns(block, nullptr, 0);
  const char c = static_cast<char>(ch);
  if (add) block = Indented(block, c);
  else if (!Unindent(block, c)) return true;
  if (TabInsertsSpaces) block = ExpandedTabs(block, TabWidth);
  const int selectionEnd = blockStart + static_cast<int>(block.size()) + (endsAtLineStart ? 1 : 0);
  ReplaceText(blockStart, blockEnd - blockStart, std::move(block), blockStart, selectionEnd, ScrollToCaret, true);
  return true;
}

void TextView::SelectAll() {
  SetSelection(0, Length(), ScrollToCaret);
}

void TextView::Copy() {
  if (Length() > 0) Clipboard.SetText(TextToCopy(*this), Utf8);
}

// Without a selection the caret's hard line goes with one break: the one after it, or for
// the last line the one before it. Nothing is deleted that did not reach the clipboard.
void TextView::Cut() {
  if (!CanEdit() || !Clipboard.SetText(TextToCopy(*this), Utf8)) return;
  if (HasSelection()) {
    DeleteRange(SelectionStart(), SelectionEnd() - SelectionStart());
    return;
  }
  const HardLineSpanResult span = HardLineSpan(LineFromPosition(CaretPos));
  int start = span.Start;
  int end = span.End;
  if (end < Length()) ++end;
  else if (start > 0) --start;
  DeleteRange(start, end - start);
}

void TextView::Paste() {
  if (!CanPaste()) return;
  std::string text;
  if (!Clipboard.GetText(text, Utf8) || text.empty()) {
    if (!Clipboard.ReadFiles(text)) return;
  }
  if (!text.empty()) ReplaceSelection(std::move(text), false);
}

bool TextView::CanEdit() {
  return !ReadOnly && Host.IsEnabled() && Length() > 0;
}

bool TextView::CanPaste() {
  return !ReadOnly && Host.IsEnabled() && Clipboard.CanPaste();
}
