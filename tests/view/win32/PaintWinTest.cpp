// What the view paints, read back from the screen: the gutter's colours and bookmark boxes,
// selection colours with and without the focus, scheme and read-only backgrounds, token
// colours and white-space marks.
#include "tests/view/win32/ViewWindowFixture.h"

#include "editor/syntax/CppLanguage.h"

#include <gtest/gtest.h>

namespace {

const COLORREF GutterGrey = RGB(230, 230, 230);
const COLORREF BookmarkCyan = RGB(0, 255, 255);
const COLORREF White = RGB(255, 255, 255);
const COLORREF Black = RGB(0, 0, 0);

struct PaintView : ViewWindowFixture {
  explicit PaintView(const std::string& text, RefPtr<ColorScheme> scheme = nullptr,
                     RefPtr<LanguageDef> language = nullptr)
      : ViewWindowFixture(Options(std::move(scheme), std::move(language))) {
    UseFixedFont();
    View.SetText(text);
    View.SetSelection(0, 0, ScrollNone);
  }
  static ViewWindowOptions Options(RefPtr<ColorScheme> scheme, RefPtr<LanguageDef> language) {
    ViewWindowOptions options;
    options.ExStyle = WS_EX_CLIENTEDGE;  // the gutter's rectangle starts inside the edge
    options.Scheme = std::move(scheme);
    options.Language = std::move(language);
    return options;
  }
  Image Shot() {
    Repaint();
    return CaptureView();
  }
  // Client rectangles of the view to image rectangles of Shot.
  int ImageX(int clientX) const { return ClientOrigin().x + clientX; }
  int ImageY(int clientY) const { return ClientOrigin().y + clientY; }
  // How many pixels of the client rectangle [left, right) x [top, bottom) have the colour.
  int CountInClient(const Image& image, int left, int top, int right, int bottom, COLORREF colour) const {
    return image.Count(ImageX(left), ImageY(top), ImageX(right), ImageY(bottom), colour);
  }
  int Edge() const { return GetSystemMetrics(SM_CXEDGE); }
  int EdgeY() const { return GetSystemMetrics(SM_CYEDGE); }
  // The edge column of the gutter, in image coordinates.
  int GutterEdgeX() const { return Edge() + View.GutterWidth() - 1; }
};

}  // namespace

TEST(PaintWinTest, TheGutterIsGreyWithAnEdgeColumnInTheBackgroundColour) {
  PaintView v("one\ntwo\nthree");
  ASSERT_EQ(v.View.GutterWidth(), 21);
  ASSERT_EQ(v.ClientOrigin().x, v.Edge() + 21);
  const Image image = v.Shot();
  const int top = v.EdgeY(), bottom = v.EdgeY() + v.View.ClientHeight();
  const int height = bottom - top;
  EXPECT_EQ(image.Count(v.Edge(), top, v.GutterEdgeX(), bottom, GutterGrey), 20 * height);
  EXPECT_EQ(image.Count(v.GutterEdgeX(), top, v.GutterEdgeX() + 1, bottom, White), height);
}

TEST(PaintWinTest, LineNumbersAreDrawnIntoTheGutterCells) {
  PaintView v("one\ntwo\nthree");
  v.View.SetShowLineNumbers(true);
  const Image image = v.Shot();
  const int h = v.LineHeight();
  for (int line = 0; line < 3; ++line) {
    const int top = v.EdgeY() + line * h + 1;
    EXPECT_GT(image.Count(v.Edge(), top, v.Edge() + v.CharWidth(), top + h - 2, RGB(0, 96, 0)), 0) << line;
  }
  // Below the last line the cells stay empty.
  const int below = v.EdgeY() + 3 * h;
  EXPECT_EQ(image.Count(v.Edge(), below, v.GutterEdgeX(), below + h, GutterGrey), (v.View.GutterWidth() - 1) * h);
}

TEST(PaintWinTest, ABookmarkIsACyanBoxOnItsLine) {
  PaintView v("one\ntwo\nthree");
  const int h = v.LineHeight();
  const int right = v.Edge() + v.View.GutterWidth();
  auto cyanOnLine = [&](const Image& image, int line) {
    const int top = v.EdgeY() + line * h;
    return image.Count(right - 21, top + 1, right - 1, top + h - 1, BookmarkCyan);
  };
  v.View.SetSelection(5, 5, ScrollNone);
  v.View.ToggleBookmark();
  EXPECT_TRUE(v.View.HasBookmark(1));
  Image image = v.Shot();
  EXPECT_EQ(cyanOnLine(image, 0), 0);
  // Inside its black frame the box is filled with cyan.
  EXPECT_GT(cyanOnLine(image, 1), (20 - 2) * (h - 2 - 2) * 3 / 4);
  EXPECT_EQ(image.At(right - 11, v.EdgeY() + h + h / 2), BookmarkCyan);
  EXPECT_EQ(image.At(right - 11, v.EdgeY() + h + 1), Black);
  EXPECT_EQ(cyanOnLine(image, 2), 0);

  v.View.ToggleBookmark();
  EXPECT_FALSE(v.View.HasBookmark(1));
  image = v.Shot();
  EXPECT_EQ(cyanOnLine(image, 1), 0);
}

TEST(PaintWinTest, TheSelectionShowsInHighlightWithTheFocusAndInShadowWithout) {
  PaintView v("hello world\nsecond line");
  const int w = v.CharWidth(), h = v.LineHeight();
  v.View.SetSelection(0, 5, ScrollNone);
  ASSERT_EQ(GetFocus(), v.Window());
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const int area = 5 * w * h;

  Image image = v.Shot();
  EXPECT_GT(v.CountInClient(image, 0, 0, 5 * w, h, highlight), area / 2);
  EXPECT_EQ(v.CountInClient(image, 6 * w, 0, 11 * w, h, highlight), 0);
  EXPECT_EQ(v.CountInClient(image, 0, h, 11 * w, 2 * h, highlight), 0);
  // The line break is not highlighted: a selection across it ends at the last character.
  v.View.SetSelection(6, 14, ScrollNone);
  image = v.Shot();
  EXPECT_GT(v.CountInClient(image, 6 * w, 0, 11 * w, h, highlight), 5 * w * h / 2);
  EXPECT_EQ(v.CountInClient(image, 11 * w, 0, 20 * w, h, highlight), 0);
  EXPECT_GT(v.CountInClient(image, 0, h, 2 * w, 2 * h, highlight), w * h);

  v.View.SetSelection(0, 5, ScrollNone);
  SetFocus(v.Top());
  image = v.Shot();
  EXPECT_EQ(v.CountInClient(image, 0, 0, 5 * w, h, highlight), 0);
  EXPECT_GT(v.CountInClient(image, 0, 0, 5 * w, h, shadow), area / 2);
  // Selected text is drawn in the window colour on the shadow.
  EXPECT_GT(v.CountInClient(image, 0, 0, 5 * w, h, GetSysColor(COLOR_WINDOW)), 0);
}

TEST(PaintWinTest, WithoutSystemColoursTheSelectionInvertsTheScheme) {
  PaintView v("hello world", DefaultScheme("Forest"));
  const RefPtr<ColorScheme> forest = v.View.GetColorScheme();
  v.View.SetUseSystemSelectionColor(false);
  v.View.SetSelection(0, 5, ScrollNone);
  const int w = v.CharWidth(), h = v.LineHeight();
  const Image image = v.Shot();
  EXPECT_GT(v.CountInClient(image, 0, 0, 5 * w, h, forest->Colors[PlainText]), 5 * w * h / 2);
  EXPECT_GT(v.CountInClient(image, 0, 0, 5 * w, h, forest->Colors[BackgroundItem]), 0);
}

TEST(PaintWinTest, TheSchemeBackgroundFillsTheTextAreaAndTheGutterEdge) {
  const RefPtr<ColorScheme> ocean = DefaultScheme("Ocean");
  ASSERT_TRUE(ocean);
  PaintView v("short\ntext", ocean);
  const COLORREF background = ocean->Colors[BackgroundItem];
  const Image image = v.Shot();
  const int w = v.View.ClientWidth(), height = v.View.ClientHeight(), h = v.LineHeight();
  // Everything right of the text and below the lines is background.
  EXPECT_EQ(v.CountInClient(image, 6 * v.CharWidth(), 0, w, height, background),
            (w - 6 * v.CharWidth()) * height);
  EXPECT_EQ(v.CountInClient(image, 0, 2 * h, w, height, background), w * (height - 2 * h));
  EXPECT_EQ(image.Count(v.GutterEdgeX(), v.EdgeY(), v.GutterEdgeX() + 1, v.EdgeY() + height, background), height);
  // Ocean is dark: its gutter is a shade of its own blue towards its yellow text.
  EXPECT_EQ(image.At(v.Edge(), v.EdgeY() + 1), RGB(32, 32, 151));
}

TEST(PaintWinTest, ReadOnlyWithGreyWhenReadOnlyPaintsOnButtonFace) {
  const RefPtr<ColorScheme> ocean = DefaultScheme("Ocean");
  PaintView v("read me", ocean);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int w = v.View.ClientWidth(), height = v.View.ClientHeight(), h = v.LineHeight();
  const int x = 8 * v.CharWidth();

  v.View.SetReadOnly(true);  // without GreyWhenReadOnly the scheme stays
  Image image = v.Shot();
  EXPECT_EQ(v.CountInClient(image, x, 0, w, height, ocean->Colors[BackgroundItem]), (w - x) * height);

  v.View.SetGreyWhenReadOnly(true);
  image = v.Shot();
  EXPECT_EQ(v.CountInClient(image, x, 0, w, height, face), (w - x) * height);
  EXPECT_EQ(v.CountInClient(image, 0, h, w, height, face), w * (height - h));
  EXPECT_EQ(image.Count(v.GutterEdgeX(), v.EdgeY(), v.GutterEdgeX() + 1, v.EdgeY() + height, face), height);

  v.View.SetReadOnly(false);
  image = v.Shot();
  EXPECT_EQ(v.CountInClient(image, x, 0, w, height, face), 0);
}

TEST(PaintWinTest, ADisabledViewPaintsOnButtonFace) {
  PaintView v("disabled");
  EnableWindow(v.Window(), FALSE);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int w = v.View.ClientWidth(), height = v.View.ClientHeight(), h = v.LineHeight();
  const Image image = v.Shot();
  EXPECT_EQ(v.CountInClient(image, 0, h, w, height, face), w * (height - h));
}

TEST(PaintWinTest, TokensAreDrawnInTheirSchemeColours) {
  const RefPtr<ColorScheme> sky = DefaultScheme("Sky");
  PaintView v("int x; // note", sky, MakeCppLanguage(""));
  const int w = v.CharWidth(), h = v.LineHeight();
  const COLORREF keyword = sky->Colors[Keyword];
  const COLORREF comment = sky->Colors[Comment];
  const COLORREF plain = sky->Colors[PlainText];
  const Image image = v.Shot();
  EXPECT_GT(v.CountInClient(image, 0, 0, 3 * w, h, keyword), 0);
  EXPECT_EQ(v.CountInClient(image, 0, 0, 3 * w, h, plain), 0);
  EXPECT_EQ(v.CountInClient(image, 0, 0, 3 * w, h, comment), 0);
  EXPECT_GT(v.CountInClient(image, 4 * w, 0, 6 * w, h, plain), 0);
  EXPECT_GT(v.CountInClient(image, 7 * w, 0, 14 * w, h, comment), 0);
  EXPECT_EQ(v.CountInClient(image, 7 * w, 0, 14 * w, h, keyword), 0);
}

TEST(PaintWinTest, VisibleWhiteSpaceMarksTabsWithALineAndSpacesWithADot) {
  PaintView v("\tA B");
  v.View.SetShowWhitespace(true);
  const int w = v.CharWidth(), h = v.LineHeight();
  const int tab = 4 * w;  // TabWidth 4
  const int y = h / 2;
  const Image image = v.Shot();
  // The tab's line runs from 2 pixels after its start to 2 pixels before its end.
  EXPECT_EQ(v.CountInClient(image, 2, y, tab - 2, y + 1, Black), tab - 4);
  EXPECT_EQ(image.At(v.ImageX(1), v.ImageY(y)), White);
  EXPECT_EQ(image.At(v.ImageX(tab - 2), v.ImageY(y)), White);
  EXPECT_EQ(v.CountInClient(image, 0, y - 1, tab, y, Black), 0);
  EXPECT_EQ(v.CountInClient(image, 0, y + 1, tab, y + 2, Black), 0);
  // The space after "A" has one dot in its middle.
  const int space = tab + w;
  EXPECT_EQ(image.At(v.ImageX(space + w / 2), v.ImageY(y)), Black);
  EXPECT_EQ(v.CountInClient(image, space, 0, space + w, h, Black), 1);

  v.View.SetShowWhitespace(false);
  const Image plain = v.Shot();
  EXPECT_EQ(v.CountInClient(plain, 0, 0, tab, h, Black), 0);
  EXPECT_EQ(v.CountInClient(plain, space, 0, space + w, h, Black), 0);
}

namespace {

// C++ lines of comments, keywords, strings and tabs, longer than the view is wide.
std::string CppLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += (i % 3 ? "\tint value" : "// comment ") + std::to_string(i) + " = \"text\"; /* note */ more words here\n";
  return text;
}

// Paints only what the view has invalidated (or scrolled) since the last paint and checks
// that the result does not differ by one pixel from painting everything anew.
void ExpectPaintedAsNew(PaintView& v, const char* step) {
  UpdateWindow(v.Window());
  ViewWindowFixture::Pump();
  const Image incremental = v.CaptureView();
  const Image full = v.Shot();
  ASSERT_EQ(incremental.Width(), full.Width());
  int differing = 0;
  for (int y = 0; y < full.Height(); ++y)
    for (int x = 0; x < full.Width(); ++x)
      if (incremental.At(x, y) != full.At(x, y)) ++differing;
  EXPECT_EQ(differing, 0) << step;
}

}  // namespace

TEST(PaintWinTest, IncrementalPaintingMatchesAFullRepaint) {
  PaintView v(CppLines(40), DefaultScheme("Sky"), MakeCppLanguage(""));
  v.View.SetShowLineNumbers(true);
  v.Repaint();
  auto paintedAsNew = [&](const char* step) { ExpectPaintedAsNew(v, step); };
  v.View.SetSelection(v.View.LineStart(2) + 3, v.View.LineStart(2) + 3, ScrollToCaret);
  paintedAsNew("caret placed");
  v.Type("/*");  // opens a comment that runs down the rest of the document
  paintedAsNew("comment opened");
  v.Press(VK_DOWN, ModShift);
  v.Press(VK_RIGHT, ModShift);
  paintedAsNew("selection extended");
  v.Wheel(-WHEEL_DELTA);
  paintedAsNew("wheel");
  v.Scroll(WM_VSCROLL, SB_PAGEDOWN);
  paintedAsNew("page down");
  v.Scroll(WM_HSCROLL, SB_LINERIGHT);
  v.Scroll(WM_HSCROLL, SB_LINERIGHT);
  paintedAsNew("scrolled right");
  v.Type("\b\b");  // the comment closes again
  paintedAsNew("comment removed");
  v.View.ToggleBookmark();
  paintedAsNew("bookmark");
  SetFocus(v.Top());
  paintedAsNew("focus lost");
}

// Settings that change colours or the gutter repaint what they change, frame included.
TEST(PaintWinTest, ChangedSettingsRepaintAsAFullRepaintWould) {
  PaintView v(CppLines(30), DefaultScheme("Sky"), MakeCppLanguage(""));
  v.Repaint();
  v.View.SetGreyWhenReadOnly(true);
  v.View.SetReadOnly(true);
  ExpectPaintedAsNew(v, "read-only");
  v.View.SetGreyWhenReadOnly(false);
  ExpectPaintedAsNew(v, "read-only, not grey");
  v.View.SetGreyWhenReadOnly(true);
  ExpectPaintedAsNew(v, "read-only, grey again");
  v.View.SetReadOnly(false);
  ExpectPaintedAsNew(v, "editable");
  v.View.SetColorScheme(DefaultScheme("Ocean"));
  ExpectPaintedAsNew(v, "other scheme");
  EnableWindow(v.Window(), FALSE);
  ExpectPaintedAsNew(v, "disabled");
  EnableWindow(v.Window(), TRUE);
  ExpectPaintedAsNew(v, "enabled");
  v.View.SetShowLineNumbers(true);
  ExpectPaintedAsNew(v, "line numbers");
  v.View.SetShowWhitespace(true);
  ExpectPaintedAsNew(v, "white space");
  v.View.SetTabWidth(8);
  ExpectPaintedAsNew(v, "tab width");
  v.View.SetLanguage(nullptr);
  ExpectPaintedAsNew(v, "plain text");
  v.View.SetShowBookmarkMargin(false);
  ExpectPaintedAsNew(v, "no bookmark margin");
  v.UseFixedFont(DEFAULT_QUALITY);
  ExpectPaintedAsNew(v, "font");
}

TEST(PaintWinTest, IncrementalPaintingUnderWordWrapMatchesAFullRepaint) {
  PaintView v(CppLines(12), DefaultScheme("Sky"), MakeCppLanguage(""));
  v.View.SetShowLineNumbers(true);
  v.View.SetWordWrap(true);
  ASSERT_GT(v.View.LineCount(), 13);
  v.Repaint();
  v.View.SetSelection(v.View.LineStart(0) + 3, v.View.LineStart(0) + 3, ScrollToCaret);
  v.Type("inserted words that push the rest of the line down ");
  ExpectPaintedAsNew(v, "typed into a wrapped line");
  v.Type("\n");
  ExpectPaintedAsNew(v, "line break");
  v.Press('Z', ModCtrl);
  v.Press('Z', ModCtrl);
  ExpectPaintedAsNew(v, "undone");
  SetWindowPos(v.Window(), nullptr, 0, 0, 300, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  v.View.Rewrap(true);
  ExpectPaintedAsNew(v, "narrower and rewrapped");
}

TEST(PaintWinTest, WithoutAnEdgeTheGutterStartsAtTheWindowsLeft) {
  ViewWindowFixture f;
  f.UseFixedFont();
  f.View.SetText("one\ntwo");
  f.Repaint();
  const Image image = f.CaptureView();
  ASSERT_EQ(f.ClientOrigin().x, 21);
  const int height = f.View.ClientHeight();
  EXPECT_EQ(image.Count(0, 0, 20, height, GutterGrey), 20 * height);
  EXPECT_EQ(image.Count(20, 0, 21, height, White), height);
}

TEST(PaintWinTest, BesideTheHorizontalBarTheGutterGoesOnDown) {
  ViewWindowOptions options;
  options.Style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
  options.ExStyle = WS_EX_CLIENTEDGE;
  ViewWindowFixture f(options);
  f.UseFixedFont();
  f.View.SetText(std::string(300, 'h'));
  f.Repaint();
  const Image image = f.CaptureView();
  const int edge = GetSystemMetrics(SM_CXEDGE), bar = GetSystemMetrics(SM_CYHSCROLL);
  const int bottom = GetSystemMetrics(SM_CYEDGE) + f.View.ClientHeight();
  EXPECT_EQ(image.Count(edge, bottom, edge + 20, bottom + bar, GutterGrey), 20 * bar);
}
