// The undo and redo lists of the view, their size limit and the clean point.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

// Where the view stood: its selection and scroll position, with positions unwrapped and the
// top line given by the unwrapped position of its start, so that they hold when word wrap
// moves the breaks.
struct ViewPlace {
  int Anchor = 0;
  int Caret = 0;
  int TopStart = 0;
  int ScrollX = 0;  // pixels
};

// One change as ReplaceText made it. Position is unwrapped (soft breaks not counted), so a
// record stays valid when word wrap moves the breaks. Undo brings back the place before the
// change, redo the place after it.
struct UndoRecord {
  std::string Inserted;
  std::string Removed;  // without soft breaks
  int Position = 0;
  ViewPlace Before{};
  ViewPlace After{};
};

class UndoHistory {
public:
  static constexpr unsigned NoLimit = 4294967295u;
  // CleanIndex when no state in the lists equals the saved document any more.
  static constexpr unsigned NoCleanPoint = 4294967295u;

  // Appends a record under the limit and empties the redo list; the oldest records go first,
  // and the clean point moves down with them. A clean point that lay in the emptied redo
  // list, or any clean point under limit 0, can no longer be reached.
  void Push(UndoRecord record);
  // Both lists emptied; the current state becomes the clean point.
  void Clear();
  // Limit 0 keeps nothing. A lower limit drops the oldest undo records at once, like Push.
  void SetLimit(unsigned limit);

  unsigned Limit = 5000;
  // Size of the undo list when the document was last marked as not modified.
  unsigned CleanIndex = 0;
  std::deque<UndoRecord> UndoList;  // oldest first
  std::deque<UndoRecord> RedoList;  // oldest first

private:
  void DropOldest(std::size_t count);
  void DropRedo();
};
