// What the view asks of the window that shows it: repainting, scrolling, the caret, scroll
// bars, notifications and a few platform states. The portable view never paints itself.
#pragma once

#include "editor/syntax/ColorScheme.h"

// Notifications to the parent window.
constexpr int TVN_TEXTCHANGED = 1;  // the text or the modified state changed
constexpr int TVN_SELCHANGED = 2;   // the caret or the selection moved
constexpr int TVN_ZOOMIN = 3;       // Ctrl+wheel: one notch away from the user
constexpr int TVN_ZOOMOUT = 4;      // and one towards

struct ScrollBarState {
  int Max = 0;   // range is 0 to Max
  int Page = 0;
  int Position = 0;
};

class ViewHost {
public:
  virtual ~ViewHost() = default;

  // Repaint the strip top..top+height of the text area from x = left to its right edge.
  virtual void InvalidateStrip(int top, int height, int left) = 0;
  // Repaint a part of one line's strip: [left, right) pixels.
  virtual void InvalidateRect(int top, int height, int left, int right) = 0;
  virtual void InvalidateAll() = 0;
  virtual void RepaintGutter() = 0;
  // Move the text area's contents by (dx, dy) pixels; what is uncovered gets repainted.
  virtual void ScrollText(int dx, int dy) = 0;
  virtual void SetVerticalScrollBar(const ScrollBarState& state) = 0;
  virtual void SetHorizontalScrollBar(const ScrollBarState& state) = 0;
  // Creates (again) the caret at its width when the view has the focus, and shows it.
  virtual void RecreateCaret() = 0;
  virtual void DestroyCaret() = 0;
  virtual void MoveCaret(int x, int y) = 0;
  // The gutter's width changed: the window recomputes its non-client area (which sets the
  // client size anew) before the view rewraps and repaints.
  virtual void GutterWidthChanged() = 0;
  virtual void TakeFocus() = 0;
  virtual void StartDragTimer() = 0;
  virtual void StopDragTimer() = 0;
  // Lines are left whose colouring states are unknown: call the view's ScanAhead in idle
  // time until it returns false.
  virtual void ScheduleScan() = 0;
  virtual void Notify(int code) = 0;
  virtual void Beep() = 0;
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;

  virtual bool HasFocus() = 0;
  virtual bool IsEnabled() = 0;
  // The physical state of a key (virtual-key code) right now.
  virtual bool IsKeyDown(int virtualKey) = 0;
  // A system colour by its SystemColour... index.
  virtual Colour SystemColour(int index) = 0;
};
