// The document string with its table of display lines and their per-line data.
#pragma once

#include "editor/view/SplitVector.h"
#include "editor/view/StepVector.h"

#include <string>
#include <vector>

class LineRecord;

// A hard line as display lines: [Start, End) is its text with soft breaks, End is before
// its LF or at the document end, LastLine its last display line.
struct HardLineSpanResult {
  int Start;
  int End;
  int LastLine;
};

// The document is one string of single-byte characters without NUL. LF is a hard line
// break, CR a soft one (word wrap); a display line runs between breaks of either kind, so
// there is always one line more than breaks. Every display line has a start, a hard line
// number (the LFs before it), a width and a record; starts and hard numbers of later lines
// are shifted lazily by an edit, so a keystroke costs nothing in proportion to the document.
// Positions are clamped to [0, Length()] and lines of queries to the table; the per-line
// data of a line outside the table reads as unmeasured and without record, and setting it
// does nothing (a record handed for it is released).
class TextBuffer {
public:
  TextBuffer();
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;
  ~TextBuffer();

  int Length() const { return Chars.Length(); }
  char CharAt(int pos) const;  // 0 outside [0, Length())
  std::string Substring(int pos, int length) const;

  // Both keep the per-line arrays in step: the line where the change starts is reset but
  // keeps its entry; lines whose breaks are deleted lose theirs (and their records); each
  // inserted break adds an unmeasured entry without a record.
  void Insert(int pos, const std::string& text);
  void Delete(int pos, int length);

  int LineCount() const { return Starts.Length(); }
  int LineStart(int line) const;
  int LineLength(int line) const;  // without its break
  int LineEnd(int line) const;
  int LineFromPosition(int pos) const;  // a position at a break belongs to the line before it
  bool EndsWithSoftBreak(int line) const;

  int HardLineOfLine(int line) const;
  int LineOfHardLine(int hard) const;  // its first display line; hard is clamped to the last
  HardLineSpanResult HardLineSpan(int line) const;
  int HardLineCount() const;

  int CountBreaks(int pos, int length) const;  // CR and LF in [pos, pos + length)
  bool HasSoftBreaks() const;                  // unwrapped and wrapped positions differ
  int SoftBreaksBefore(int pos) const;         // CR in [0, pos)
  int UnwrappedPosition(int pos) const;        // pos without the soft breaks before it
  int UnwrappedLineStart(int line) const;      // the same for a line's start, without a search
  // The last position p with UnwrappedPosition(p) == unwrapped, so a character that a soft
  // break follows maps behind the break.
  int WrappedPosition(int unwrapped) const;

  // Without soft breaks; style 0 writes LF as CR LF, style 1 as CR, any other as LF.
  std::string GetText(int style) const;
  std::string Text() const;  // the raw string, soft breaks included

  int Width(int line) const;  // -1 = not measured
  void SetWidth(int line, int width);
  LineRecord* Record(int line) const;  // null until one is set
  void SetRecord(int line, LineRecord* record);  // takes a reference, releases the old one
  // The line's text changed from column on: width unmeasured, end state unknown, record
  // reset from that column.
  void ResetLine(int line, int column);
  // The colouring state at the end of each line, as an id of the view's state table; -1 =
  // unknown (new or changed lines).
  int EndState(int line) const;
  void SetEndState(int line, int state);
  void ForgetEndStates(int first, int last);
  // The first line in [from, to) whose end state is unknown, or to.
  int FirstUnknownEndState(int from, int to);

private:
  int ClampLine(int line) const;
  int ClampPosition(int pos) const;
  void InsertLines(int line, int pos, const std::string& text);
  void DeleteLines(int line, int count);

  SplitVector<char> Chars;
  StepVector Starts;     // first position of each display line
  StepVector HardLines;  // LFs before each display line
  SplitVector<int> Widths;
  SplitVector<int> EndStates;
  // The few lines that have a record, in line order: most lines have none, so the table
  // costs nothing per line; an edit moves the line numbers of those below it.
  struct RecordEntry {
    int Line;
    LineRecord* Record;
  };
  std::vector<RecordEntry> Records;
  std::vector<RecordEntry>::iterator RecordAt(int line);
  std::vector<RecordEntry>::const_iterator RecordAt(int line) const;
  void ShiftRecords(int from, int delta);

  // --- TextBufferBulk.cpp: whole-document passes and direct access for the wrap pass ---
public:
  // The characters [pos, pos + length) as one contiguous run, valid until the next edit.
  // Moves the gap out of the range, which costs little when the range lies next to it.
  const char* RangePointer(int pos, int length);
  // Deletes every soft break in one pass and returns how many there were. Each hard line
  // keeps the entry (and record) of its first display line; a hard line that was wrapped
  // becomes unmeasured, one that was not keeps its width.
  int RemoveSoftBreaks();

private:
  void RemoveCarriageReturns(int count);
  void KeepFirstLineOfEachHardLine();
  void RebuildHardLineStarts();
};
