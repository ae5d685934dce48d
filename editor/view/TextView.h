// The edit control's model: text and line table, editing and undo, word wrap, selection and
// scrolling. Portable; the window (or a test) supplies measuring, painting and the clipboard.
#pragma once

#include "common/RefCounted.h"
#include "editor/syntax/ColorScheme.h"
#include "editor/syntax/LanguageDef.h"
#include "editor/syntax/LineColouring.h"
#include "editor/view/LineRecord.h"
#include "editor/view/TextBuffer.h"
#include "editor/view/TextMeasurer.h"
#include "editor/view/UndoHistory.h"
#include "editor/view/ViewClipboard.h"
#include "editor/view/ViewHost.h"
#include "editor/view/ViewKeys.h"
#include "editor/view/ViewPainter.h"

#include <string>
#include <string_view>
#include <vector>

// Scroll modes of SetSelection and EnsureVisible.
enum ScrollMode { ScrollNone = 0, ScrollToCaret = 1, ScrollToSelection = 2, ScrollCentre = 3 };

// Line-break styles of GetText.
enum NewLineType { NewLineCrLf = 0, NewLineCr = 1, NewLineLf = 2 };


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
  // The line's characters, cached in its record.
  std::string LineText(int line);
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
  // Colouring of a line, computed on demand from the line above.
  RefPtr<LineColouring> ColouringOf(int line);
  // null: plain text. The view keeps its own reference, so a definition replaced elsewhere
  // lives on while the view colours with it.
  void SetLanguage(RefPtr<LanguageDef> language);
  const RefPtr<LanguageDef>& GetLanguage() const { return Language; }
  // null: the default scheme, shared by every view that was given none.
  void SetColorScheme(RefPtr<ColorScheme> scheme);
  const RefPtr<ColorScheme>& GetColorScheme() const { return Scheme; }

  int MaxLength = 0;  // 0 = no limit

  // --- Editing and undo ---------------------------------------------------------------
  // A character message: the typed-character rules (auto indent, tabs, overwrite, Backspace).
  void TypeChar(int ch);
  // The Delete key without modifiers.
  void DeleteKey();
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

protected:
  // The factory of line records; a derived view may attach more per-line data.
  virtual LineRecord* CreateLineRecord();

private:
  // TextViewChange.cpp
  void BeforeChange(int pos);
  void AfterChange(int selStart, int selEnd, int firstLine, int lastLine, int inserted, int removedCount,
                   int scrollMode);
  void PropagateColouring(int firstLine, int lastLine, int lineDelta);
  void ShiftUnchecked(int firstLine, int lastLine, int lineDelta);
  void MarkUnchecked(int line);
  void UpdateWidestLine(int firstLine, int lastLine, int lineDelta);
  void RepaintChangedLines();
  void ClearBookmarksAfterReplacingAll();
  // TextViewUndo.cpp
  void PushUndo(UndoRecord record);
  void Replay(bool undo);
  // TextView.cpp
  void MeasureLines(int first, int last);
  void InvalidateAllWidths();
  int WidestWidth();
  bool HasValidColouring(int line) const;
  RefPtr<LineColouring> ColourThrough(int line);
  void CheckStartStates(int line);
  void ClearUnchecked();
  void RecolourAll();
  // TextViewSelection.cpp
  void ScrollHorizontallyToSelection();
  // TextViewKeys.cpp, TextViewMouse.cpp, TextViewNavigation.cpp, TextViewBookmarks.cpp
  // (input helpers)
  // The column of a line that line pixel x falls on: the first character reaching past x.
  int ColumnFromX(int line, int x);
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
  int MeasureLine(int line);
  const std::vector<int>& ChunkStartsOf(int line);
  int ColumnX(int line, const char* text, int column);
  int FirstVisibleColumn(int line, const char* text, int length, int x, int& columnX);
  // Painting one line, the colours it uses, and the gutter's cells.
  void PaintLine(ViewPainter& painter, int line, int left, int right);
  void SelectionColours(Colour& text, Colour& back);
  void PaintGutterLine(GutterPainter& painter, const PixelRect& rect, int line);
  // TextViewEditing.cpp
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
  // Lines from UncheckedFrom on may hold colourings made from a start state that an edit
  // above has since changed; each run of such lines begins no later than UncheckedThrough.
  // UncheckedFrom is the line count when there are none (a new view has one line).
  int UncheckedFrom = 1;
  int UncheckedThrough = 0;

  // Change bracketing: line count and visible colourings before the change.
  int LineCountBefore = 0;
  std::vector<RefPtr<LineColouring>> Snapshot;

  UndoHistory History;
  bool Recording = true;
  bool Modified = false;
  bool ReadOnly = false;
  bool InsertMode = true;

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

  // Gutter and painting settings.
  bool ShowLineNumbers = false;
  bool ShowBookmarkMargin = true;
  bool UseSystemSelectionColor = true;
  bool GreyWhenReadOnly = false;
  int GutterW = 0;
};
