// Keys and typed characters sent to a real view window, with the modifier keys held.
#include "tests/view/win32/ViewWindowFixture.h"

#include <gtest/gtest.h>

namespace {

// Line 0 is long, line 1 short, line 2 long again: positions 0, 16 and 19 start them.
const char ThreeLines[] = "first line here\nab\nthird line";

RECT CaretRect() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetCurrentThreadId(), &info);
  return info.rcCaret;
}

// The message loop of a dialog: IsDialogMessage first asks the focused control which keys
// it wants.
void PumpAsDialog(HWND dialog) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (IsDialogMessageA(dialog, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Real keystrokes, queued for the thread's message loop.
void Stroke(int key) {
  SendKeyInput(key, true);
  SendKeyInput(key, false);
}

void Chord(int modifier, int key) {
  SendKeyInput(modifier, true);
  Stroke(key);
  SendKeyInput(modifier, false);
}

struct KeyboardView : ViewWindowFixture {
  explicit KeyboardView(const char* text, const ViewWindowOptions& options = ViewWindowOptions())
      : ViewWindowFixture(options) {
    UseFixedFont();
    Load(text);
    Notifications.clear();
  }
  // As a document is loaded: not modified, nothing to undo.
  void Load(const char* text) {
    View.SetText(text);
    View.SetModified(false);
    View.ClearUndo();
  }
  void Place(int pos) { View.SetSelection(pos, pos, ScrollToCaret); }
  std::string Text() const { return View.GetText(NewLineLf); }
};

}  // namespace

TEST(KeyboardWinTest, DownKeepsThePixelColumnAndStopsAtShortLineEnds) {
  KeyboardView v(ThreeLines);
  v.Place(8);
  v.Press(VK_DOWN);
  EXPECT_EQ(v.View.Caret(), 18);  // end of "ab"
  EXPECT_EQ(v.View.Anchor(), 18);
  v.Press(VK_DOWN);
  EXPECT_EQ(v.View.Caret(), 19 + 8);
  POINT caret{};
  GetCaretPos(&caret);
  EXPECT_EQ(caret.x, 8 * v.CharWidth());
  EXPECT_EQ(caret.y, 2 * v.LineHeight());
  v.Press(VK_DOWN);  // the last line: no move
  EXPECT_EQ(v.View.Caret(), 27);
  v.Press(VK_UP);
  v.Press(VK_UP);
  EXPECT_EQ(v.View.Caret(), 8);
}

TEST(KeyboardWinTest, ShiftDownExtendsAndPlainDownCollapses) {
  KeyboardView v(ThreeLines);
  v.Place(4);
  v.Press(VK_DOWN, ModShift);
  EXPECT_EQ(v.View.Anchor(), 4);
  EXPECT_EQ(v.View.Caret(), 18);
  v.Press(VK_DOWN, ModShift);
  EXPECT_EQ(v.View.Anchor(), 4);
  EXPECT_EQ(v.View.Caret(), 23);
  // Shift+Down on the last line extends to the document end.
  v.Press(VK_DOWN, ModShift);
  EXPECT_EQ(v.View.Caret(), v.View.Length());
  EXPECT_EQ(v.View.GetSelectedText(), std::string(ThreeLines).substr(4));
  v.Press(VK_UP);
  EXPECT_FALSE(v.View.HasSelection());
}

TEST(KeyboardWinTest, HomeEndAndTheirCtrlAndShiftForms) {
  KeyboardView v(ThreeLines);
  v.Place(24);
  v.Press(VK_HOME);
  EXPECT_EQ(v.View.Caret(), 19);
  v.Press(VK_END);
  EXPECT_EQ(v.View.Caret(), 29);
  v.Press(VK_HOME, ModCtrl);
  EXPECT_EQ(v.View.Caret(), 0);
  EXPECT_EQ(v.View.Anchor(), 0);
  v.Press(VK_END, ModCtrl);
  EXPECT_EQ(v.View.Caret(), v.View.Length());
  EXPECT_FALSE(v.View.HasSelection());
  v.Place(17);
  v.Press(VK_END, ModCtrl | ModShift);
  EXPECT_EQ(v.View.Anchor(), 17);
  EXPECT_EQ(v.View.Caret(), v.View.Length());
  v.Press(VK_HOME, ModShift);
  EXPECT_EQ(v.View.Anchor(), 17);
  EXPECT_EQ(v.View.Caret(), 19);
}

TEST(KeyboardWinTest, LeftAndRightStepsAndWords) {
  KeyboardView v(ThreeLines);
  v.View.SetSelection(2, 9, ScrollNone);
  v.Press(VK_LEFT);  // collapses to caret - 1, not to the selection's start
  EXPECT_EQ(v.View.Caret(), 8);
  EXPECT_FALSE(v.View.HasSelection());
  v.Press(VK_RIGHT, ModShift);
  EXPECT_EQ(v.View.Anchor(), 8);
  EXPECT_EQ(v.View.Caret(), 9);
  v.Place(0);
  v.Press(VK_RIGHT, ModCtrl);
  EXPECT_EQ(v.View.Caret(), 6);  // after "first "
  v.Press(VK_LEFT, ModCtrl);
  EXPECT_EQ(v.View.Caret(), 0);
}

TEST(KeyboardWinTest, CtrlADeleteEmptiesTheDocument) {
  KeyboardView v(ThreeLines);
  v.Press('A', ModCtrl);
  EXPECT_EQ(v.View.Anchor(), 0);
  EXPECT_EQ(v.View.Caret(), v.View.Length());
  v.Notifications.clear();
  v.Press(VK_DELETE);
  EXPECT_EQ(v.Text(), "");
  EXPECT_TRUE(v.View.IsModified());
  const std::vector<int> codes = v.NotificationCodes();
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.back(), TVN_TEXTCHANGED);
}

TEST(KeyboardWinTest, DeleteRemovesTheCharacterAtTheCaret) {
  KeyboardView v("abc");
  v.Place(1);
  v.Press(VK_DELETE);
  EXPECT_EQ(v.Text(), "ac");
  v.Place(2);
  v.Press(VK_DELETE);  // at the end: nothing
  EXPECT_EQ(v.Text(), "ac");
  v.View.SetReadOnly(true);
  v.Place(0);
  v.Press(VK_DELETE);
  EXPECT_EQ(v.Text(), "ac");
}

TEST(KeyboardWinTest, InsertTogglesOverwriteAndTheCaretWidth) {
  KeyboardView v("first\nsecond");
  v.Place(0);
  ASSERT_EQ(GetFocus(), v.Window());
  RECT caret = CaretRect();
  EXPECT_EQ(caret.right - caret.left, 2);
  EXPECT_EQ(caret.bottom - caret.top, v.LineHeight());

  v.Press(VK_INSERT);
  EXPECT_FALSE(v.View.IsInsertMode());
  caret = CaretRect();
  EXPECT_EQ(caret.right - caret.left, v.CharWidth());
  v.Type("XY");
  EXPECT_EQ(v.Text(), "XYrst\nsecond");
  // At the end of the line overwrite inserts: the LF stays.
  v.Place(5);
  v.Type("!");
  EXPECT_EQ(v.Text(), "XYrst!\nsecond");

  v.Press(VK_INSERT);
  EXPECT_TRUE(v.View.IsInsertMode());
  caret = CaretRect();
  EXPECT_EQ(caret.right - caret.left, 2);
  v.Place(0);
  v.Type("a");
  EXPECT_EQ(v.Text(), "aXYrst!\nsecond");
}

TEST(KeyboardWinTest, CtrlZUndoesOneKeystrokeAndCtrlYRedoesIt) {
  KeyboardView v("x");
  v.Place(1);
  v.Type("abc");
  EXPECT_EQ(v.Text(), "xabc");
  v.Press('Z', ModCtrl);
  EXPECT_EQ(v.Text(), "xab");
  v.Press('Z', ModCtrl);
  EXPECT_EQ(v.Text(), "xa");
  v.Press('Y', ModCtrl);
  EXPECT_EQ(v.Text(), "xab");
  EXPECT_EQ(v.View.Caret(), 3);
  // Ctrl+Shift+Z is not undo.
  v.Press('Z', ModCtrl | ModShift);
  EXPECT_EQ(v.Text(), "xab");
  v.View.SetReadOnly(true);
  v.Press('Z', ModCtrl);
  EXPECT_EQ(v.Text(), "xab");
}

TEST(KeyboardWinTest, UndoBackToTheSavedStateClearsTheModifiedFlag) {
  KeyboardView v("saved");
  v.Place(5);
  v.Type("!");
  EXPECT_TRUE(v.View.IsModified());
  v.Press('Z', ModCtrl);
  EXPECT_FALSE(v.View.IsModified());
  v.Press('Y', ModCtrl);
  EXPECT_TRUE(v.View.IsModified());
}

TEST(KeyboardWinTest, EscapeCollapsesTheSelectionToTheCaret) {
  KeyboardView v(ThreeLines);
  v.View.SetSelection(2, 7, ScrollNone);
  v.Press(VK_ESCAPE);
  EXPECT_EQ(v.View.Anchor(), 7);
  EXPECT_EQ(v.View.Caret(), 7);
  v.View.SetSelection(2, 7, ScrollNone);
  v.Press(VK_ESCAPE, ModShift);
  EXPECT_EQ(v.View.Anchor(), 2);
}

TEST(KeyboardWinTest, EnterCopiesTheIndentationOfTheLine) {
  KeyboardView v("  \tfoo");
  v.Place(6);
  v.Type("\nbar");
  EXPECT_EQ(v.Text(), "  \tfoo\n  \tbar");
  EXPECT_EQ(v.View.Caret(), 13);
  // At the very start of an indented line only the LF goes in.
  v.Place(7);
  v.Type("\n");
  EXPECT_EQ(v.Text(), "  \tfoo\n\n  \tbar");
  v.View.AutoIndent = false;
  v.Place(v.View.Length());
  v.Type("\n");
  EXPECT_EQ(v.Text(), "  \tfoo\n\n  \tbar\n");
}

TEST(KeyboardWinTest, BackspaceAndTabNeedTheirKeysDown) {
  KeyboardView v("abc");
  v.Place(3);
  v.Type("\b");
  EXPECT_EQ(v.Text(), "ab");
  // Ctrl+H, Ctrl+I and Ctrl+M give the same codes without their keys: nothing happens.
  SendMessageA(v.Window(), WM_CHAR, 8, 1);
  SendMessageA(v.Window(), WM_CHAR, 9, 1);
  SendMessageA(v.Window(), WM_CHAR, 13, 1);
  SendMessageA(v.Window(), WM_CHAR, 1, 1);  // Ctrl+A
  EXPECT_EQ(v.Text(), "ab");
  v.Type("\t");
  EXPECT_EQ(v.Text(), "ab\t");
  v.View.TabInsertsSpaces = true;
  v.Type("\t");
  EXPECT_EQ(v.Text(), "ab\t    ");
  v.Place(0);
  v.Type("\b");  // nothing before the caret
  EXPECT_EQ(v.Text(), "ab\t    ");
}

TEST(KeyboardWinTest, ReadOnlyIgnoresTyping) {
  KeyboardView v("fixed");
  v.View.SetReadOnly(true);
  v.Place(5);
  v.Notifications.clear();
  v.Type("x\n\b\t");
  EXPECT_EQ(v.Text(), "fixed");
  EXPECT_FALSE(v.View.IsModified());
  EXPECT_TRUE(v.Notifications.empty());
}

TEST(KeyboardWinTest, CtrlDownScrollsAndTheBarFollowsOnKeyUpWhileTheKeyIsHeld) {
  ViewWindowOptions options;
  options.Style = WS_CHILD | WS_VISIBLE | WS_VSCROLL;
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line " + std::to_string(i) + "\n";
  KeyboardView v(text.c_str(), options);
  v.Place(v.View.LineStart(5));
  v.Press(VK_DOWN, ModCtrl);
  EXPECT_EQ(v.View.TopLine(), 1);
  EXPECT_EQ(v.View.Caret(), v.View.LineStart(6));
  EXPECT_EQ(v.ScrollBar(SB_VERT).nPos, 1);

  PressPhysically(VK_DOWN, true);
  v.KeyDown(VK_DOWN, ModCtrl);
  EXPECT_EQ(v.View.TopLine(), 2);
  EXPECT_EQ(v.ScrollBar(SB_VERT).nPos, 1);
  PressPhysically(VK_DOWN, false);
  v.KeyUp(VK_DOWN, ModCtrl);
  EXPECT_EQ(v.ScrollBar(SB_VERT).nPos, 2);

  v.Press(VK_UP, ModCtrl);
  EXPECT_EQ(v.View.Caret(), v.View.LineStart(6));
  EXPECT_EQ(v.View.TopLine(), 1);
  EXPECT_EQ(v.ScrollBar(SB_VERT).nPos, 1);
}

TEST(KeyboardWinTest, PageDownMovesAPageAndScrolls) {
  ViewWindowOptions options;
  options.Style = WS_CHILD | WS_VISIBLE | WS_VSCROLL;
  std::string text;
  for (int i = 0; i < 60; ++i) text += "row " + std::to_string(i) + "\n";
  KeyboardView v(text.c_str(), options);
  v.Place(0);
  const int whole = v.View.ClientHeight() / v.LineHeight();
  ASSERT_EQ(v.View.VisibleLineCount(true), whole);
  v.Press(VK_NEXT);
  EXPECT_EQ(v.View.TopLine(), whole);
  EXPECT_EQ(v.View.LineFromPosition(v.View.Caret()), whole);
  EXPECT_EQ(v.ScrollBar(SB_VERT).nPos, whole);
  v.Press(VK_PRIOR);
  EXPECT_EQ(v.View.TopLine(), 0);
  EXPECT_EQ(v.View.LineFromPosition(v.View.Caret()), 0);
  // Shift extends a page; Ctrl does nothing.
  v.Place(2);
  v.Press(VK_NEXT, ModShift);
  EXPECT_EQ(v.View.Anchor(), 2);
  EXPECT_EQ(v.View.LineFromPosition(v.View.Caret()), whole);
  v.Press(VK_PRIOR, ModCtrl);
  EXPECT_EQ(v.View.Anchor(), 2);
  EXPECT_EQ(v.View.TopLine(), whole);
}

TEST(KeyboardWinTest, CharactersOfTheUpperHalfAreTyped) {
  KeyboardView v("");
  for (int c : {0xE9, 0xFF, 0x80, 0xA0, 0x7F, 0x9F})
    SendMessageA(v.Window(), WM_CHAR, static_cast<WPARAM>(c), 1);
  // Delete (127) is a control character; the others are text in the ANSI code page.
  EXPECT_EQ(v.Text(), "\xE9\xFF\x80\xA0\x9F");
  char buffer[8] = {};
  EXPECT_EQ(SendMessageA(v.Window(), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)), 5);
  EXPECT_STREQ(buffer, "\xE9\xFF\x80\xA0\x9F");
}

// Real keystrokes through the thread's message loop, where TranslateMessage makes the
// characters: the path every key of the editor takes. All of a stroke is queued before the
// loop runs, as when keys come faster than the program handles them (or from a tool).
TEST(KeyboardWinTest, RealKeystrokesThroughTheMessageLoop) {
  KeyboardView v("");
  ASSERT_EQ(GetForegroundWindow(), v.Top());
  ASSERT_EQ(GetFocus(), v.Window());

  v.Load("ab");
  Chord(VK_CONTROL, VK_END);
  Stroke('C');
  Chord(VK_SHIFT, 'D');
  Chord(VK_SHIFT, VK_HOME);
  ViewWindowFixture::Pump();
  EXPECT_EQ(v.Text(), "abcD");
  EXPECT_EQ(v.View.Anchor(), 4);
  EXPECT_EQ(v.View.Caret(), 0);

  v.Load("\tab");
  Chord(VK_CONTROL, VK_END);
  Stroke(VK_RETURN);  // auto indent copies the tab
  Stroke('C');
  Stroke(VK_BACK);
  Stroke(VK_TAB);
  ViewWindowFixture::Pump();
  EXPECT_EQ(v.Text(), "\tab\n\t\t");

  v.Load("text");
  Chord(VK_CONTROL, 'A');  // selects all; the control character it makes is ignored
  ViewWindowFixture::Pump();
  EXPECT_EQ(v.View.Anchor(), 0);
  EXPECT_EQ(v.View.Caret(), 4);
  Stroke('X');
  ViewWindowFixture::Pump();
  EXPECT_EQ(v.Text(), "x");
  // Typing over a selection is two edits: the deletion, then the character.
  Chord(VK_CONTROL, 'Z');
  ViewWindowFixture::Pump();
  EXPECT_EQ(v.Text(), "");
  Chord(VK_CONTROL, 'Z');
  ViewWindowFixture::Pump();
  EXPECT_EQ(v.Text(), "text");
  EXPECT_FALSE(v.View.IsModified());
}

TEST(KeyboardWinTest, TheOverwriteCaretCoversTheCharacterUnderIt) {
  KeyboardView v("ab\tx\n");
  const int w = v.CharWidth();
  v.Press(VK_INSERT);
  auto caretWidthAt = [&](int pos) {
    v.Place(pos);
    const RECT caret = CaretRect();
    return static_cast<int>(caret.right - caret.left);
  };
  EXPECT_EQ(caretWidthAt(0), w);
  EXPECT_EQ(caretWidthAt(2), 4 * w - 2 * w);  // the tab reaches the next stop of 4 columns
  EXPECT_EQ(caretWidthAt(3), w);
  EXPECT_EQ(caretWidthAt(4), w);  // at the line's end: the average width
  EXPECT_EQ(caretWidthAt(5), w);
  v.Press(VK_INSERT);
  EXPECT_EQ(caretWidthAt(2), 2);
}

TEST(KeyboardWinTest, InADialogTheViewKeepsTabAndEnterUnlessReadOnly) {
  KeyboardView v("ab");
  HWND button = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 40, 20, v.Top(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), nullptr, nullptr);
  SetWindowLongPtrA(v.Window(), GWL_STYLE, GetWindowLongPtrA(v.Window(), GWL_STYLE) | WS_TABSTOP);
  v.Place(2);
  Stroke(VK_TAB);
  Stroke(VK_RETURN);
  PumpAsDialog(v.Top());
  EXPECT_EQ(v.Text(), "ab\t\n");
  EXPECT_EQ(GetFocus(), v.Window());

  v.View.SetReadOnly(true);
  Stroke(VK_TAB);
  PumpAsDialog(v.Top());
  EXPECT_EQ(GetFocus(), button);
  EXPECT_EQ(v.Text(), "ab\t\n");
}

TEST(KeyboardWinTest, EscapeReachesTheDialogOnlyWithoutASelection) {
  KeyboardView v("some text");
  v.View.SetSelection(0, 4, ScrollNone);
  v.Notifications.clear();
  Stroke(VK_ESCAPE);
  PumpAsDialog(v.Top());
  EXPECT_FALSE(v.View.HasSelection());
  for (const ViewNotification& n : v.Notifications) EXPECT_NE(n.Id, IDCANCEL);

  v.Notifications.clear();
  Stroke(VK_ESCAPE);
  PumpAsDialog(v.Top());
  ASSERT_FALSE(v.Notifications.empty());
  EXPECT_EQ(v.Notifications.back().Id, IDCANCEL);
}
