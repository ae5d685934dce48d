// Mouse, wheel and scroll-bar messages sent to a real view window, and the scroll bars
// they leave behind.
#include "tests/view/win32/ViewWindowFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Lines start at 0, 11 and 28.
const char Sample[] = "alpha beta\nfoo_bar2 = x+=y;\nthird";

ViewWindowOptions WithScrollBars() {
  ViewWindowOptions options;
  options.Style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
  return options;
}

struct MouseView : ViewWindowFixture {
  explicit MouseView(const std::string& text) : ViewWindowFixture(WithScrollBars()) {
    UseFixedFont();
    View.SetText(text);
    View.SetSelection(0, 0, ScrollToCaret);
    Notifications.clear();
  }
  // Client coordinates inside column col of display line line: the right half of the
  // character, which still places the caret before it.
  int X(int col) { return col * CharWidth() + CharWidth() * 3 / 4; }
  int Y(int line) { return line * LineHeight() + LineHeight() / 2; }
  void Click(int col, int line, WPARAM keys = MK_LBUTTON) {
    Mouse(WM_LBUTTONDOWN, X(col), Y(line), keys);
    Mouse(WM_LBUTTONUP, X(col), Y(line), keys & ~static_cast<WPARAM>(MK_LBUTTON));
  }
};

std::string Lines(int count, const std::string& stem) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? "\n" : "") + stem + std::to_string(i);
  return text;
}

// (delta * lines) / 120, rounded to the nearest with halves away from zero.
int WheelLines(int delta, int lines) {
  const int twice = 2 * delta * lines / 120;
  return twice / 2 + twice % 2;
}

}  // namespace

TEST(MouseWinTest, ClickPlacesTheCaretAtTheColumnAndTakesTheFocus) {
  MouseView v(Sample);
  SetFocus(v.Top());
  v.Click(4, 1);
  EXPECT_EQ(GetFocus(), v.Window());
  EXPECT_EQ(v.View.Anchor(), 15);
  EXPECT_EQ(v.View.Caret(), 15);
  ASSERT_FALSE(v.Notifications.empty());
  EXPECT_EQ(v.Notifications.back().Code, TVN_SELCHANGED);
  // Beyond the end of a line: its end; below the last line: the document's end.
  v.Click(40, 0);
  EXPECT_EQ(v.View.Caret(), 10);
  v.Click(2, 9);
  EXPECT_EQ(v.View.Caret(), v.View.Length());
}

TEST(MouseWinTest, ShiftClickExtendsAndOtherButtonsChangeNothing) {
  MouseView v(Sample);
  v.Click(4, 1);
  v.Click(3, 2, MK_LBUTTON | MK_SHIFT);
  EXPECT_EQ(v.View.Anchor(), 15);
  EXPECT_EQ(v.View.Caret(), 31);
  v.Click(1, 0, MK_LBUTTON | MK_RBUTTON);
  EXPECT_EQ(v.View.Anchor(), 15);
  EXPECT_EQ(v.View.Caret(), 31);
}

TEST(MouseWinTest, DoubleClickSelectsTheWordAndLocksTheDrag) {
  MouseView v(Sample);
  v.Mouse(WM_LBUTTONDOWN, v.X(5), v.Y(1), MK_LBUTTON);
  v.Mouse(WM_LBUTTONUP, v.X(5), v.Y(1), 0);
  v.Mouse(WM_LBUTTONDBLCLK, v.X(5), v.Y(1), MK_LBUTTON);
  EXPECT_EQ(v.View.GetSelectedText(), "foo_bar2");
  EXPECT_EQ(v.View.Anchor(), 11);
  EXPECT_EQ(v.View.Caret(), 19);
  v.Mouse(WM_MOUSEMOVE, v.X(2), v.Y(2), MK_LBUTTON);
  EXPECT_EQ(v.View.GetSelectedText(), "foo_bar2");
  v.Mouse(WM_LBUTTONUP, v.X(2), v.Y(2), 0);

  // A run of punctuation is selected as a run.
  v.Mouse(WM_LBUTTONDBLCLK, v.X(13), v.Y(1), MK_LBUTTON);
  EXPECT_EQ(v.View.GetSelectedText(), "+=");
  v.Mouse(WM_LBUTTONUP, v.X(13), v.Y(1), 0);
}

TEST(MouseWinTest, CtrlClickSelectsAWord) {
  MouseView v(Sample);
  v.Mouse(WM_LBUTTONDOWN, v.X(7), v.Y(0), MK_LBUTTON | MK_CONTROL);
  EXPECT_EQ(v.View.GetSelectedText(), "beta");
  v.Mouse(WM_MOUSEMOVE, v.X(1), v.Y(2), MK_LBUTTON);
  EXPECT_EQ(v.View.GetSelectedText(), "beta");
  v.Mouse(WM_LBUTTONUP, v.X(1), v.Y(2), 0);
}

TEST(MouseWinTest, MovingWithTheButtonDownExtendsTheSelection) {
  MouseView v(Sample);
  v.Mouse(WM_LBUTTONDOWN, v.X(2), v.Y(0), MK_LBUTTON);
  v.Mouse(WM_MOUSEMOVE, v.X(1), v.Y(2), MK_LBUTTON);
  EXPECT_EQ(v.View.Anchor(), 2);
  EXPECT_EQ(v.View.Caret(), 29);
  v.Mouse(WM_MOUSEMOVE, v.X(6), v.Y(1), MK_LBUTTON);
  EXPECT_EQ(v.View.Anchor(), 2);
  EXPECT_EQ(v.View.Caret(), 17);
  v.Mouse(WM_LBUTTONUP, v.X(6), v.Y(1), 0);
  v.Mouse(WM_MOUSEMOVE, v.X(0), v.Y(0), 0);
  EXPECT_EQ(v.View.Caret(), 17);
}

TEST(MouseWinTest, TheWheelScrollsBySystemLinesAndLeavesTheCaret) {
  MouseView v(Lines(60, "line "));
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  ASSERT_NE(lines, WHEEL_PAGESCROLL);
  const int perNotch = static_cast<int>(lines);
  v.View.SetSelection(5, 5, ScrollNone);
  v.Notifications.clear();

  v.Wheel(-WHEEL_DELTA);
  EXPECT_EQ(v.View.TopLine(), perNotch);
  EXPECT_EQ(v.ScrollBar(SB_VERT).nPos, perNotch);
  v.Wheel(-2 * WHEEL_DELTA);
  EXPECT_EQ(v.View.TopLine(), 3 * perNotch);
  v.Wheel(WHEEL_DELTA / 2);  // half a notch rounds away from zero
  EXPECT_EQ(v.View.TopLine(), 3 * perNotch - WheelLines(WHEEL_DELTA / 2, perNotch));
  v.Wheel(100 * WHEEL_DELTA);
  EXPECT_EQ(v.View.TopLine(), 0);
  EXPECT_EQ(v.View.Caret(), 5);
  EXPECT_EQ(v.View.Anchor(), 5);
  EXPECT_TRUE(v.Notifications.empty());
}

TEST(MouseWinTest, VerticalScrollCodesAndTheBarAfterEach) {
  MouseView v(Lines(40, "row "));
  const int whole = v.View.ClientHeight() / v.LineHeight();
  ASSERT_LT(whole, 40);
  auto expectBar = [&](int top) {
    EXPECT_EQ(v.View.TopLine(), top);
    const SCROLLINFO bar = v.ScrollBar(SB_VERT);
    EXPECT_EQ(bar.nMin, 0);
    EXPECT_EQ(bar.nMax, 39);
    EXPECT_EQ(static_cast<int>(bar.nPage), whole);
    EXPECT_EQ(bar.nPos, top);
  };
  expectBar(0);
  v.Scroll(WM_VSCROLL, SB_LINEDOWN);
  expectBar(1);
  v.Scroll(WM_VSCROLL, SB_PAGEDOWN);
  expectBar(whole + 1);
  v.Scroll(WM_VSCROLL, SB_PAGEUP);
  expectBar(1);
  v.Scroll(WM_VSCROLL, SB_LINEUP);
  expectBar(0);
  v.Scroll(WM_VSCROLL, SB_LINEUP);
  expectBar(0);
  v.Scroll(WM_VSCROLL, SB_THUMBTRACK, 10);
  expectBar(10);
  v.Scroll(WM_VSCROLL, SB_BOTTOM);  // not a code the view acts on
  expectBar(10);
  v.Scroll(WM_VSCROLL, SB_THUMBPOSITION, 1000);
  expectBar(40 - whole);
  EXPECT_EQ(v.View.Caret(), 0);
}

TEST(MouseWinTest, HorizontalScrollCodesAndTheBarAfterEach) {
  MouseView v(std::string(200, 'x') + "\nshort");
  const int w = v.CharWidth();
  const int client = v.View.ClientWidth();
  RECT rect;
  GetClientRect(v.Window(), &rect);
  ASSERT_EQ(client, rect.right);
  auto expectBar = [&](int offset) {
    EXPECT_EQ(v.View.ScrollX(), offset);
    const SCROLLINFO bar = v.ScrollBar(SB_HORZ);
    EXPECT_EQ(bar.nMin, 0);
    EXPECT_EQ(bar.nMax, 200 * w - 1);
    EXPECT_EQ(static_cast<int>(bar.nPage), client);
    EXPECT_EQ(bar.nPos, offset);
  };
  expectBar(0);
  v.Scroll(WM_HSCROLL, SB_LINERIGHT);
  expectBar(w);
  v.Scroll(WM_HSCROLL, SB_PAGERIGHT);
  expectBar(w + client);
  v.Scroll(WM_HSCROLL, SB_PAGELEFT);
  expectBar(w);
  v.Scroll(WM_HSCROLL, SB_LINELEFT);
  expectBar(0);
  v.Scroll(WM_HSCROLL, SB_LINELEFT);
  expectBar(0);
  v.Scroll(WM_HSCROLL, SB_THUMBTRACK, 100);
  expectBar(100);
  v.Scroll(WM_HSCROLL, SB_THUMBPOSITION, 30000);
  EXPECT_EQ(v.View.ScrollX(), 200 * w - client + 1);
  EXPECT_EQ(v.View.Caret(), 0);
}

TEST(MouseWinTest, TheBarsFollowEditsThatChangeTheLineCountOrWidths) {
  MouseView v("one\ntwo");
  EXPECT_EQ(v.ScrollBar(SB_VERT).nMax, 1);
  v.View.SetSelection(v.View.Length(), v.View.Length(), ScrollNone);
  v.Type("\n\n" + std::string(100, 'y'));
  EXPECT_EQ(v.ScrollBar(SB_VERT).nMax, 3);
  EXPECT_EQ(v.ScrollBar(SB_HORZ).nMax, 100 * v.CharWidth() - 1);
  // Typing at the end of the long line keeps the caret in view: the view scrolls one pixel
  // beyond where the bar's thumb can go.
  const SCROLLINFO bar = v.ScrollBar(SB_HORZ);
  EXPECT_EQ(v.View.ScrollX(), 100 * v.CharWidth() - v.View.ClientWidth() + 1);
  EXPECT_EQ(bar.nPos, bar.nMax - static_cast<int>(bar.nPage) + 1);
}

TEST(MouseWinTest, TheContextMenuPlacesAnEmptySelectionAndSendsTheChosenCommand) {
  MouseView v(Sample);
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, 40001, "First");
  AppendMenuA(popup, MF_STRING, 40002, "Second");
  v.View.SetContextMenu(popup);
  POINT at = {v.X(4), v.Y(1)};
  ClientToScreen(v.Window(), &at);
  // The menu runs its own message loop, which takes these keys: the second item is chosen.
  for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
    PostMessageA(v.Window(), WM_KEYDOWN, key, 0);
    PostMessageA(v.Window(), WM_KEYUP, key, LPARAM(3) << 30);
  }
  SendMessageA(v.Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(v.Window()), MAKELPARAM(at.x, at.y));
  ViewWindowFixture::Pump();
  EXPECT_EQ(v.View.Caret(), 15);
  EXPECT_EQ(v.View.Anchor(), 15);
  ASSERT_FALSE(v.Notifications.empty());
  EXPECT_EQ(v.Notifications.back().Id, 40002);
  EXPECT_EQ(v.Notifications.back().Code, 0);
  EXPECT_EQ(v.Notifications.back().From, nullptr);

  // A selection stays as it is when the menu opens over other text.
  v.View.SetSelection(0, 5, ScrollNone);
  PostMessageA(v.Window(), WM_KEYDOWN, VK_ESCAPE, 0);
  SendMessageA(v.Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(v.Window()), MAKELPARAM(at.x, at.y));
  ViewWindowFixture::Pump();
  EXPECT_EQ(v.View.Anchor(), 0);
  EXPECT_EQ(v.View.Caret(), 5);
}

namespace {

// Sets the system's wheel lines for one test and puts the old value back.
class WheelLinesSetting {
public:
  explicit WheelLinesSetting(UINT lines) {
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &Saved, 0);
    EXPECT_TRUE(SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0));
  }
  ~WheelLinesSetting() { SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, Saved, nullptr, 0); }

private:
  UINT Saved = 3;
};

}  // namespace

TEST(MouseWinTest, TheWheelScrollsAPageWhenTheSystemSaysSo) {
  MouseView v(Lines(100, "line "));
  WheelLinesSetting pages(WHEEL_PAGESCROLL);
  const int page = v.View.VisibleLineCount(true);
  v.Wheel(-WHEEL_DELTA);
  EXPECT_EQ(v.View.TopLine(), page);
  v.Wheel(-2 * WHEEL_DELTA);
  EXPECT_EQ(v.View.TopLine(), 3 * page);
  v.Wheel(WHEEL_DELTA);
  EXPECT_EQ(v.View.TopLine(), 2 * page);
  EXPECT_EQ(v.View.Caret(), 0);
}

TEST(MouseWinTest, DraggingBelowTheViewKeepsExtendingWhileTheTextScrolls) {
  ViewWindowOptions options = WithScrollBars();
  options.Margin = 60;
  ViewWindowFixture f(options);
  f.UseFixedFont();
  f.View.SetText(Lines(100, "line "));
  const int w = f.CharWidth(), h = f.LineHeight();
  f.Mouse(WM_LBUTTONDOWN, 2 * w + 1, 3 * h + 1, MK_LBUTTON);
  const int anchor = f.View.LineStart(3) + 2;
  ASSERT_EQ(f.View.Anchor(), anchor);

  // The cursor goes below the view, over the test window, with the button held.
  POINT below = {2 * w + 1, f.View.ClientHeight() + 30};
  ClientToScreen(f.Window(), &below);
  ASSERT_TRUE(SetCursorPos(below.x, below.y));
  PressButtonPhysically(true);
  // The view's timer drives the scrolling; a timer of the test's own bounds the wait.
  const UINT_PTR guard = SetTimer(nullptr, 0, 100, nullptr);
  int guardTicks = 0, scrolls = 0, lastTop = f.View.TopLine();
  MSG message;
  while (scrolls < 3 && guardTicks < 30 && GetMessageA(&message, nullptr, 0, 0)) {
    if (message.message == WM_TIMER && message.hwnd == nullptr) ++guardTicks;
    DispatchMessageA(&message);
    if (f.View.TopLine() == lastTop) continue;
    ++scrolls;
    lastTop = f.View.TopLine();
    EXPECT_EQ(f.View.Anchor(), anchor);
    EXPECT_EQ(f.View.LineFromPosition(f.View.Caret()), f.View.LastVisibleLine(true));
  }
  EXPECT_EQ(scrolls, 3);

  // With the button up the next tick stops the timer, and nothing moves any more.
  PressButtonPhysically(false);
  bool ticked = false;
  while (!ticked && guardTicks < 60 && GetMessageA(&message, nullptr, 0, 0)) {
    if (message.message == WM_TIMER && message.hwnd == nullptr) ++guardTicks;
    ticked = message.message == WM_TIMER && message.hwnd == f.Window();
    DispatchMessageA(&message);
  }
  KillTimer(nullptr, guard);
  EXPECT_TRUE(ticked);
  EXPECT_FALSE(KillTimer(f.Window(), 1));
  EXPECT_EQ(f.View.TopLine(), lastTop);
  EXPECT_EQ(f.View.Anchor(), anchor);
}

TEST(MouseWinTest, TheContextMenuOpensAtTheClickOrBelowTheCaret) {
  MouseView v(Sample);
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, 40001, "Only");
  v.View.SetContextMenu(popup);
  v.CloseMenus = true;

  POINT click = {v.X(3), v.Y(2)};
  ClientToScreen(v.Window(), &click);
  SendMessageA(v.Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(v.Window()), MAKELPARAM(click.x, click.y));
  ASSERT_EQ(v.Menus.size(), 1u);
  EXPECT_EQ(v.Menus[0].left, click.x);
  EXPECT_EQ(v.Menus[0].top, click.y);
  EXPECT_EQ(v.View.Caret(), 31);

  // From the keyboard: at the caret, one line lower.
  v.View.SetSelection(13, 13, ScrollNone);
  int x = 0, y = 0;
  v.View.PointFromPosition(13, x, y);
  POINT caret = {x, y};
  ClientToScreen(v.Window(), &caret);
  SendMessageA(v.Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(v.Window()), MAKELPARAM(-1, -1));
  ASSERT_EQ(v.Menus.size(), 2u);
  EXPECT_EQ(v.Menus[1].left, caret.x);
  EXPECT_EQ(v.Menus[1].top, caret.y + v.LineHeight());
  EXPECT_EQ(v.View.Caret(), 13);
  // Closed without a choice, the menus sent no command.
  ViewWindowFixture::Pump();
  for (const ViewNotification& n : v.Notifications) EXPECT_NE(n.Id, 40001);
}

namespace {

// A real mouse event at a screen point (absolute coordinates span the primary screen).
void SendMouse(DWORD flags, POINT at) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  EXPECT_EQ(SendInput(1, &input, sizeof input), 1u);
}

}  // namespace

// The thumb of a bar over more than 65535 lines: the message's 16-bit position is not enough.
TEST(MouseWinTest, DraggingTheThumbReachesLinesBeyond65535) {
  ViewWindowOptions options;
  options.Style = WS_CHILD | WS_VISIBLE | WS_VSCROLL;
  options.Margin = 60;  // the drag ends over the test window, which is this thread's
  ViewWindowFixture f(options);
  f.UseFixedFont();
  f.View.SetText(std::string(70000, '\n'));
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(GetScrollBarInfo(f.Window(), OBJID_VSCROLL, &bar));
  const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
  const POINT thumb = {x, bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
  const POINT end = {x, bar.rcScrollBar.bottom + 20};
  // Press on the thumb, drag it past the bar's end and let go; the bar's own loop runs when
  // the press is dispatched and takes the queued moves.
  SendMouse(0, thumb);
  SendMouse(MOUSEEVENTF_LEFTDOWN, thumb);
  SendMouse(0, {x, (thumb.y + end.y) / 2});
  SendMouse(0, end);
  SendMouse(MOUSEEVENTF_LEFTUP, end);
  ViewWindowFixture::Pump();
  const int last = f.View.LineCount() - f.View.VisibleLineCount(true);
  EXPECT_GT(last, 65535);
  EXPECT_EQ(f.View.TopLine(), last);
  EXPECT_EQ(f.ScrollBar(SB_VERT).nPos, last);
  EXPECT_EQ(f.View.Caret(), 0);
}
