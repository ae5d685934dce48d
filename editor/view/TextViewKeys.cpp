// The keyboard rules of the view: the key table, the scroll bars after a held arrow key, the
// dialog codes, focus and where the context menu opens.
#include "editor/view/TextView.h"

namespace {

// Pressing a modifier on its way to a chord keeps the column that Up and Down aim at.
bool IsModifierKey(int key) {
  return key == KeyShift || key == KeyControl || key == KeyAlt;
}

}  // namespace

bool TextView::KeyDown(int key, int modifiers) {
  if (key != ::KeyUp && key != ::KeyDown && key != KeyEscape && !IsModifierKey(key)) PreferredX = -1;
  switch (key) {
  case ::KeyUp:
  case ::KeyDown:
    VerticalKeyHeld = true;
    return VerticalKey(key == ::KeyDown ? 1 : -1, modifiers);
  case KeyPageUp:
  case KeyPageDown:
    return PageKey(key == KeyPageDown ? 1 : -1, modifiers);
  case KeyLeft:
  case KeyRight:
    HorizontalKeyHeld = true;
    return LineKey(key, modifiers);
  case KeyHome:
  case KeyEnd:
    return LineKey(key, modifiers);
  case KeyEscape:
    if (modifiers != 0) return false;
    MoveCaretTo(CaretPos, false);
    return true;
  default:
    return CommandKey(key, modifiers);
  }
}

void TextView::MoveCaretTo(int pos, bool extend) {
  SetSelection(extend ? AnchorPos : pos, pos, ScrollToCaret);
}

// One display line up or down, aiming at the pixel column where the run of vertical moves
// began; with Ctrl the text scrolls along.
bool TextView::VerticalKey(int direction, int modifiers) {
  if (modifiers & ModAlt) return false;
  const bool extend = (modifiers & ModShift) != 0;
  const int target = LineFromPosition(CaretPos) + direction;
  if (!extend && (target < 0 || target >= LineCount())) {
    if (modifiers == 0) MoveCaretTo(CaretPos, false);
    return true;
  }
  if (PreferredX == -1 || CaretPos != PreferredCaret) PreferredX = PointX(CaretPos);
  MoveCaretTo(PositionFromPoint(PreferredX - OffsetX, (target - Top) * Metrics().LineHeight), extend);
  PreferredCaret = CaretPos;
  if (modifiers & ModCtrl) SetTopLine(Top + direction);
  return true;
}

// A window's height up or down from the caret's point, nudged half a character right so
// that the caret keeps its column; the text scrolls by a page.
bool TextView::PageKey(int direction, int modifiers) {
  if (modifiers != 0 && modifiers != ModShift) return false;
  const int line = LineFromPosition(CaretPos);
  if (direction < 0 ? line <= 0 : line >= LineCount() - 1) return true;
  int x = 0, y = 0;
  PointFromPosition(CaretPos, x, y);
  const int average = Metrics().AverageCharWidth;
  x += direction < 0 ? average / 2 : (average + 1) / 2;
  y += direction * ClientH;
  const int q = PositionFromPoint(x, y);
  if (direction < 0) SetTopLine(2 * Top - LastVisibleLine(true) - 1);
  else SetTopLine(LastVisibleLine(true) + 1);
  MoveCaretTo(q, modifiers == ModShift);
  return true;
}

// Home, End, Left and Right: Ctrl widens a line end to the document's and a character to
// a word; Shift extends.
bool TextView::LineKey(int key, int modifiers) {
  if (modifiers & ModAlt) return false;
  const bool extend = (modifiers & ModShift) != 0;
  const bool ctrl = (modifiers & ModCtrl) != 0;
  const int line = LineFromPosition(CaretPos);
  int q = CaretPos;
  switch (key) {
  case KeyHome: q = ctrl ? 0 : LineStart(line); break;
  case KeyEnd: q = ctrl ? Length() : LineStart(line) + LineLength(line); break;
  case KeyLeft: q = ctrl ? WordStepLeft(CaretPos) : PreviousCharPos(CaretPos); break;
  default: q = ctrl ? WordStepRight(CaretPos) : NextCharPos(CaretPos); break;
  }
  MoveCaretTo(q, extend);
  return true;
}

// Insert, Delete and the Ctrl letters. The editing operations themselves refuse to change a
// read-only view, so their keys do nothing there while Copy still works.
bool TextView::CommandKey(int key, int modifiers) {
  if (key == KeyInsert) {
    if (modifiers == 0) SetInsertMode(!InsertMode);
    else if (modifiers == ModShift) Paste();
    else if (modifiers == ModCtrl) Copy();
    else return false;
    return true;
  }
  if (key == KeyDelete) {
    if (modifiers == 0) DeleteKey();
    else if (modifiers == ModShift) Cut();
    else if (modifiers == ModCtrl) DeleteWordAfter();
    else return false;
    return true;
  }
  // Ctrl+Backspace types no character (its DEL code is refused), so it is handled here.
  if (key == KeyBackspace && modifiers == ModCtrl) {
    DeleteWordBefore();
    return true;
  }
  if (modifiers != ModCtrl) return false;
  switch (key) {
  case 'A': SelectAll(); return true;
  case 'C': Copy(); return true;
  case 'V': Paste(); return true;
  case 'X': Cut(); return true;
  case 'Z': Undo(); return true;
  case 'Y': Redo(); return true;
  default: return false;
  }
}

// While an arrow key repeats, the scroll bars were left alone; now they catch up.
void TextView::KeyUp(int key) {
  if ((key == ::KeyUp || key == ::KeyDown) && VerticalKeyHeld) {
    VerticalKeyHeld = false;
    RefreshScrollBars();
  } else if ((key == KeyLeft || key == KeyRight) && HorizontalKeyHeld) {
    HorizontalKeyHeld = false;
    RefreshScrollBars();
  }
}

void TextView::ReleaseHeldKeys() {
  if (!VerticalKeyHeld && !HorizontalKeyHeld) return;
  VerticalKeyHeld = false;
  HorizontalKeyHeld = false;
  RefreshScrollBars();
}

// Escape with nothing selected belongs to the dialog around the view; a read-only view
// leaves Tab and Enter to it as well.
int TextView::DialogCode(bool escapeHeld) const {
  if (escapeHeld && !HasSelection()) return 0;
  return ReadOnly ? DialogWantArrows | DialogWantChars : DialogWantAllKeys | DialogWantChars;
}

// The selection's colours depend on the focus.
void TextView::FocusChanged(bool gained) {
  if (gained) {
    Host.RecreateCaret();
  } else {
    Host.DestroyCaret();
    ReleaseHeldKeys();
  }
  if (HasSelection()) InvalidateRange(SelectionStart(), SelectionEnd());
}

// From the keyboard the menu opens below the caret; a click without a selection first puts
// the caret where the click was, so the menu's commands act there.
void TextView::ContextMenuPoint(bool fromKeyboard, int x, int y, int& menuX, int& menuY) {
  if (fromKeyboard) {
    PointFromPosition(CaretPos, menuX, menuY);
    menuY += Metrics().LineHeight;
    return;
  }
  if (!HasSelection()) {
    MoveCaretTo(PositionFromPoint(x, y), false);
  }
  menuX = x;
  menuY = y;
}
