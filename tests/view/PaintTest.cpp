// Painting the text area: colours of tokens, background and selection, which lines and which
// part of a line are drawn, white-space marks, and long lines that are drawn and measured
// only where they show.
#include "editor/syntax/CppLanguage.h"
#include "tests/view/FakePainter.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <string>

namespace {

constexpr Colour Background = 0xBB0000;
// FakeHost's made-up system colours.
constexpr Colour ButtonFace = 0x010000 + SystemColourButtonFace;
constexpr Colour ButtonShadow = 0x010000 + SystemColourButtonShadow;
constexpr Colour WindowColour = 0x010000 + SystemColourWindow;
constexpr Colour Highlight = 0x010000 + SystemColourHighlight;
constexpr Colour HighlightText = 0x010000 + SystemColourHighlightText;

RefPtr<ColorScheme> DistinctScheme() {
  return RefPtr<ColorScheme>(new ColorScheme("test", 0, {0x10, 0x11, 0x12, 0x13, 0x14, Background}));
}

class Painting : public ::testing::Test, public ViewFixture {
protected:
  Painting() { View.SetColorScheme(DistinctScheme()); }

  void PaintAll() {
    Painter.Calls.clear();
    View.Paint(Painter, 0, 0, View.ClientWidth(), View.ClientHeight());
  }
  std::vector<PaintCall> TextsAt(int y) const {
    std::vector<PaintCall> texts;
    for (const PaintCall& call : Painter.Of(PaintCall::Text))
      if (call.Y == y) texts.push_back(call);
    return texts;
  }

  FakePainter Painter;
};

TEST_F(Painting, TokensTakeTheirKindsColourOnTheBackground) {
  View.SetLanguage(MakeCppLanguage(""));
  View.SetText("int x = 1; // note");
  PaintAll();
  const RefPtr<LineColouring> colouring = View.ColouringOf(0);
  std::set<Colour> seen;
  for (const PaintCall& call : TextsAt(0)) {
    const int column = call.X / 7;
    int kind = -1;
    for (const ColouredToken& token : colouring->Tokens)
      if (token.Column <= column) kind = token.Kind;
    ASSERT_GE(kind, 0);
    EXPECT_EQ(call.TextColour, View.GetColorScheme()->Colors[kind]) << call.Chars;
    EXPECT_EQ(call.Pen, call.TextColour) << call.Chars;
    EXPECT_EQ(call.BackColour, Background) << call.Chars;
    seen.insert(call.TextColour);
  }
  EXPECT_EQ(Painter.TextAt(0), "int x = 1; // note");
  EXPECT_TRUE(seen.count(0x12)) << "keyword colour";
  EXPECT_TRUE(seen.count(0x11)) << "comment colour";
  EXPECT_EQ(View.BackgroundColour(), Background);
}

TEST_F(Painting, DisabledOrGreyedReadOnlyViewPaintsOnButtonFace) {
  View.SetText("abc");
  View.SetReadOnly(true);
  EXPECT_EQ(View.BackgroundColour(), Background) << "read-only alone keeps the scheme's background";
  View.SetGreyWhenReadOnly(true);
  EXPECT_EQ(View.BackgroundColour(), ButtonFace);
  PaintAll();
  ASSERT_FALSE(TextsAt(0).empty());
  EXPECT_EQ(TextsAt(0)[0].BackColour, ButtonFace);

  View.SetReadOnly(false);
  EXPECT_EQ(View.BackgroundColour(), Background);
  Host.Enabled = false;
  EXPECT_EQ(View.BackgroundColour(), ButtonFace);
}

TEST_F(Painting, SelectionColoursFollowFocusAndSetting) {
  View.SetText("abcdef");
  View.SetSelection(1, 3, ScrollNone);
  struct Case {
    bool Focus;
    bool System;
    Colour Text, Back;
  } cases[] = {{false, true, WindowColour, ButtonShadow},
               {false, false, WindowColour, ButtonShadow},
               {true, true, HighlightText, Highlight},
               {true, false, Background, 0x10}};
  for (const Case& c : cases) {
    Host.Focus = c.Focus;
    View.SetUseSystemSelectionColor(c.System);
    PaintAll();
    const std::vector<PaintCall> fills = Painter.Of(PaintCall::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Fill, c.Back);
    EXPECT_EQ(fills[0].X, 7);
    EXPECT_EQ(fills[0].X2, 21);
    EXPECT_EQ(fills[0].Y, 0);
    EXPECT_EQ(fills[0].Y2, 16);
    const std::vector<PaintCall> texts = TextsAt(0);
    ASSERT_FALSE(texts.empty());
    const PaintCall& selected = texts.back();
    EXPECT_EQ(selected.Chars, "bc");
    EXPECT_EQ(selected.X, 7);
    EXPECT_EQ(selected.TextColour, c.Text);
    EXPECT_EQ(selected.BackColour, c.Back);
    EXPECT_EQ(selected.Pen, Background) << "marks in selected text use the background pen";
  }
}

TEST_F(Painting, WhollySelectedLineDrawsOnlyTheSelection) {
  View.SetText("abc\ndef\nghi");
  // Selecting the line break as well changes nothing: it is never highlighted.
  for (int end : {3, 4}) {
    View.SetSelection(0, end, ScrollNone);
    PaintAll();
    const std::vector<PaintCall> texts = TextsAt(0);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Chars, "abc");
    EXPECT_EQ(texts[0].BackColour, Highlight);
    EXPECT_EQ(Painter.TextAt(16), "def") << "the next line is drawn as usual";
    EXPECT_EQ(TextsAt(16)[0].BackColour, Background);
  }
}

TEST_F(Painting, PartlySelectedLineIsDrawnWholeAndTheSelectionOverIt) {
  View.SetText("abcdef");
  View.SetSelection(4, 2, ScrollNone);
  PaintAll();
  const std::vector<PaintCall>& calls = Painter.Calls;
  ASSERT_EQ(CallsOf(calls, PaintCall::Text).size(), 2u);
  EXPECT_EQ(CallsOf(calls, PaintCall::Text)[0].Chars, "abcdef");
  EXPECT_EQ(CallsOf(calls, PaintCall::Text)[1].Chars, "cd");
  // The fill comes after the line's text and before the selected characters.
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[1].What, PaintCall::FillRect);
  EXPECT_EQ(calls[1].X, 14);
  EXPECT_EQ(calls[1].X2, 28);
}

TEST_F(Painting, SelectionStopsAtTheLastCharacterOfEachLine) {
  View.SetText("abc\ndefgh\n\nij");
  View.SetSelection(1, 12, ScrollNone);  // from "b" into "ij"
  PaintAll();
  const std::vector<PaintCall> fills = Painter.Of(PaintCall::FillRect);
  ASSERT_EQ(fills.size(), 3u) << "the empty line gets no fill";
  EXPECT_EQ(fills[0].X, 7);
  EXPECT_EQ(fills[0].X2, 21);
  EXPECT_EQ(fills[1].X, 0);
  EXPECT_EQ(fills[1].X2, 35);
  EXPECT_EQ(fills[1].Y, 16);
  EXPECT_EQ(fills[2].X, 0);
  EXPECT_EQ(fills[2].X2, 7);
  EXPECT_EQ(fills[2].Y, 48);
}

TEST_F(Painting, PaintRectangleLimitsTheLinesDrawn) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line" + std::to_string(i) + "\n";
  View.SetText(text);
  View.SetTopLine(10);
  Painter.Calls.clear();
  // Rows 3 to 5: the bottom edge reaches one pixel into row 5.
  View.Paint(Painter, 0, 3 * 16 + 5, 100, 5 * 16 + 1);
  std::vector<std::string> drawn;
  for (const PaintCall& call : Painter.Of(PaintCall::Text)) drawn.push_back(std::to_string(call.Y) + call.Chars);
  EXPECT_EQ(drawn, (std::vector<std::string>{"48line13", "64line14", "80line15"}));

  // Below the last line nothing is drawn.
  View.SetText("a\nb\nc");
  PaintAll();
  EXPECT_EQ(Painter.TextAt(2 * 16), "c");
  EXPECT_EQ(Painter.Of(PaintCall::Text).size(), 3u);
}

TEST_F(Painting, ScrolledLineStartsAtTheVisibleColumn) {
  std::string line;
  for (int i = 0; i < 300; ++i) line += static_cast<char>('a' + i % 26);
  View.SetText(line);
  View.SetScrollX(100);
  ASSERT_EQ(View.ScrollX(), 100);
  PaintAll();
  const std::vector<PaintCall> texts = TextsAt(0);
  ASSERT_FALSE(texts.empty());
  // Column 14 begins at 98, two pixels left of the window's edge; one glyph more is drawn
  // at each side, so that glyphs reaching over their neighbours show as in a full repaint.
  EXPECT_EQ(texts[0].X, 13 * 7 - 100);
  EXPECT_EQ(texts[0].TabOrigin, -100);
  EXPECT_EQ(Painter.TextAt(0).substr(0, 3), line.substr(13, 3));
  const PaintCall& last = texts.back();
  EXPECT_GE(last.X + last.Width, View.ClientWidth() + 7);
  EXPECT_LE(Painter.CharactersDrawn(), 80 + 2 + 2) << "what lies right of the window is not drawn";

  // Only the paint rectangle's columns: a strip in the middle of the window.
  Painter.Calls.clear();
  View.Paint(Painter, 210, 0, 230, 16);
  EXPECT_EQ(Painter.TextAt(0).substr(0, 1), line.substr(43, 1));
  EXPECT_EQ(TextsAt(0)[0].X, 43 * 7 - 100);
  EXPECT_LE(Painter.CharactersDrawn(), 6);
}

TEST_F(Painting, ScrolledLineSkipsTheTokensLeftOfTheWindow) {
  View.SetLanguage(MakeCppLanguage(""));
  const std::string line = "int " + std::string(300, 'x') + " /* " + std::string(300, 'c') + " */ return";
  View.SetText(line);
  const int commentColumn = static_cast<int>(line.find("/*"));
  // The identifier's end and the comment's start both show.
  View.SetScrollX(commentColumn * 7 - 200);
  PaintAll();
  const std::vector<PaintCall> texts = TextsAt(0);
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0].TextColour, 0x10u);
  EXPECT_EQ(texts[0].Chars.substr(0, 1), "x");
  const PaintCall* comment = nullptr;
  for (const PaintCall& call : texts)
    if (!comment && call.TextColour == 0x11u) comment = &call;
  ASSERT_NE(comment, nullptr);
  EXPECT_EQ(comment->X, 200);
  EXPECT_EQ(comment->Chars.substr(0, 2), "/*");
  for (const PaintCall& call : texts) EXPECT_NE(call.TextColour, 0x12u) << "no keyword shows: " << call.Chars;

  // Far into the comment only the comment's colour is drawn.
  View.SetScrollX((commentColumn + 100) * 7);
  PaintAll();
  ASSERT_FALSE(TextsAt(0).empty());
  for (const PaintCall& call : TextsAt(0)) EXPECT_EQ(call.TextColour, 0x11u) << call.Chars;
}

TEST_F(Painting, WhitespaceMarksSitAtTheRightPixels) {
  View.SetText("abc\t d\n\tx");
  PaintAll();
  EXPECT_TRUE(Painter.Of(PaintCall::Pixel).empty());
  EXPECT_TRUE(Painter.Of(PaintCall::Line).empty());

  Host.Clear();
  View.SetShowWhitespace(true);
  EXPECT_EQ(Host.Count(HostEvent::All), 1);
  View.SetShowWhitespace(true);
  EXPECT_EQ(Host.Count(HostEvent::All), 1) << "an unchanged setting repaints nothing";
  PaintAll();
  // The tab after three characters is 7 pixels wide (21 to 28); the space then spans 28 to 35.
  const std::vector<PaintCall> lines = Painter.Of(PaintCall::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].X, 23);
  EXPECT_EQ(lines[0].X2, 26);
  EXPECT_EQ(lines[0].Y, 8);
  EXPECT_EQ(lines[0].Pen, 0x10u) << "the tab's token pen";
  // A tab at the start of a line is 28 pixels wide.
  EXPECT_EQ(lines[1].X, 2);
  EXPECT_EQ(lines[1].X2, 26);
  EXPECT_EQ(lines[1].Y, 16 + 8);
  const std::vector<PaintCall> dots = Painter.Of(PaintCall::Pixel);
  ASSERT_EQ(dots.size(), 1u);
  EXPECT_EQ(dots[0].X, 28 + 3);
  EXPECT_EQ(dots[0].Y, 8);
  EXPECT_EQ(dots[0].Fill, 0x10u);
  EXPECT_EQ(Painter.TextAt(0), "abc\t d") << "every character is still drawn";
}

TEST_F(Painting, WhitespaceMarksInTheSelectionUseItsColours) {
  View.SetShowWhitespace(true);
  View.SetText("a b\tc");
  View.SelectAll();
  PaintAll();
  const std::vector<PaintCall> dots = Painter.Of(PaintCall::Pixel);
  ASSERT_EQ(dots.size(), 1u);
  EXPECT_EQ(dots[0].Fill, HighlightText);
  const std::vector<PaintCall> lines = Painter.Of(PaintCall::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Pen, Background);
  EXPECT_EQ(lines[0].X, 21 + 2);
  EXPECT_EQ(lines[0].X2, 28 - 2);
}

TEST_F(Painting, SettingsRepaintOnlyWhenChanged) {
  Host.Clear();
  View.SetUseSystemSelectionColor(true);
  View.SetGreyWhenReadOnly(false);
  EXPECT_EQ(Host.Count(HostEvent::All), 0);
  View.SetUseSystemSelectionColor(false);
  EXPECT_EQ(Host.Count(HostEvent::All), 1);
  View.SetGreyWhenReadOnly(true);
  EXPECT_EQ(Host.Count(HostEvent::All), 2);
  EXPECT_EQ(Host.Count(HostEvent::Gutter), 1) << "the gutter's edge takes the background";
  EXPECT_FALSE(View.GetUseSystemSelectionColor());
  EXPECT_TRUE(View.GetGreyWhenReadOnly());
}

TEST_F(Painting, MultiLineCommentColoursThePaintedLines) {
  View.SetLanguage(MakeCppLanguage(""));
  View.SetText("a\n/* x\ny\nz */ b\nc");
  PaintAll();
  const Colour comment = 0x11, plain = 0x10;
  EXPECT_EQ(TextsAt(2 * 16).at(0).TextColour, comment);
  EXPECT_EQ(TextsAt(3 * 16).at(0).TextColour, comment);
  EXPECT_EQ(TextsAt(3 * 16).back().TextColour, plain) << "after the closing marker";
  EXPECT_EQ(TextsAt(4 * 16).at(0).TextColour, plain);

  // Without the opening marker the lines below are plain again.
  View.ReplaceText(2, 2, "", 2, 2, ScrollNone, true);
  PaintAll();
  EXPECT_EQ(TextsAt(2 * 16).at(0).TextColour, plain);
  EXPECT_EQ(TextsAt(4 * 16).at(0).TextColour, plain);
}

// A line of letters with a tab now and then, so that columns and pixels part ways.
std::string TabbedLine(int length, unsigned seed) {
  std::mt19937 random(seed);
  std::string line;
  for (int i = 0; i < length; ++i) line += random() % 13 == 0 ? '\t' : static_cast<char>('a' + random() % 26);
  return line;
}

// The drawn pieces of row 0 follow each other, start at the x MeasureText gives their first
// column and spell out the line from there.
void ExpectDrawnAsMeasured(TextView& view, const FakePainter& painter, const std::string& line) {
  std::string drawn;
  int x = 0;
  for (const PaintCall& call : painter.Of(PaintCall::Text)) {
    if (call.Y != 0 || call.BackColour != Background) continue;
    if (!drawn.empty()) {
      EXPECT_EQ(call.X, x) << "pieces follow each other";
    }
    x = call.X + call.Width;
    drawn += call.Chars;
  }
  ASSERT_GE(drawn.size(), 40u);
  const std::size_t column = line.find(drawn);
  ASSERT_NE(column, std::string::npos);
  const int first = static_cast<int>(column);
  int firstX = 0;
  for (const PaintCall& call : painter.Of(PaintCall::Text))
    if (call.Y == 0) {
      firstX = call.X;
      break;
    }
  EXPECT_EQ(firstX, view.MeasureText(line.data(), first) - view.ScrollX());
  EXPECT_LE(firstX, 0);
  EXPECT_GT(view.MeasureText(line.data(), first + 1) - view.ScrollX(), -7) << "at most one glyph left of the edge";
  EXPECT_GE(x, view.ClientWidth());
}

TEST_F(Painting, ColumnsLieWhereMeasureTextPutsThemAcrossChunks) {
  // 65535 / 28 (the tab stop is wider than any glyph) = 2340 characters to a chunk.
  const std::string line = TabbedLine(8000, 3);
  View.SetText(line);
  for (int boundary : {2340, 4680, 7020}) {
    const int boundaryX = View.MeasureText(line.data(), boundary);
    for (int shift : {-300, -30, -1, 0, 5, 200}) {
      View.SetScrollX(boundaryX + shift);
      ASSERT_EQ(View.ScrollX(), boundaryX + shift);
      const int s = boundary - 20, e = boundary + 30;
      View.SetSelection(s, e, ScrollNone);
      PaintAll();
      ExpectDrawnAsMeasured(View, Painter, line);
      const std::vector<PaintCall> fills = Painter.Of(PaintCall::FillRect);
      ASSERT_EQ(fills.size(), 1u) << "shift " << shift;
      EXPECT_EQ(fills[0].X, std::max(0, View.MeasureText(line.data(), s) - View.ScrollX()));
      EXPECT_EQ(fills[0].X2, std::min(View.ClientWidth(), View.MeasureText(line.data(), e) - View.ScrollX()));
      // The caret, clicks and painting agree on where the boundary's column is.
      EXPECT_EQ(View.PointX(boundary), boundaryX);
    }
  }
}

TEST(Measuring, ChunksAreBoundedByTheTabStop) {
  ViewFixture f;
  // 8192 tabs of 28 pixels would overflow a 16-bit partial width.
  const std::string tabs(10000, '\t');
  EXPECT_EQ(f.View.MeasureText(tabs.data(), 10000), 10000 * 28);
  const std::string mixed = TabbedLine(20000, 9);
  int expected = 0;
  for (char c : mixed) expected = c == '\t' ? (expected / 28 + 1) * 28 : expected + 7;
  EXPECT_EQ(f.View.MeasureText(mixed.data(), 20000), expected);
}

// Counts the characters measured as well as the calls.
class CountingMeasurer : public FakeMeasurer {
public:
  int TabbedWidth(const char* text, int count, int tabStop, int startX) override {
    Characters += count;
    return FakeMeasurer::TabbedWidth(text, count, tabStop, startX);
  }
  long long Characters = 0;
};

TEST(LongLine, ScrolledToItsMiddleIsDrawnAndMeasuredOnlyWhereItShows) {
  CountingMeasurer measurer;
  FakeHost host;
  FakeClipboard clipboard;
  TextView view(measurer, host, clipboard);
  view.SetClientSize(80 * 7, 25 * 16);
  view.SetColorScheme(DistinctScheme());
  const std::string line = TabbedLine(10 * 1000 * 1000, 5);
  view.SetText(line);
  const int middle = view.MeasureText(line.data(), 5 * 1000 * 1000);
  view.SetScrollX(middle);
  ASSERT_EQ(view.ScrollX(), middle);
  view.SetSelection(5 * 1000 * 1000 - 10, 5 * 1000 * 1000 + 10, ScrollNone);

  FakePainter painter;
  measurer.Calls = 0;
  measurer.Characters = 0;
  view.Paint(painter, 0, 0, view.ClientWidth(), view.ClientHeight());
  // The whole line would take over 4000 calls and ten million characters.
  EXPECT_LE(measurer.Calls, 40);
  EXPECT_LE(measurer.Characters, 3 * 2340 * 14);
  // 80 visible columns, a partly visible one and one more at each side, and the selection's 20.
  EXPECT_LE(painter.CharactersDrawn(), 84 + 20);
  ExpectDrawnAsMeasured(view, painter, line);
  const std::vector<PaintCall> fills = painter.Of(PaintCall::FillRect);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].X, std::max(0, view.MeasureText(line.data(), 5 * 1000 * 1000 - 10) - middle));
  EXPECT_EQ(fills[0].X2, view.MeasureText(line.data(), 5 * 1000 * 1000 + 10) - middle);
}

TEST(WrapBeforeClientSize, WrapsWhenTheWidthArrives) {
  FakeMeasurer measurer;
  FakeHost host;
  FakeClipboard clipboard;
  TextView view(measurer, host, clipboard);
  view.SetText("one two three four");
  view.SetWordWrap(true);
  EXPECT_TRUE(view.GetWordWrap());
  EXPECT_EQ(view.LineCount(), 1) << "no width: nothing is wrapped yet";
  view.SetClientSize(10 * 7, 10 * 16);
  ViewFixture sized;
  sized.View.SetClientSize(10 * 7, 10 * 16);
  sized.View.SetText("one two three four");
  sized.View.SetWordWrap(true);
  EXPECT_EQ(view.RawText(), sized.View.RawText());
  const int wrapped = view.LineCount();
  EXPECT_GT(wrapped, 1);
  // A later size change leaves the wrap to the owner's Rewrap.
  view.SetClientSize(30 * 7, 10 * 16);
  EXPECT_EQ(view.LineCount(), wrapped);
  view.SetWordWrap(false);
  EXPECT_EQ(view.RawText(), "one two three four");
}

// Text, line numbers and a font change reach a wrapping view before it has a width too.
TEST(WrapBeforeClientSize, NoPathWrapsWithoutAWidth) {
  FakeMeasurer measurer;
  FakeHost host;
  FakeClipboard clipboard;
  TextView view(measurer, host, clipboard);
  view.SetWordWrap(true);
  view.SetText("one two three\nfour five");
  view.SetShowLineNumbers(true);
  measurer.CharWidth = 8;
  view.FontChanged();
  view.InsertChar(0, 'x');
  EXPECT_EQ(view.LineCount(), 2);
  EXPECT_EQ(view.RawText().find('\r'), std::string::npos);
}

}  // namespace

// The caret's line: its strip is filled across the window in a colour a tenth of the way
// from the background to the text, its tokens drawn on it; leaving it repaints both lines.
TEST_F(Painting, TheCaretLineIsHighlightedAcrossTheWindowAndFollowsTheCaret) {
  View.SetColorScheme(RefPtr<ColorScheme>(new ColorScheme("grey", 0, {0x000000, 1, 2, 3, 4, 0xC8C8C8})));
  View.SetText("one\ntwo\nthree");
  View.SetSelection(5, 5, ScrollNone);
  PaintAll();
  EXPECT_TRUE(Painter.Of(PaintCall::FillRect).empty()) << "off at first";

  View.SetHighlightCaretLine(true);
  PaintAll();
  const Colour highlight = 0xB4B4B4;  // 200 + (0 - 200) / 10
  const std::vector<PaintCall> fills = Painter.Of(PaintCall::FillRect);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(std::make_tuple(fills[0].X, fills[0].Y, fills[0].X2, fills[0].Y2),
            std::make_tuple(0, 16, View.ClientWidth(), 32));
  EXPECT_EQ(fills[0].Fill, highlight);
  for (const PaintCall& call : TextsAt(16)) EXPECT_EQ(call.BackColour, highlight) << call.Chars;
  for (const PaintCall& call : TextsAt(0)) EXPECT_EQ(call.BackColour, 0xC8C8C8u) << call.Chars;

  Host.Clear();
  View.SetSelection(10, 10, ScrollNone);
  std::vector<int> strips;
  for (const HostEvent& event : Host.Events)
    if (event.What == HostEvent::Strip) strips.push_back(event.A);
  EXPECT_EQ(strips, (std::vector<int>{16, 32}));
  Host.Clear();
  View.SetSelection(11, 11, ScrollNone);
  EXPECT_EQ(Host.Count(HostEvent::Strip), 0) << "a move within the line repaints no strip";
  PaintAll();
  ASSERT_EQ(Painter.Of(PaintCall::FillRect).size(), 1u);
  EXPECT_EQ(Painter.Of(PaintCall::FillRect)[0].Y, 32);
}
