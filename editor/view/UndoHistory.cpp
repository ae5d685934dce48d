// The undo and redo lists: the limit, the clean point and the order of records.
#include "editor/view/UndoHistory.h"

#include <utility>

void UndoHistory::Push(UndoRecord record) {
  if (Limit == 0) {
    UndoList.clear();
    RedoList.clear();
    CleanIndex = NoCleanPoint;
    return;
  }
  DropRedo();
  if (Limit != NoLimit && UndoList.size() >= Limit) DropOldest(UndoList.size() - Limit + 1);
  UndoList.push_back(std::move(record));
}

void UndoHistory::Clear() {
  UndoList.clear();
  RedoList.clear();
  CleanIndex = 0;
}

void UndoHistory::SetLimit(unsigned limit) {
  Limit = limit;
  if (limit == 0) DropRedo();
  if (limit != NoLimit && UndoList.size() > limit) DropOldest(UndoList.size() - limit);
}

// The clean point counts records from the oldest one, so it moves down with them; when it
// lay among the dropped ones the unsigned subtraction puts it out of reach.
void UndoHistory::DropOldest(std::size_t count) {
  UndoList.erase(UndoList.begin(), UndoList.begin() + static_cast<std::ptrdiff_t>(count));
  CleanIndex -= static_cast<unsigned>(count);
}

// The saved state may lie ahead in the redo list; once that list goes it cannot come back.
void UndoHistory::DropRedo() {
  if (CleanIndex > UndoList.size()) CleanIndex = NoCleanPoint;
  RedoList.clear();
}
