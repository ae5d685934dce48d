// What the view asks of its window, done with Win32 calls: invalidation, scrolling, the caret,
// scroll bars, the drag timer, notifications to the parent and the gutter in the frame.
// Before the window exists (and after it is gone) every request does nothing.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/view/ViewHost.h"
#include "editor/view/ViewPainter.h"

class TextView;
class GdiMeasurer;

class ViewWindowHost : public ViewHost {
public:
  // The view whose caret and gutter the host shows, and the measurer that holds its font.
  void Attach(TextView& view, GdiMeasurer& measurer);
  // The window that now shows the view (null: none any more).
  void Bind(HWND window);
  void SetControlId(int id) { ControlId = id; }
  // Whether the window shows the bar (SB_HORZ or SB_VERT); a hidden bar is left alone.
  void SetScrollBarShown(int bar, bool shown);
  bool ScrollBarShown(int bar) const { return bar == SB_VERT ? VerticalShown : HorizontalShown; }
  // Paints the gutter onto the window's own device context (window coordinates).
  void PaintGutter(HDC windowContext);
  // The drag timer's id, and that of the timer that finds colouring states in idle time
  // (timer messages come only when no other message waits).
  static constexpr UINT_PTR DragTimerId = 1;
  static constexpr UINT_PTR ScanTimerId = 2;

  void InvalidateStrip(int top, int height, int left) override;
  void InvalidateRect(int top, int height, int left, int right) override;
  void InvalidateAll() override;
  void RepaintGutter() override;
  void ScrollText(int dx, int dy) override;
  void SetVerticalScrollBar(const ScrollBarState& state) override;
  void SetHorizontalScrollBar(const ScrollBarState& state) override;
  void RecreateCaret() override;
  void DestroyCaret() override;
  void MoveCaret(int x, int y) override;
  void GutterWidthChanged() override;
  void TakeFocus() override;
  void StartDragTimer() override;
  void StopDragTimer() override;
  void ScheduleScan() override;
  void Notify(int code) override;
  void Beep() override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  bool HasFocus() override;
  bool IsEnabled() override;
  bool IsKeyDown(int virtualKey) override;
  Colour SystemColour(int index) override;

private:
  GutterFrame Frame() const;
  void SetScrollBar(int bar, const ScrollBarState& state, ScrollBarState& last, bool& known);

  TextView* View = nullptr;
  GdiMeasurer* Measurer = nullptr;
  HWND Handle = nullptr;
  int ControlId = 0;
  bool VerticalShown = false;
  bool HorizontalShown = false;
  bool OwnsCaret = false;
  // What each bar was last set to: an unchanged bar is not set (and redrawn) again.
  ScrollBarState LastVertical;
  ScrollBarState LastHorizontal;
  bool VerticalKnown = false;
  bool HorizontalKnown = false;
  int WaitDepth = 0;
  HCURSOR CursorBeforeWait = nullptr;
};
