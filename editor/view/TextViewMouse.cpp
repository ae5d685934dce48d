// The mouse rules of the view: clicks, double clicks, dragging and its automatic scrolling,
// the wheel and the scroll bars.
#include "editor/view/TextView.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

// A press starts a new drag: plain and Shift clicks extend while the button is held; a
// Ctrl+click (a word) and the combinations that do nothing set the drag lock, so that
// moving afterwards changes nothing either. The mouse is not captured: the drag timer
// watches the button while the cursor is outside.
void TextView::MouseDown(int x, int y, int keys) {
  Host.TakeFocus();
  const int q = PositionFromPoint(x, y);
  DragLock = true;
  if (keys == (MouseLeft | MouseCtrl)) {
    SelectWordAt(q);
  } else if (keys == (MouseLeft | MouseShift) || keys == MouseLeft) {
    MoveCaretTo(q, keys != MouseLeft);
    DragLock = false;
  }
  Host.StartDragTimer();
}

void TextView::MouseDoubleClick(int x, int y) {
  SelectWordAt(PositionFromPoint(x, y));
  DragLock = true;
}

void TextView::MouseUp() {
  DragLock = false;
  Host.StopDragTimer();
}

void TextView::MouseMove(int x, int y, int keys) {
  if ((keys & MouseLeft) && !DragLock) MoveCaretTo(PositionFromPoint(x, y), true);
}

// Outside the text the caret follows the cursor beyond the edge, and keeping it visible
// scrolls the text a step each tick. A point just above the window means the line above
// the top one, which the truncating division of PositionFromPoint would not give.
bool TextView::DragTimerTick(bool leftButtonDown, int x, int y) {
  if (!leftButtonDown) return false;
  const bool outside = x < 0 || x >= ClientW || y < 0 || y >= ClientH;
  if (!outside || DragLock) return true;
  if (y < 0) y = std::min(y, -Metrics().LineHeight);
  MoveCaretTo(PositionFromPoint(x, y), true);
  return true;
}

// Lines per notch times notches, rounded to the nearest line with halves away from zero;
// the caret stays where it is.
void TextView::Wheel(int delta, unsigned linesPerNotch) {
  const long long lines =
      linesPerNotch == WheelScrollsPage ? LastVisibleLine(true) + 1 - Top : static_cast<long long>(linesPerNotch);
  const long long product = static_cast<long long>(delta) * lines;
  long long n = (std::llabs(product) * 2 + 120) / 240;
  if (product < 0) n = -n;
  const long long target = std::min<long long>(std::max<long long>(Top - n, INT_MIN), INT_MAX);
  SetTopLine(static_cast<int>(target));
}

void TextView::ZoomWheel(int delta) {
  constexpr int Notch = 120;
  // A turn back drops what was collected the other way.
  if ((delta > 0) != (ZoomWheelDelta > 0)) ZoomWheelDelta = 0;
  ZoomWheelDelta += delta;
  for (; ZoomWheelDelta >= Notch; ZoomWheelDelta -= Notch) Host.Notify(TVN_ZOOMIN);
  for (; ZoomWheelDelta <= -Notch; ZoomWheelDelta += Notch) Host.Notify(TVN_ZOOMOUT);
}

void TextView::VerticalScroll(int code, int thumb) {
  switch (code) {
  case ScrollLineUp: SetTopLine(Top - 1); break;
  case ScrollLineDown: SetTopLine(Top + 1); break;
  case ScrollPageUp: SetTopLine(2 * Top - LastVisibleLine(true) - 1); break;
  case ScrollPageDown: SetTopLine(LastVisibleLine(true) + 1); break;
  case ScrollThumbPosition:
  case ScrollThumbTrack: SetTopLine(thumb); break;
  default: break;
  }
}

void TextView::HorizontalScroll(int code, int thumb) {
  switch (code) {
  case ScrollLineUp: SetScrollX(OffsetX - Metrics().AverageCharWidth); break;
  case ScrollLineDown: SetScrollX(OffsetX + Metrics().AverageCharWidth); break;
  case ScrollPageUp: SetScrollX(OffsetX - ClientW); break;
  case ScrollPageDown: SetScrollX(OffsetX + ClientW); break;
  case ScrollThumbPosition:
  case ScrollThumbTrack: SetScrollX(thumb); break;
  default: break;
  }
}
