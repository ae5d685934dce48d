// The edit control's model: text and line table, editing and undo, word wrap, selection and
// scrolling. Portable; the window (or a test) supplies measuring, painting and the clipboard.
#pragma once

#include "common/RefCounted.h"
#include "editor/syntax/ColorScheme.h"
#include "editor/syntax/ColourLine.h"
#include "editor/syntax/ColourStateTable.h"
#include "editor/syntax/LanguageDef.h"
#include "editor/syntax/LineColouring.h"
#include "editor/syntax/StateScan.h"
#include "editor/view/LineRecord.h"
#include "editor/view/TextBuffer.h"
#include "editor/view/TextMeasurer.h"
#include "editor/view/UndoHistory.h"
#include "editor/view/ViewClipboard.h"
#include "editor/view/ViewHost.h"
#include "editor/view/ViewKeys.h"
#include "editor/view/ViewPainter.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Scroll modes of SetSelection and EnsureVisible.
enum ScrollMode { ScrollNone = 0, ScrollToCaret = 1, ScrollToSelection = 2, ScrollCentre = 3 };

// Line-break styles of GetText.
enum NewLineType { NewLineCrLf = 0, NewLineCr = 1, NewLineLf = 2 };

// A brace beside the caret and its partner, as positions. Brace -1: no brace there, or its
// partner lies beyond the search's reach; Partner -1: the brace has none.
struct BraceMatch {
  int Brace = -1;
  int Partner = -1;
  bool operator==(const BraceMatch& other) const { return Brace == other.Brace && Partner == other.Partner; }
  bool operator!=(const BraceMatch& other) const { return !(*this == other); }
};

// The background of a brace and its partner (a fifth of the way from the background to the
// plain text) and of a brace without one (a third of the way from a grey as bright as the
// background to red): both keep the text readable on light and dark schemes alike.
Colour MatchedBraceBackground(Colour background, Colour plainText);
Colour UnmatchedBraceBackground(Colour background);


class TextView {
public:
  TextView(TextMeasurer& measurer, ViewHost& host, ViewClipboard& clipboard);
  virtual ~TextView();
  TextView(const TextView&) = delete;
  TextView& operator=(const TextView&) = delete;

  // --- Text and line table -------------------------------------------------------------
  int Length() const { return Buffer.Length(); }
  int LineCount() const { return Buffer.LineCount(); }
  int LineStart(int line) const { return Buffer.LineStart(line); }
  int LineLength(int line) const { return Buffer.LineLength(line); }
  // A copy of the line's characters.
  std::string LineText(int line) const;
  int LineFromPosition(int pos) const { return Buffer.LineFromPosition(pos); }
  bool EndsWithSoftBreak(int line) const { return Buffer.EndsWithSoftBreak(line); }
  int HardLineOfLine(int line) const;
  int LineOfHardLine(int hard) const;
  HardLineSpanResult HardLineSpan(int line) const { return Buffer.HardLineSpan(line); }
  // The caret's whole hard line without soft breaks.
  std::string HardLineText(int line) const;
  int UnwrappedPosition(int pos) const { return Buffer.UnwrappedPosition(pos); }
  int WrappedPosition(int unwrapped) const { return Buffer.WrappedPosition(unwrapped); }
  std::string GetText(int style) const { return Buffer.GetText(style); }
  std::string GetSelectedText() const;
  // The raw string, soft breaks included.
  std::string RawText() const { return Buffer.Text(); }
  // The raw string in place, without a copy: valid until the next edit.
  std::string_view RawTextInPlace();
  char CharAt(int pos) const { return Buffer.CharAt(pos); }
  // The storage itself, for checks of its caches.
  const TextBuffer& GetBuffer() const { return Buffer; }

  bool ReplaceText(int pos, int length, std::string text, int selStart, int selEnd, int scrollMode,
                   bool markModified);
  void SetText(std::string text);

  // The record of a line, made by the factory when it has none yet. The caller that keeps it
  // beyond the next edit holds a reference.
  LineRecord* RecordOf(int line);
  // --- Colouring (TextViewStates.cpp, TextViewTokens.cpp) -------------------------------
  // Each line keeps only the id of the state it ends in; tokens are made for the lines shown
  // and kept for about a window's worth of them.
  // The colouring of a line as painting sees it, with a copy of its text: for checks.
  RefPtr<LineColouring> ColouringOf(int line);
  // The tokens of the columns [from, to) of a line (a token reaching into them included).
  std::vector<TokenSpan> TokensBetween(int line, int from, int to);
  const ColourState& EndStateOf(int line);
  const ColourState& StartStateOf(int line);
  // Finds the end states of lines not yet scanned, for about byteBudget bytes of text; true
  // while lines are left. The window calls it when idle after ScheduleScan.
  bool ScanAhead(long long byteBudget);
  // Lines whose end states are known to be right: [0, KnownStates()).
  int KnownStates() const;
  // Lines holding tokens in the cache.
  int CachedTokenLines() const { return static_cast<int>(TokenCache.size()); }
  // Lines longer than this are coloured in pieces from checkpoints, never whole.
  static constexpr int LongLine = 64 * 1024;
  // null: plain text. The view keeps its own reference, so a definition replaced elsewhere
  // lives on while the view colours with it.
  void SetLanguage(RefPtr<LanguageDef> language);
  const RefPtr<LanguageDef>& GetLanguage() const { return Language; }
  // null: the default scheme, shared by every view that was given none.
  void SetColorScheme(RefPtr<ColorScheme> scheme);
  const RefPtr<ColorScheme>& GetColorScheme() const { return Scheme; }

  int MaxLength = 0;  // 0 = no limit

  // --- Characters (TextViewCharacters.cpp) ----------------------------------------------
  // A UTF-8 document (on) has characters of 1 to 4 bytes, a byte of no well-formed sequence
  // counting as one of its own; off (the start), every byte is a character. The caret
  // never stands inside a character, and stepping, deleting and hit-testing take it whole.
  void SetUtf8(bool on);
  bool IsUtf8() const { return Utf8; }
  // The position after the character at pos and before the one before pos (pos + 1 and
  // pos - 1 with UTF-8 off); callers clamp as they do for single bytes.
  int NextCharPos(int pos) const;
  int PreviousCharPos(int pos) const;
  // pos, or (UTF-8 on) the start of the character it lies in.
  int CharStartAt(int pos) const;
  // Characters from the start of pos's display line to pos: the status bar's column less 1.
  int ColumnOfPosition(int pos);
  // A typed character given by its code point: ASCII goes through TypeChar; beyond it the
  // character is stored as UTF-8 in a UTF-8 document, while a single-byte document beeps
  // (the window turns characters of its code page into bytes for TypeChar itself).
  void TypeCodePoint(unsigned codePoint);

  // --- Editing and undo ---------------------------------------------------------------
  // A character message: the typed-character rules (auto indent, tabs, overwrite, Backspace).
  void TypeChar(int ch);
  // The Delete key without modifiers.
  void DeleteKey();
  // Ctrl+Backspace and Ctrl+Delete: to the start of the word before the caret, and to the
  // start of the next word, each one undo step; a selection goes as with the plain keys.
  void DeleteWordBefore();
  void DeleteWordAfter();
  bool InsertChar(int pos, int ch);
  bool DeleteChar(int pos);
  void ReplaceSelection(std::string text, bool selectInserted);
  bool IndentLines(int ch, bool add);
  void SelectAll();
  void Cut();
  void Copy();
  void Paste();
  bool CanEdit();
  bool CanPaste();
  void Undo();
  void Redo();
  bool CanUndo() const;
  bool CanRedo() const;
  void ClearUndo();
  void SetModified(bool flag);
  bool IsModified() const { return Modified; }
  void SetUndoLimit(unsigned limit);
  unsigned GetUndoLimit() const { return History.Limit; }
  const UndoHistory& GetHistory() const { return History; }
  void SetReadOnly(bool flag);
  bool IsReadOnly() const { return ReadOnly; }
  void SetInsertMode(bool flag);
  bool IsInsertMode() const { return InsertMode; }

  bool AutoIndent = true;
  bool TabInsertsSpaces = false;
  bool ShowWhitespace = false;

  // --- Measuring and word wrap -------------------------------------------------------
  int MeasureText(const char* text, int count);
  const FontMetrics& Metrics();
  // The font changed in the measurer: metrics, widths, gutter, wrap and caret follow.
  void FontChanged();
  int LineWidth(int line);
  int GetWidestLine() const { return WidestLine; }
  // 1 to MaxTabWidth characters; other values are not taken.
  static constexpr int MaxTabWidth = 256;
  void SetTabWidth(int width);
  int GetTabWidth() const { return TabWidth; }
  void SetWordWrap(bool flag);
  bool GetWordWrap() const { return WordWrap; }
  void Rewrap(bool on);
  void WrapAll(int anchor, int caret);
  void UnwrapAll(int anchor, int caret);
  // The incremental wrap pass; see TextViewWrap.cpp.
  void Reflow(int pos, int count, std::vector<int*>& positions, int& added, int& removed, int& first, int& last);

  // --- Selection and scrolling -------------------------------------------------------
  void SetSelection(int anchor, int caret, int scrollMode);
  int Anchor() const { return AnchorPos; }
  int Caret() const { return CaretPos; }
  int SelectionStart() const { return AnchorPos < CaretPos ? AnchorPos : CaretPos; }
  int SelectionEnd() const { return AnchorPos < CaretPos ? CaretPos : AnchorPos; }
  bool HasSelection() const { return AnchorPos != CaretPos; }
  void EnsureVisible(int mode);
  void SetTopLine(int line);
  int TopLine() const { return Top; }
  void SetScrollX(int x);
  int ScrollX() const { return OffsetX; }
  int VisibleLineCount(bool whole);
  int LastVisibleLine(bool whole);
  void InvalidateRange(int from, int to);
  // Document pixels from the left edge of pos's display line to pos.
  int PointX(int pos);
  // Client coordinates of pos: x after horizontal scrolling, y of its line's strip.
  void PointFromPosition(int pos, int& x, int& y);
  // The window's client size (text area, without the gutter).
  void SetClientSize(int width, int height);
  int ClientWidth() const { return ClientW; }
  int ClientHeight() const { return ClientH; }
  void RefreshScrollBars();
  // While these keys are held the scroll bars follow on key-up, not on every step.
  bool VerticalKeyHeld = false;
  bool HorizontalKeyHeld = false;

  // The caret's width: 2 pixels in insert mode, the character under it in overwrite mode.
  int CaretWidth();

  // --- Keyboard, mouse and scrolling (TextViewKeys.cpp, TextViewMouse.cpp) --------------
  // Client coordinates to a document position, and back (PointFromPosition above).
  int PositionFromPoint(int x, int y);
  void GotoLine(int line);
  void GotoHardLine(int hard);
  // Selects the word, run of other characters, or nothing, at pos (double click, Ctrl+click).
  void SelectWordAt(int pos);
  int WordStepLeft(int pos) const;
  int WordStepRight(int pos) const;
  // Where Ctrl+Delete's deletion from pos ends: behind the rest of the word at pos and the
  // blanks after it, i.e. at the next word's start. A line end is a step of its own.
  int WordDeletionEnd(int pos) const;
  // A key message; modifiers: ModShift | ModCtrl | ModAlt. False when the key has no rule.
  bool KeyDown(int key, int modifiers);
  void KeyUp(int key);
  // Mouse messages in client coordinates; keys: the MouseLeft ... flags of the message.
  void MouseDown(int x, int y, int keys);
  void MouseDoubleClick(int x, int y);
  void MouseUp();
  void MouseMove(int x, int y, int keys);
  // The drag timer's tick: the physical left button's state and the cursor in client
  // coordinates. False when the timer should be stopped.
  bool DragTimerTick(bool leftButtonDown, int x, int y);
  // One wheel message: the signed delta and the system's lines per notch.
  void Wheel(int delta, unsigned linesPerNotch);
  // The wheel with Ctrl held: a zoom request to the owner per whole notch, fine-grained
  // wheels adding up their deltas.
  void ZoomWheel(int delta);
  // Scroll-bar requests: a Scroll... code and the thumb position.
  void VerticalScroll(int code, int thumb);
  void HorizontalScroll(int code, int thumb);
  // The answer to WM_GETDLGCODE.
  int DialogCode(bool escapeHeld) const;
  void FocusChanged(bool gained);
  // Where the context menu opens (client coordinates of its point, the line height above it
  // excluded); fromKeyboard: invoked by the keyboard, else by a click at (x, y).
  void ContextMenuPoint(bool fromKeyboard, int x, int y, int& menuX, int& menuY);

  // --- Bookmarks (TextViewBookmarks.cpp) ----------------------------------------------
  bool HasBookmark(int line) const;
  void SetBookmark(int line, bool on);
  void ToggleBookmark();
  void NextBookmark(bool forward);
  void ClearBookmarks();
  void SetBookmarkLines(const std::vector<int>& lines);

  // --- Brace matching (TextViewBraces.cpp) ---------------------------------------------
  // Braces are ( ) [ ] { } outside the comments and strings of the colouring. The brace
  // beside a caret is the one right after it, otherwise the one right before it; its
  // partner is the brace of the other side and the same kind at the same depth, looked for
  // within BraceReach bytes of it.
  BraceMatch FindBraceMatch(int caret);
  // What is painted: the match of the caret, found while the caret's line is shown.
  const BraceMatch& CaretBraces() const { return Braces; }
  // Moves the caret in front of the partner of the brace beside it, so that doing it again
  // comes back; beeps and changes nothing when there is no partner to go to.
  void MatchBrace();
  static constexpr int BraceReach = 1024 * 1024;

  // --- Painting and gutter (TextViewPaint.cpp, TextViewGutter.cpp) --------------------
  // Paints the client rectangle [left, right) x [top, bottom).
  void Paint(ViewPainter& painter, int left, int top, int right, int bottom);
  Colour BackgroundColour();
  // The gutter in window coordinates, and its painting there.
  PixelRect GutterRect(const GutterFrame& frame);
  void PaintGutter(GutterPainter& painter, const GutterFrame& frame);
  int GutterWidth() const { return GutterW; }
  // Recomputes the gutter's width from its settings, the line count and the font.
  void UpdateGutterWidth();
  void SetShowLineNumbers(bool flag);
  bool GetShowLineNumbers() const { return ShowLineNumbers; }
  void SetShowBookmarkMargin(bool flag);
  bool GetShowBookmarkMargin() const { return ShowBookmarkMargin; }
  void SetShowWhitespace(bool flag);
  void SetUseSystemSelectionColor(bool flag);
  bool GetUseSystemSelectionColor() const { return UseSystemSelectionColor; }
  void SetGreyWhenReadOnly(bool flag);
  bool GetGreyWhenReadOnly() const { return GreyWhenReadOnly; }
  // The caret's display line drawn on a colour derived from the background (TextViewCaretLine.cpp).
  void SetHighlightCaretLine(bool flag);
  bool GetHighlightCaretLine() const { return HighlightCaretLine; }
  bool IsHighlightedLine(int line) const;
  Colour CaretLineColour();

protected:
  // The factory of line records; a derived view may attach more per-line data.
  virtual LineRecord* CreateLineRecord();

private:
  // TextViewChange.cpp
  // ReplaceText; undoCaret (not -1) is where undoing the change puts the caret, instead of
  // bringing back the selection.
  bool ReplaceText(int pos, int length, std::string text, int selStart, int selEnd, int scrollMode,
                   bool markModified, int undoCaret);
  void BeforeChange(int pos);
  void AfterChange(int selStart, int selEnd, int firstLine, int lastLine, int inserted, int removedCount,
                   int scrollMode);
  void UpdateWidestLine(int firstLine, int lastLine, int lineDelta);
  void RepaintChangedLines(int firstLine, int lastLine, int lineDelta);
  int FirstChangedColumn(int line, int firstLine);
  void ClearBookmarksAfterReplacingAll();
  // TextViewStates.cpp
  void StatesChanged(int firstLine, int lastLine, int lineDelta);
  void ScanStatesThrough(int line, long long byteBudget);
  int ScanLine(int line, int start);
  int ScanLongLine(int line, int start);
  int NextLineToCheck(int from);
  void ResetColouring();
  int LineStartState(int line);
  // TextViewTokens.cpp
  const std::vector<TokenSpan>& TokensOf(int line);
  void ColourPiece(int line, int from, int to, std::vector<TokenSpan>& tokens);
  void ShiftTokenCache(int firstLine, int lastLine, int lineDelta);
  void DropFarthestCachedLine();
  // TextViewBraces.cpp
  int PartnerOf(int brace);
  void BraceTokens(int line, int from, int to, std::vector<TokenSpan>& tokens);
  // Finds the caret's match when the caret moved or its line came into view, repainting the
  // braces that change; an edit holds it from BeforeChange to AfterChange, while positions
  // move, and a new language has it found again.
  void UpdateBraces();
  void HoldBraces();
  void ReleaseBraces();
  void FindBracesAgain();
  void InvalidateBraces();
  Colour BraceBackground();
  // TextViewUndo.cpp
  void PushUndo(UndoRecord record);
  void Replay(bool undo);
  ViewPlace CurrentPlace() const;
  void RestorePlace(const ViewPlace& place);
  // TextView.cpp
  void MeasureLines(int first, int last);
  void InvalidateAllWidths();
  int WidestWidth();
  void RecolourAll();
  // TextViewSelection.cpp
  void ScrollHorizontallyToSelection();
  // The top line and horizontal offset that SetTopLine and SetScrollX would take.
  int ClampTopLine(int line);
  int ClampScrollX(int x);
  // TextViewKeys.cpp, TextViewMouse.cpp, TextViewNavigation.cpp, TextViewBookmarks.cpp
  // (input helpers)
  // The column of a line that line pixel x falls on: the first character reaching past x.
  int ColumnFromX(int line, int x);
  int SequenceWidth(int pos, int& next);
  // Moves the caret to pos, dropping the selection or (extend) keeping the anchor.
  void MoveCaretTo(int pos, bool extend);
  // The key table's groups; each returns false where its key has no rule for modifiers.
  bool VerticalKey(int direction, int modifiers);
  bool PageKey(int direction, int modifiers);
  bool LineKey(int key, int modifiers);
  bool CommandKey(int key, int modifiers);
  // An arrow key held when the focus goes will not send its key-up here.
  void ReleaseHeldKeys();
  // TextViewPaint.cpp, TextViewGutter.cpp (painting helpers)
  // Measuring in chunks (TextView.cpp) and the x of a column from its line's chunk starts.
  int ChunkLength();
  int TabStop();
  int MeasureChunks(const char* text, int count, std::vector<int>* starts);
  int MeasureChunksFrom(const char* text, int count, std::vector<int>& starts, int keep);
  int MeasureChunksOn(const char* text, int count, int k, int x, std::vector<int>* starts);
  int UnchangedChunkBytes(int unchangedBefore) const;
  int MeasureLine(int line);
  const std::vector<int>& ChunkStartsOf(int line);
  int ColumnX(int line, const char* text, int column);
  int FirstVisibleColumn(int line, const char* text, int length, int x, int& columnX);
  // Painting one line, the colours it uses, and the gutter's cells.
  void PaintLine(ViewPainter& painter, int line, int left, int right);
  void FollowCaretLine();
  // Repaints the whole strip of a display line, if it shows.
  void InvalidateLine(int line);
  void SelectionColours(Colour& text, Colour& back);
  void PaintGutterLine(GutterPainter& painter, const PixelRect& rect, int line);
  // The gutter's fill or its numbers' colour under the current scheme.
  Colour GutterColour(bool numbers) const;
  // TextViewEditing.cpp
  void TypeText(const std::string& text);
  void Backspace();
  void InsertNewLine();
  std::string IndentationOfCaretLine();
  void DeleteRange(int pos, int length);
  // TextViewEditing.cpp, also used by TextViewUndo.cpp: how many characters may take the
  // place of `replaced` ones under the length limit.
  long long RoomFor(int replaced) const;
  // TextViewWrap.cpp, added by its author
  int FitLine(int line, int start, int length, int& width);
  void ResetRecords(int first, int last);
  bool SoftBreakJoins(int start, int end, int nextEnd, int lineWidth);
  std::vector<int> TakeBookmarkPositions();
  void PlaceBookmarks(const std::vector<int>& positions);

  TextMeasurer& Measurer;
  ViewHost& Host;
  ViewClipboard& Clipboard;
  TextBuffer Buffer;
  RefPtr<LanguageDef> Language;
  RefPtr<ColorScheme> Scheme;

  // End states: lines [0, StatesValid) end in the states the buffer holds for them. Lines
  // from StatesScanned on were never scanned. Between the two, a line's stored state was
  // found from the stored state above it, unless an edit made it unknown (-1), which only
  // lines up to StatesDirtyThrough can be; so where a new scan meets a stored state again,
  // the lines below it hold until the next unknown one.
  ColourStateTable States;
  std::unique_ptr<StateScanner> Scanner;
  int StatesValid = 0;
  int StatesScanned = 0;
  int StatesDirtyThrough = -1;

  // Tokens of lines shown lately, each made from the start state it names.
  struct CachedTokens {
    int Line;
    int StartState;
    std::vector<TokenSpan> Tokens;
  };
  std::vector<CachedTokens> TokenCache;
  // The cached tokens of the lines an edit changed, taken out for comparing with new ones.
  std::vector<CachedTokens> ReplacedTokens;

  // Change bracketing: line count before the change, and where the text of the change begins
  // (line -1 when a whole-document pass made it).
  int LineCountBefore = 0;
  int LastVisibleBefore = 0;
  int ChangeLine = -1;
  int ChangeColumn = 0;
  // The last line the change's text reached before it, and the state it ended in (-1: not
  // known), for telling whether the lines below change colour.
  int ChangeLastLine = -1;
  int EndStateBefore = -1;

  UndoHistory History;
  bool Recording = true;
  bool Modified = false;
  bool ReadOnly = false;
  bool InsertMode = true;
  bool Utf8 = false;
  bool HighlightCaretLine = false;
  int HighlightedLine = -1;  // the display line painted as the caret's, -1: none
  int ZoomWheelDelta = 0;    // of a notch not yet complete

  FontMetrics MetricCache;
  bool MetricsValid = false;
  int TabWidth = 4;
  bool WordWrap = false;
  int WidestLine = 0;

  int AnchorPos = 0;
  int CaretPos = 0;
  int Top = 0;
  int OffsetX = 0;
  int ClientW = 0;
  int ClientH = 0;

  // Input state (TextViewKeys.cpp, TextViewMouse.cpp). PreferredX belongs to the caret
  // place PreferredCaret that the last vertical move left; a caret moved otherwise (a click,
  // a search, the owner) starts a new column.
  int PreferredX = -1;
  int PreferredCaret = -1;
  bool DragLock = false;

  // The caret's braces as painted, the caret they were found for (-1: to be found again)
  // and whether an edit holds them.
  BraceMatch Braces;
  int BracesCaret = -1;
  bool BracesHeld = false;

  // Gutter and painting settings.
  bool ShowLineNumbers = false;
  bool ShowBookmarkMargin = true;
  bool UseSystemSelectionColor = true;
  bool GreyWhenReadOnly = false;
  int GutterW = 0;
};
