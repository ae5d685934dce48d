// The view's requests turned into Win32 calls on its window.
#include "editor/view/win32/ViewWindowHost.h"

#include "editor/view/TextView.h"
#include "editor/view/win32/GdiMeasurer.h"
#include "editor/view/win32/GdiPainter.h"

void ViewWindowHost::Attach(TextView& view, GdiMeasurer& measurer) {
  View = &view;
  Measurer = &measurer;
}

void ViewWindowHost::Bind(HWND window) {
  Handle = window;
  OwnsCaret = false;
  WaitDepth = 0;
  VerticalKnown = HorizontalKnown = false;
}

void ViewWindowHost::SetScrollBarShown(int bar, bool shown) {
  if (bar == SB_VERT) {
    VerticalShown = shown;
    VerticalKnown = false;
  } else {
    HorizontalShown = shown;
    HorizontalKnown = false;
  }
}

void ViewWindowHost::InvalidateStrip(int top, int height, int left) {
  if (!Handle) return;
  RECT client;
  GetClientRect(Handle, &client);
  const RECT strip{left, top, client.right, top + height};
  ::InvalidateRect(Handle, &strip, TRUE);
}

void ViewWindowHost::InvalidateRect(int top, int height, int left, int right) {
  if (!Handle) return;
  const RECT part{left, top, right, top + height};
  ::InvalidateRect(Handle, &part, TRUE);
}

void ViewWindowHost::InvalidateAll() {
  if (Handle) ::InvalidateRect(Handle, nullptr, TRUE);
}

// Painted here and now rather than through WM_NCPAINT, whose default handling redraws the
// whole frame and scroll bars first: the gutter changes on every scrolled line.
void ViewWindowHost::RepaintGutter() {
  if (!Handle || !View || View->GutterWidth() <= 0 || !IsWindowVisible(Handle)) return;
  HDC context = GetDCEx(Handle, nullptr, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!context) return;
  PaintGutter(context);
  ReleaseDC(Handle, context);
}

// The numbers of a partly visible last line would run on into the frame below the gutter:
// the drawing stays inside the gutter's rectangle.
void ViewWindowHost::PaintGutter(HDC windowContext) {
  if (!View || View->GutterWidth() <= 0) return;
  const GutterFrame frame = Frame();
  const PixelRect rect = View->GutterRect(frame);
  const int saved = SaveDC(windowContext);
  IntersectClipRect(windowContext, rect.Left, rect.Top, rect.Right, rect.Bottom);
  SelectObject(windowContext, Measurer->Font());
  {
    GdiGutterPainter painter(windowContext);
    View->PaintGutter(painter, frame);
  }
  RestoreDC(windowContext, saved);
}

// The edges are measured rather than assumed, so a view without a client edge (or with a
// thin border) gets its gutter in the right place. The horizontal bar's height counts only
// while that bar is shown: the gutter then covers the strip beside it, never the frame.
GutterFrame ViewWindowHost::Frame() const {
  RECT window;
  GetWindowRect(Handle, &window);
  POINT origin{0, 0};
  ClientToScreen(Handle, &origin);
  GutterFrame frame;
  frame.EdgeWidth = origin.x - window.left - View->GutterWidth();
  frame.EdgeHeight = origin.y - window.top;
  frame.ScrollBarHeight = HorizontalShown ? GetSystemMetrics(SM_CYHSCROLL) : 0;
  frame.VerticalScrollBar = VerticalShown;
  return frame;
}

void ViewWindowHost::ScrollText(int dx, int dy) {
  if (Handle) ScrollWindowEx(Handle, dx, dy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
}

void ViewWindowHost::SetVerticalScrollBar(const ScrollBarState& state) {
  if (VerticalShown) SetScrollBar(SB_VERT, state, LastVertical, VerticalKnown);
}

void ViewWindowHost::SetHorizontalScrollBar(const ScrollBarState& state) {
  if (HorizontalShown) SetScrollBar(SB_HORZ, state, LastHorizontal, HorizontalKnown);
}

namespace {

// What the user sees of a bar: its thumb and the states of its parts.
bool LooksTheSame(const SCROLLBARINFO& a, const SCROLLBARINFO& b) {
  if (a.xyThumbTop != b.xyThumbTop || a.xyThumbBottom != b.xyThumbBottom) return false;
  for (int part = 0; part <= CCHILDREN_SCROLLBAR; ++part)
    if (a.rgstate[part] != b.rgstate[part]) return false;
  return true;
}

SCROLLBARINFO LookOf(HWND window, int bar) {
  SCROLLBARINFO look{};
  look.cbSize = sizeof look;
  if (!GetScrollBarInfo(window, bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &look)) look.xyThumbTop = -1;
  return look;
}

}  // namespace

// Drawing a bar costs more than painting a page of text under Wine, and on a long document
// a page step moves the thumb by less than a pixel: the bar is redrawn only when it looks
// different.
void ViewWindowHost::SetScrollBar(int bar, const ScrollBarState& state, ScrollBarState& last, bool& known) {
  if (!Handle) return;
  if (known && last.Max == state.Max && last.Page == state.Page && last.Position == state.Position) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  info.nMin = 0;
  info.nMax = state.Max;
  info.nPage = static_cast<UINT>(state.Page > 0 ? state.Page : 0);
  info.nPos = state.Position;
  const SCROLLBARINFO before = LookOf(Handle, bar);
  SetScrollInfo(Handle, bar, &info, FALSE);
  if (!known || !LooksTheSame(before, LookOf(Handle, bar))) SetScrollInfo(Handle, bar, &info, TRUE);
  last = state;
  known = true;
}

void ViewWindowHost::RecreateCaret() {
  if (!Handle || !View || !HasFocus()) return;
  OwnsCaret = CreateCaret(Handle, nullptr, View->CaretWidth(), View->Metrics().LineHeight) != FALSE;
  if (!OwnsCaret) return;
  int x = 0, y = 0;
  View->PointFromPosition(View->Caret(), x, y);
  SetCaretPos(x, y);
  ShowCaret(Handle);
}

void ViewWindowHost::DestroyCaret() {
  if (!OwnsCaret) return;
  ::DestroyCaret();
  OwnsCaret = false;
}

void ViewWindowHost::MoveCaret(int x, int y) {
  if (OwnsCaret) SetCaretPos(x, y);
}

// The frame change makes the system send WM_NCCALCSIZE and WM_SIZE, so the view learns its
// new client width before it rewraps.
void ViewWindowHost::GutterWidthChanged() {
  if (!Handle) return;
  SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void ViewWindowHost::TakeFocus() {
  if (Handle) SetFocus(Handle);
}

void ViewWindowHost::StartDragTimer() {
  if (Handle) SetTimer(Handle, DragTimerId, 100, nullptr);
}

void ViewWindowHost::StopDragTimer() {
  if (Handle) KillTimer(Handle, DragTimerId);
}

void ViewWindowHost::ScheduleScan() {
  if (Handle) SetTimer(Handle, ScanTimerId, USER_TIMER_MINIMUM, nullptr);
}

void ViewWindowHost::Notify(int code) {
  if (!Handle) return;
  HWND parent = GetParent(Handle);
  if (!parent) return;
  const WPARAM what = MAKEWPARAM(static_cast<WORD>(ControlId), static_cast<WORD>(code));
  SendMessageA(parent, WM_COMMAND, what, reinterpret_cast<LPARAM>(Handle));
}

void ViewWindowHost::Beep() {
  if (Handle) MessageBeep(MB_OK);
}

void ViewWindowHost::BeginWaitCursor() {
  if (!Handle) return;
  HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  if (WaitDepth++ == 0) CursorBeforeWait = previous;
}

void ViewWindowHost::EndWaitCursor() {
  if (!Handle || WaitDepth == 0) return;
  if (--WaitDepth == 0) SetCursor(CursorBeforeWait);
}

bool ViewWindowHost::HasFocus() {
  return Handle && GetFocus() == Handle;
}

bool ViewWindowHost::IsEnabled() {
  return !Handle || IsWindowEnabled(Handle);
}

// A key is asked about while its message is handled: the state that goes with that message
// (GetKeyState) still holds when the user has typed ahead and has let go of the key since,
// which the physical state would not. The primary button is asked about from the drag timer,
// which no input message goes with: its physical state, the right button when the user
// swapped them.
bool ViewWindowHost::IsKeyDown(int virtualKey) {
  if (virtualKey != VK_LBUTTON) return GetKeyState(virtualKey) < 0;
  return (GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
}

Colour ViewWindowHost::SystemColour(int index) {
  return GetSysColor(index);
}
