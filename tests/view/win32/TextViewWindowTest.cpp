// The view's window: its class and styles, text messages, dialog codes, notifications to the
// parent, fonts and the client area left beside the gutter.
#include "editor/syntax/CppLanguage.h"
#include "tests/view/win32/ViewWindowFixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }

std::string WindowText(HWND window, int bufferSize) {
  std::string buffer(static_cast<std::size_t>(bufferSize), '#');
  const LRESULT copied = SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(bufferSize),
                                      reinterpret_cast<LPARAM>(&buffer[0]));
  EXPECT_EQ(buffer[static_cast<std::size_t>(copied)], '\0');
  return buffer.substr(0, static_cast<std::size_t>(copied));
}

int TextWidth(HWND window, HFONT font, const char* text) {
  HDC context = GetDC(window);
  HGDIOBJ old = SelectObject(context, font);
  SIZE size{};
  GetTextExtentPoint32A(context, text, static_cast<int>(std::strlen(text)), &size);
  SelectObject(context, old);
  ReleaseDC(window, context);
  return size.cx;
}

bool NeedsRepaint(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

}  // namespace

TEST(TextViewWindowTest, StyleZeroMakesAVisibleClippingChildWithoutScrollBars) {
  ViewWindowFixture f;
  char className[32] = {};
  GetClassNameA(f.Window(), className, sizeof className);
  EXPECT_STREQ(className, "EditCtrl");
  const LONG_PTR style = StyleOf(f.Window());
  const LONG_PTR wanted = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  EXPECT_EQ(style & wanted, wanted);
  EXPECT_EQ(style & (WS_VSCROLL | WS_HSCROLL), 0);
  EXPECT_TRUE(IsWindowVisible(f.Window()));
  EXPECT_EQ(GetParent(f.Window()), f.Top());
  EXPECT_EQ(GetDlgCtrlID(f.Window()), ViewControlId);
  EXPECT_EQ(f.View.ControlId(), ViewControlId);
  EXPECT_EQ(GetDlgItem(f.Top(), ViewControlId), f.Window());
}

TEST(TextViewWindowTest, ScrollBarStylesShowTheBarsAndTheyCanBeHidden) {
  ViewWindowOptions options;
  options.Style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
  ViewWindowFixture f(options);
  EXPECT_EQ(StyleOf(f.Window()) & (WS_VSCROLL | WS_HSCROLL), WS_VSCROLL | WS_HSCROLL);
  RECT client;
  GetClientRect(f.Window(), &client);
  EXPECT_EQ(client.bottom, options.Height - GetSystemMetrics(SM_CYHSCROLL));

  f.View.ShowHorizontalScrollBar(false);
  EXPECT_EQ(StyleOf(f.Window()) & (WS_VSCROLL | WS_HSCROLL), WS_VSCROLL);
  GetClientRect(f.Window(), &client);
  EXPECT_EQ(client.bottom, options.Height);
  EXPECT_EQ(f.View.ClientHeight(), options.Height);
  f.View.ShowVerticalScrollBar(false);
  EXPECT_EQ(StyleOf(f.Window()) & (WS_VSCROLL | WS_HSCROLL), 0);
}

TEST(TextViewWindowTest, ChildViewsCreatedWithIdZeroGetIdsOfTheirOwn) {
  ViewWindowFixture f;
  TextViewWindow first, second;
  const RECT rect = {0, 0, 50, 50};
  ASSERT_TRUE(first.CreateView(f.Top(), rect, 0, 0, 0, nullptr, nullptr));
  ASSERT_TRUE(second.CreateView(f.Top(), rect, 0, 0, 0, nullptr, nullptr));
  EXPECT_NE(first.ControlId(), 0);
  EXPECT_NE(first.ControlId(), second.ControlId());
  EXPECT_EQ(GetDlgCtrlID(first.Window()), first.ControlId());
  EXPECT_EQ(GetDlgCtrlID(second.Window()), second.ControlId());
}

TEST(TextViewWindowTest, DestroyingTheParentFirstLeavesTheObjectWithoutAWindow) {
  TextViewWindow view;
  const RECT rect = {0, 0, 50, 50};
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 60, 60, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(view.CreateView(parent, rect, 0, 0, 7, nullptr, nullptr));
  DestroyWindow(parent);
  EXPECT_EQ(view.Window(), nullptr);
  // Requests that need the window are now harmless.
  view.SetText("still usable");
  view.SetSelection(0, 5, ScrollToCaret);
  EXPECT_EQ(view.GetSelectedText(), "still");
}

TEST(TextViewWindowTest, AViewHasOneWindowAtATimeAndCanBeCreatedAgain) {
  ViewWindowFixture f;
  HWND first = f.Window();
  const RECT rect = {0, 0, 100, 100};
  EXPECT_FALSE(f.View.CreateView(f.Top(), rect, 0, 0, 105, nullptr, nullptr));
  EXPECT_EQ(f.Window(), first);
  EXPECT_EQ(f.View.ControlId(), ViewControlId);
  f.View.SetText("kept");
  DestroyWindow(first);
  EXPECT_EQ(f.Window(), nullptr);
  ASSERT_TRUE(f.View.CreateView(f.Top(), rect, 0, 0, 105, nullptr, nullptr));
  EXPECT_TRUE(IsWindow(f.Window()));
  EXPECT_EQ(GetDlgCtrlID(f.Window()), 105);
  EXPECT_EQ(WindowText(f.Window(), 16), "kept");
}

namespace {

// A derived view sees every message first and is told when its window is gone.
class UpperCaseView : public TextViewWindow {
public:
  HWND FinalWindow = nullptr;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CHAR && wParam >= 'a' && wParam <= 'z') wParam -= 'a' - 'A';
    return TextViewWindow::WindowProc(message, wParam, lParam);
  }
  void OnFinalMessage(HWND window) override { FinalWindow = window; }
};

}  // namespace

TEST(TextViewWindowTest, DerivedViewsSeeTheMessagesAndTheFinalOne) {
  ViewWindowFixture f;
  UpperCaseView view;
  const RECT rect = {0, 0, 100, 100};
  ASSERT_TRUE(view.CreateView(f.Top(), rect, 0, 0, 0, nullptr, nullptr));
  HWND window = view.Window();
  SendMessageA(window, WM_CHAR, 'q', 1);
  SendMessageA(window, WM_CHAR, '1', 1);
  EXPECT_EQ(view.GetText(NewLineLf), "Q1");
  DestroyWindow(window);
  EXPECT_EQ(view.FinalWindow, window);
  EXPECT_EQ(view.Window(), nullptr);
}

TEST(TextViewWindowTest, TheViewOwnsItsContextMenuAndStartsWithTheGuiFont) {
  HMENU first = CreatePopupMenu(), second = CreatePopupMenu();
  {
    ViewWindowFixture f;
    LOGFONTA font{}, gui{};
    ASSERT_TRUE(GetObjectA(f.View.Font(), sizeof font, &font));
    ASSERT_TRUE(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui));
    EXPECT_STREQ(font.lfFaceName, gui.lfFaceName);
    EXPECT_EQ(font.lfHeight, gui.lfHeight);
    f.View.SetContextMenu(first);
    f.View.SetContextMenu(second);
    EXPECT_FALSE(IsMenu(first));
    EXPECT_TRUE(IsMenu(second));
  }
  EXPECT_FALSE(IsMenu(second));
}

TEST(TextViewWindowTest, SetTextAndGetTextMessagesUseLineFeeds) {
  ViewWindowFixture f;
  EXPECT_TRUE(SendMessageA(f.Window(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("one\ntwo\nthree")));
  EXPECT_EQ(f.View.GetText(NewLineLf), "one\ntwo\nthree");
  EXPECT_EQ(f.View.LineCount(), 3);
  EXPECT_EQ(SendMessageA(f.Window(), WM_GETTEXTLENGTH, 0, 0), 13);
  EXPECT_EQ(WindowText(f.Window(), 64), "one\ntwo\nthree");
  EXPECT_EQ(WindowText(f.Window(), 14), "one\ntwo\nthree");
  EXPECT_EQ(WindowText(f.Window(), 5), "one\n");
  // Text from other programs may use CR LF; inside the view a CR would be a soft break.
  SendMessageA(f.Window(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("a\r\nb\rc"));
  EXPECT_EQ(f.View.RawText().find('\r'), std::string::npos);
  EXPECT_EQ(f.View.LineCount(), 3);
}

TEST(TextViewWindowTest, GetTextIntoABufferOfOneCopiesOnlyTheTerminatingNul) {
  ViewWindowFixture f;
  f.View.SetText("abc");
  char buffer[3] = {'x', 'y', 'z'};
  EXPECT_EQ(SendMessageA(f.Window(), WM_GETTEXT, 1, reinterpret_cast<LPARAM>(buffer)), 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], 'y');
  EXPECT_EQ(SendMessageA(f.Window(), WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
  EXPECT_EQ(buffer[1], 'y');
}

TEST(TextViewWindowTest, GetTextUnderWordWrapIncludesTheSoftBreaks) {
  ViewWindowOptions options;
  options.Width = 150;
  ViewWindowFixture f(options);
  f.UseFixedFont();
  f.View.SetText("alpha beta gamma delta epsilon zeta eta theta\nend");
  f.View.SetWordWrap(true);
  ASSERT_GT(f.View.LineCount(), 2);
  const std::string raw = WindowText(f.Window(), 256);
  EXPECT_EQ(raw, f.View.RawText());
  EXPECT_NE(raw.find('\r'), std::string::npos);
  EXPECT_EQ(f.View.GetText(NewLineLf), "alpha beta gamma delta epsilon zeta eta theta\nend");
}

TEST(TextViewWindowTest, DialogCodeWantsAllKeysUnlessReadOnly) {
  ViewWindowFixture f;
  f.View.SetText("text");
  EXPECT_EQ(SendMessageA(f.Window(), WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS | DLGC_WANTCHARS);
  EXPECT_EQ(SendMessageA(f.Window(), WM_GETDLGCODE, 0, 0), 132);
  f.View.SetReadOnly(true);
  EXPECT_EQ(SendMessageA(f.Window(), WM_GETDLGCODE, 0, 0), 129);
}

TEST(TextViewWindowTest, EscapeHeldGoesToTheDialogOnlyWithoutASelection) {
  ViewWindowFixture f;
  f.View.SetText("text");
  {
    HeldKeys escape(VK_ESCAPE, 0);
    EXPECT_EQ(SendMessageA(f.Window(), WM_GETDLGCODE, 0, 0), 0);
    f.View.SetSelection(0, 2, ScrollNone);
    EXPECT_EQ(SendMessageA(f.Window(), WM_GETDLGCODE, 0, 0), 132);
  }
}

TEST(TextViewWindowTest, TypingACharacterNotifiesSelectionThenText) {
  ViewWindowFixture f;
  f.Type("x");
  EXPECT_EQ(f.View.GetText(NewLineLf), "x");
  ASSERT_EQ(f.NotificationCodes(), (std::vector<int>{TVN_SELCHANGED, TVN_TEXTCHANGED}));
  for (const ViewNotification& n : f.Notifications) {
    EXPECT_EQ(n.Id, ViewControlId);
    EXPECT_EQ(n.From, f.Window());
  }
}

TEST(TextViewWindowTest, SelectionNotifiesOnlyWhenItChanges) {
  ViewWindowFixture f;
  f.View.SetText("some text");
  f.Notifications.clear();
  f.View.SetSelection(2, 4, ScrollToCaret);
  EXPECT_EQ(f.NotificationCodes(), std::vector<int>{TVN_SELCHANGED});
  f.View.SetSelection(2, 4, ScrollToCaret);
  EXPECT_EQ(f.NotificationCodes(), std::vector<int>{TVN_SELCHANGED});
}

TEST(TextViewWindowTest, TheCaretComesWithTheFocusAndGoesWithIt) {
  ViewWindowFixture f;
  f.View.SetText("caret");
  f.View.SetSelection(3, 3, ScrollNone);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &info));
  EXPECT_EQ(info.hwndCaret, f.Window());
  EXPECT_EQ(info.rcCaret.left, f.View.PointX(3));
  SetFocus(f.Top());
  ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &info));
  EXPECT_EQ(info.hwndCaret, nullptr);
  SetFocus(f.Window());
  ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &info));
  EXPECT_EQ(info.hwndCaret, f.Window());
}

TEST(TextViewWindowTest, TheCursorIsAnIBeamOverTheText) {
  ViewWindowFixture f;
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  EXPECT_TRUE(SendMessageA(f.Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(f.Window()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_IBEAM));
}

TEST(TextViewWindowTest, SettingAnIdenticalFontRepaintsNothing) {
  ViewWindowFixture f;
  f.View.SetText("int main() { return 0; }");
  f.UseFixedFont();
  HFONT current = f.View.Font();
  ASSERT_NE(current, nullptr);
  f.Repaint();
  ASSERT_FALSE(NeedsRepaint(f.Window()));

  LOGFONTA same{};
  ASSERT_TRUE(GetObjectA(current, sizeof same, &same));
  HFONT identical = CreateFontIndirectA(&same);
  f.View.SetFont(identical);
  EXPECT_FALSE(NeedsRepaint(f.Window()));
  EXPECT_EQ(f.View.Font(), current);

  LOGFONTA bigger = same;
  bigger.lfHeight = same.lfHeight * 2;
  HFONT other = CreateFontIndirectA(&bigger);
  f.View.SetFont(other);
  EXPECT_TRUE(NeedsRepaint(f.Window()));
  // The view keeps a copy: the caller's fonts may go.
  EXPECT_NE(f.View.Font(), other);
  DeleteObject(identical);
  DeleteObject(other);
  LOGFONTA kept{};
  ASSERT_TRUE(GetObjectA(f.View.Font(), sizeof kept, &kept));
  EXPECT_EQ(kept.lfHeight, bigger.lfHeight);
  EXPECT_EQ(f.LineHeight(), [&] {
    HDC context = GetDC(f.Window());
    HGDIOBJ old = SelectObject(context, f.View.Font());
    TEXTMETRICA metrics{};
    GetTextMetricsA(context, &metrics);
    SelectObject(context, old);
    ReleaseDC(f.Window(), context);
    return static_cast<int>(metrics.tmHeight);
  }());
}

TEST(TextViewWindowTest, TheGutterIsTakenFromTheClientArea) {
  ViewWindowOptions options;
  options.ExStyle = WS_EX_CLIENTEDGE;
  ViewWindowFixture f(options);
  f.UseFixedFont();
  const int edges = 2 * GetSystemMetrics(SM_CXEDGE);
  RECT client;

  // The bookmark margin alone: 20 pixels and the edge column.
  EXPECT_EQ(f.View.GutterWidth(), 21);
  GetClientRect(f.Window(), &client);
  EXPECT_EQ(client.right, options.Width - edges - 21);
  EXPECT_EQ(f.View.ClientWidth(), client.right);

  f.View.SetText("1\n2\n3\n4\n5\n6\n7\n8\n9");
  f.View.SetShowLineNumbers(true);
  const int digit = TextWidth(f.Window(), f.View.Font(), "8");
  EXPECT_EQ(f.View.GutterWidth(), 20 + 2 + digit + 1);
  GetClientRect(f.Window(), &client);
  EXPECT_EQ(client.right, options.Width - edges - f.View.GutterWidth());
  EXPECT_EQ(f.View.ClientWidth(), client.right);

  // The tenth line needs a second digit.
  f.View.SetSelection(f.View.Length(), f.View.Length(), ScrollNone);
  f.Type("\n");
  EXPECT_EQ(f.View.GutterWidth(), 20 + 2 + 2 * digit + 1);
  GetClientRect(f.Window(), &client);
  EXPECT_EQ(client.right, options.Width - edges - f.View.GutterWidth());

  f.View.SetShowBookmarkMargin(false);
  f.View.SetShowLineNumbers(false);
  EXPECT_EQ(f.View.GutterWidth(), 0);
  GetClientRect(f.Window(), &client);
  EXPECT_EQ(client.right, options.Width - edges);
}

TEST(TextViewWindowTest, ResizingTellsTheViewItsNewClientSizeAndTheBarsFollow) {
  ViewWindowOptions options;
  options.Style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
  ViewWindowFixture f(options);
  f.UseFixedFont();
  f.View.SetText(std::string(100, 'w') + std::string(50, '\n'));
  SetWindowPos(f.Window(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client;
  GetClientRect(f.Window(), &client);
  EXPECT_EQ(f.View.ClientWidth(), client.right);
  EXPECT_EQ(f.View.ClientHeight(), client.bottom);
  EXPECT_EQ(client.right, 300 - GetSystemMetrics(SM_CXVSCROLL) - f.View.GutterWidth());
  EXPECT_EQ(client.bottom, 200 - GetSystemMetrics(SM_CYHSCROLL));
  EXPECT_EQ(static_cast<int>(f.ScrollBar(SB_VERT).nPage), client.bottom / f.LineHeight());
  EXPECT_EQ(static_cast<int>(f.ScrollBar(SB_HORZ).nPage), client.right);
}

TEST(TextViewWindowTest, AnotherFontChangesTheLinesPerPage) {
  ViewWindowOptions options;
  options.Style = WS_CHILD | WS_VISIBLE | WS_VSCROLL;
  ViewWindowFixture f(options);
  f.UseFixedFont();
  f.View.SetText(std::string(80, '\n'));
  const int small = f.LineHeight();
  EXPECT_EQ(static_cast<int>(f.ScrollBar(SB_VERT).nPage), options.Height / small);
  LOGFONTA font{};
  GetObjectA(f.View.Font(), sizeof font, &font);
  font.lfHeight *= 2;
  HFONT big = CreateFontIndirectA(&font);
  f.View.SetFont(big);
  DeleteObject(big);
  ASSERT_GT(f.LineHeight(), small);
  EXPECT_EQ(static_cast<int>(f.ScrollBar(SB_VERT).nPage), options.Height / f.LineHeight());
  EXPECT_EQ(f.View.VisibleLineCount(true), options.Height / f.LineHeight());
}

TEST(TextViewWindowTest, ATenthLineWidensTheGutterAndRewrapsUnderWordWrap) {
  ViewWindowOptions options;
  options.Width = 355;
  ViewWindowFixture f(options);
  f.UseFixedFont();
  const int digit = TextWidth(f.Window(), f.View.Font(), "8");
  ASSERT_EQ(digit, f.CharWidth());
  f.View.SetShowLineNumbers(true);
  // Line 0 is 40 characters: it fits beside a gutter of one digit, not beside two.
  const std::string wide = std::string(19, 'x') + " " + std::string(20, 'y');
  f.View.SetText(wide + "\n2\n3\n4\n5\n6\n7\n8\n9");
  f.View.SetWordWrap(true);
  ASSERT_EQ(f.View.ClientWidth(), options.Width - (20 + 2 + digit + 1));
  ASSERT_LE(40 * f.CharWidth(), f.View.ClientWidth());
  ASSERT_GT(40 * f.CharWidth(), f.View.ClientWidth() - digit);
  EXPECT_FALSE(f.View.EndsWithSoftBreak(0));
  EXPECT_EQ(f.View.LineCount(), 9);

  f.View.SetSelection(f.View.Length(), f.View.Length(), ScrollNone);
  f.Type("\n");
  EXPECT_EQ(f.View.GutterWidth(), 20 + 2 + 2 * digit + 1);
  EXPECT_EQ(f.View.ClientWidth(), options.Width - f.View.GutterWidth());
  EXPECT_TRUE(f.View.EndsWithSoftBreak(0));
  EXPECT_EQ(f.View.LineText(1), std::string(20, 'y'));
  EXPECT_EQ(f.View.LineCount(), 11);
  EXPECT_EQ(f.View.GetText(NewLineLf), wide + "\n2\n3\n4\n5\n6\n7\n8\n9\n");
}

// A comment opened near the top of a long document: the states below fill in from the
// window's idle timer, between keys typed meanwhile, and end as colouring from the top does.
TEST(TextViewWindowTest, StatesFillInWhenIdleWhileTypingGoesOn) {
  ViewWindowOptions options;
  options.Language = MakeCppLanguage("");
  ViewWindowFixture f(options);
  std::string text = "int a;\n/* open\n";
  for (int line = 0; line < 300000; ++line) text += "int x = 1; // a line of code\n";
  text += "*/ int end;";
  f.View.SetText(text);
  EXPECT_LT(f.View.KnownStates(), 1000);
  f.Type("xyz");
  EXPECT_LT(f.View.KnownStates(), 1000);
  // A timer of the thread's own keeps messages coming, so that a view that never asks for
  // idle time fails here instead of waiting for ever.
  const UINT_PTR keepAlive = SetTimer(nullptr, 0, 50, nullptr);
  int messages = 0;
  for (MSG message; f.View.KnownStates() < f.View.LineCount() && messages < 400; ++messages) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
    DispatchMessageA(&message);
  }
  KillTimer(nullptr, keepAlive);
  EXPECT_EQ(f.View.KnownStates(), f.View.LineCount());
  EXPECT_EQ(f.View.LineText(0), "xyzint a;");
  const RefPtr<LineColouring> last = f.View.ColouringOf(f.View.LineCount() - 1);
  EXPECT_EQ(last->Tokens.front().Kind, Comment);
  EXPECT_EQ(last->Tokens.back().Kind, Symbol);
  EXPECT_EQ(f.View.ColouringOf(150000)->Tokens.front().Kind, Comment);
}
