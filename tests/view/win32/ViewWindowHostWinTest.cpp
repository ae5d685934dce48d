// The window side of the view's requests: nothing happens before the window exists, the
// gutter finds the frame's real edges, and the scroll bars keep their values even when they
// are not redrawn.
#include "tests/view/win32/ViewWindowFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const COLORREF GutterGrey = RGB(230, 230, 230);

std::string Lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + "\n";
  return text;
}

// Everything the owner may do before creating the window is kept and shows once it exists.
TEST(ViewWindowHostWinTest, RequestsBeforeTheWindowExistAreKeptForIt) {
  const std::string text = Lines(50);
  TextViewWindow view;
  EXPECT_EQ(view.Window(), nullptr);
  view.SetText(text);
  view.SetSelection(12, 20, ScrollToCaret);
  HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
  view.SetFont(font);
  DeleteObject(font);
  view.SetShowLineNumbers(true);
  view.ToggleBookmark();
  view.ShowVerticalScrollBar(true);
  view.SetWordWrap(true);
  EXPECT_EQ(view.Anchor(), 12);
  EXPECT_EQ(view.Caret(), 20);
  EXPECT_TRUE(view.HasBookmark(view.LineFromPosition(20)));

  ViewWindowFixture fixture;
  RECT rect{0, 0, 300, 200};
  ASSERT_TRUE(view.CreateView(fixture.Top(), rect, WS_CHILD | WS_VISIBLE, 0, 7, nullptr, nullptr));
  EXPECT_EQ(view.GetText(NewLineLf), text) << "no line was wrapped at the width of a window not made yet";
  EXPECT_EQ(view.GetSelectedText(), text.substr(12, 8));
  EXPECT_EQ(SendMessageA(view.Window(), WM_GETTEXTLENGTH, 0, 0), view.Length());
  EXPECT_EQ(GetWindowLongPtrA(view.Window(), GWL_STYLE) & WS_VSCROLL, 0) << "the creation style decides the bars";
  EXPECT_EQ(view.ControlId(), 7);
  EXPECT_EQ(GetDlgCtrlID(view.Window()), 7);
  EXPECT_GT(view.GutterWidth(), 20);
  RECT client;
  GetClientRect(view.Window(), &client);
  EXPECT_EQ(view.ClientWidth(), client.right);
}

// A font given to the view is copied: the caller may delete its own at once.
TEST(ViewWindowHostWinTest, TheViewKeepsACopyOfItsFont) {
  ViewWindowFixture fixture;
  HFONT font = CreateFontA(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
  fixture.View.SetFont(font);
  EXPECT_NE(fixture.View.Font(), font);
  DeleteObject(font);
  LOGFONTA kept{};
  ASSERT_EQ(GetObjectA(fixture.View.Font(), sizeof kept, &kept), static_cast<int>(sizeof kept));
  EXPECT_EQ(kept.lfHeight, -20);
  EXPECT_EQ(kept.lfWeight, FW_BOLD);
  EXPECT_GE(fixture.View.Metrics().LineHeight, 20);
}

// A view that is not a child still binds on its first message, which for a top-level window
// comes before WM_NCCREATE.
TEST(ViewWindowHostWinTest, ATopLevelViewIsBoundToItsObject) {
  TextViewWindow view;
  RECT rect{50, 50, 450, 350};
  ASSERT_TRUE(view.CreateView(nullptr, rect, WS_OVERLAPPEDWINDOW, 0, 0, nullptr, nullptr));
  SetWindowTextA(view.Window(), "top");
  EXPECT_EQ(view.GetText(NewLineLf), "top");
  EXPECT_EQ(view.ControlId(), 0) << "only a child gets an id of its own";
  char text[8] = {};
  EXPECT_EQ(SendMessageA(view.Window(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), 3);
  EXPECT_STREQ(text, "top");
}

// A window of the class made without a view object (as a dialog template would) belongs to
// no object and answers as a default window.
TEST(ViewWindowHostWinTest, AWindowOfTheClassWithoutAViewStaysInert) {
  ViewWindowFixture fixture;
  char data[64] = "not a view";
  HWND stray = CreateWindowExA(0, "EditCtrl", "stray", WS_CHILD | WS_VISIBLE, 0, 0, 100, 50, fixture.Top(), nullptr,
                               GetModuleHandleA(nullptr), data);
  ASSERT_NE(stray, nullptr);
  EXPECT_EQ(GetWindowLongPtrA(stray, 0), 0);
  SendMessageA(stray, WM_CHAR, 'x', 1);
  SendMessageA(stray, WM_KEYDOWN, VK_DELETE, 1);
  InvalidateRect(stray, nullptr, TRUE);
  UpdateWindow(stray);
  EXPECT_EQ(SendMessageA(stray, WM_GETTEXTLENGTH, 0, 0), 5);
  EXPECT_TRUE(DestroyWindow(stray));
  EXPECT_EQ(fixture.View.Length(), 0) << "the fixture's own view saw none of it";
}

TEST(ViewWindowHostWinTest, DestroyingTheObjectDestroysItsWindow) {
  ViewWindowFixture fixture;
  HWND window = nullptr;
  {
    TextViewWindow view;
    RECT rect{0, 0, 200, 100};
    ASSERT_TRUE(view.CreateView(fixture.Top(), rect, 0, 0, 0, nullptr, nullptr));
    window = view.Window();
    EXPECT_TRUE(IsWindow(window));
    view.SetContextMenu(CreatePopupMenu());
  }
  EXPECT_FALSE(IsWindow(window));
}

// Text from other programs comes with CR LF; inside the view CR is a soft break.
TEST(ViewWindowHostWinTest, SetTextMessageTurnsCrLfIntoLineFeeds) {
  ViewWindowFixture fixture;
  EXPECT_TRUE(SendMessageA(fixture.Window(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("one\r\ntwo\rthree")));
  EXPECT_EQ(fixture.View.GetText(NewLineLf), "one\ntwo\nthree");
  EXPECT_EQ(fixture.View.LineCount(), 3);
  EXPECT_TRUE(SendMessageA(fixture.Window(), WM_SETTEXT, 0, 0));
  EXPECT_EQ(fixture.View.Length(), 0);
  char untouched = 'x';
  EXPECT_EQ(SendMessageA(fixture.Window(), WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&untouched)), 0);
  EXPECT_EQ(untouched, 'x');
}

// Page steps through a long document move the thumb by less than a pixel; the bar then is
// not redrawn, but what it reports follows every step.
TEST(ViewWindowHostWinTest, TheVerticalBarFollowsEveryPageStep) {
  ViewWindowOptions options;
  options.Style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
  ViewWindowFixture fixture(options);
  fixture.View.SetText(Lines(200000));
  for (int step = 0; step < 20; ++step) {
    fixture.Press(VK_NEXT);
    ASSERT_EQ(fixture.ScrollBar(SB_VERT).nPos, fixture.View.TopLine()) << "after page " << step + 1;
  }
  EXPECT_GT(fixture.View.TopLine(), 20 * 5);
  EXPECT_EQ(fixture.ScrollBar(SB_VERT).nMax, 200000);
  fixture.View.SetText("short");
  EXPECT_EQ(fixture.ScrollBar(SB_VERT).nMax, 0);
  EXPECT_EQ(fixture.ScrollBar(SB_VERT).nPos, 0);
}

// The gutter starts where the frame's edge ends: at the window's left edge without a border,
// behind the sunken edge with one, and covers the strip beside the horizontal bar.
TEST(ViewWindowHostWinTest, TheGutterSitsInsideTheRealFrame) {
  for (DWORD exStyle : {DWORD{0}, DWORD{WS_EX_CLIENTEDGE}}) {
    ViewWindowOptions options;
    options.Style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL;
    options.ExStyle = exStyle;
    ViewWindowFixture fixture(options);
    fixture.View.SetText(Lines(30));
    fixture.View.SetShowLineNumbers(true);
    fixture.Repaint();
    const Image image = fixture.CaptureView();
    const int edge = exStyle ? GetSystemMetrics(SM_CXEDGE) : 0;
    const int gutter = fixture.View.GutterWidth();
    ASSERT_GT(gutter, 20);
    EXPECT_EQ(fixture.ClientOrigin().x, edge + gutter);
    EXPECT_EQ(image.At(edge, edge + 2), GutterGrey) << "edge " << edge;
    EXPECT_EQ(image.At(edge + gutter - 2, edge + 2), GutterGrey) << "edge " << edge;
    const int barTop = edge + fixture.View.ClientHeight();
    EXPECT_EQ(image.At(edge + 2, barTop + 3), GutterGrey) << "beside the horizontal bar, edge " << edge;
    if (edge > 0) {
      EXPECT_NE(image.At(0, edge + 2), GutterGrey) << "the sunken edge stays";
    }
  }
}

}  // namespace
