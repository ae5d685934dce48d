// Brace matching: which brace beside the caret counts, its partner at the same depth among the
// braces outside comments and strings, the reach of the search and what it leaves unscanned,
// the painting of the pair and of a brace without one, what is repainted, and Match Brace.
#include "editor/syntax/CppLanguage.h"
#include "tests/view/FakePainter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr Colour Background = 0xFFFFFF;
constexpr Colour PlainColour = 0x000000;
constexpr Colour SymbolColour = 0x13;
constexpr Colour Highlight = 0x010000 + SystemColourHighlight;  // FakeHost's made-up colour

class BraceMatching : public ::testing::Test, public ViewFixture {
protected:
  BraceMatching() {
    View.SetColorScheme(RefPtr<ColorScheme>(
        new ColorScheme("test", 0, {PlainColour, 0x11, 0x12, SymbolColour, 0x14, Background})));
    View.SetLanguage(MakeCppLanguage(""));
  }
  BraceMatch At(int caret) { return View.FindBraceMatch(caret); }
  void PutCaret(int pos) { View.SetSelection(pos, pos, ScrollToCaret); }
  void PaintAll() {
    Painter.Calls.clear();
    View.Paint(Painter, 0, 0, View.ClientWidth(), View.ClientHeight());
  }
  // The last text drawn at a column of a row: what shows there.
  PaintCall ShownAt(int row, int column) const {
    PaintCall shown;
    for (const PaintCall& call : Painter.Of(PaintCall::Text))
      if (call.Y == row * 16 && call.X <= column * 7 && column * 7 < call.X + call.Width) shown = call;
    return shown;
  }
  // The rectangles repainted that are not empty (an empty selection repaints nothing).
  std::vector<HostEvent> Rects() const {
    std::vector<HostEvent> rects;
    for (const HostEvent& event : Host.Events)
      if (event.What == HostEvent::Rect && event.C < event.D) rects.push_back(event);
    return rects;
  }

  FakePainter Painter;
};

}  // namespace

TEST_F(BraceMatching, PartnersAreAtTheSameDepthOfTheSameKind) {
  View.SetText("f(a[i], (b)) { [x); }");
  EXPECT_EQ(At(1), (BraceMatch{1, 11}));   // the brace after the caret
  EXPECT_EQ(At(12), (BraceMatch{11, 1}));  // none after it: the one before
  EXPECT_EQ(At(3), (BraceMatch{3, 5}));
  EXPECT_EQ(At(8), (BraceMatch{8, 10}));
  // Brackets and parentheses do not count for braces, nor the other way round.
  EXPECT_EQ(At(13), (BraceMatch{13, 20}));
  EXPECT_EQ(At(17), (BraceMatch{17, -1}));
  EXPECT_EQ(At(15), (BraceMatch{15, -1}));
  EXPECT_EQ(At(7), BraceMatch{});  // ", " beside it
  // Between a closing and an opening brace, the opening one after the caret wins.
  View.SetText(")(");
  EXPECT_EQ(At(1), (BraceMatch{1, -1}));
}

TEST_F(BraceMatching, BracesInCommentsAndStringsNeitherMatchNorCount) {
  const std::string text = "f(\"(\", ')', /* ( */ x) // )\n/* { */ {\n  \"}\" /* } */\n}";
  View.SetText(text);
  EXPECT_EQ(At(1), (BraceMatch{1, 21}));
  EXPECT_EQ(At(3), BraceMatch{}) << "in a string";
  EXPECT_EQ(At(15), BraceMatch{}) << "in a comment";
  EXPECT_EQ(At(26), BraceMatch{}) << "in a line comment";
  const int block = static_cast<int>(text.find("} */\n}"));
  EXPECT_EQ(At(36), (BraceMatch{36, static_cast<int>(text.size()) - 1})) << "across lines";
  EXPECT_EQ(At(block), BraceMatch{});
  View.SetText("(/* ) */)");
  EXPECT_EQ(At(1), (BraceMatch{0, 8}));
}

TEST_F(BraceMatching, PlainTextHasNoCommentsToSkip) {
  View.SetLanguage(nullptr);
  View.SetText("(/* ) */)");
  EXPECT_EQ(At(0), (BraceMatch{0, 4}));
}

TEST_F(BraceMatching, SoftBreaksAndLongLinesAreCrossedAsTheTextIs) {
  View.SetClientSize(10 * 7, 25 * 16);
  View.SetWordWrap(true);
  View.SetText("(aaaa /* ) bbbb */ cccc ) dddd");
  ASSERT_GT(View.LineCount(), 2);
  const std::string raw = View.RawText();
  EXPECT_EQ(At(0), (BraceMatch{0, static_cast<int>(raw.rfind(')'))}));

  View.SetWordWrap(false);
  std::string line = "{ ";
  while (line.size() < 3 * TextView::LongLine) line += "/* } */ \"}\" {x} ";
  line += "}";
  View.SetText(line + "\n" + line);
  EXPECT_EQ(At(0), (BraceMatch{0, static_cast<int>(line.size()) - 1}));
  const int last = View.Length() - 1;
  EXPECT_EQ(At(last + 1), (BraceMatch{last, static_cast<int>(line.size()) + 1}));
}

TEST_F(BraceMatching, ThePartnerIsLookedForWithinTheReachOnly) {
  const int reach = TextView::BraceReach;
  const std::string inReach = "(" + std::string(static_cast<size_t>(reach) - 1, 'x') + ")";
  View.SetText(inReach + " (" + std::string(static_cast<size_t>(reach), 'x') + ")");
  EXPECT_EQ(At(0), (BraceMatch{0, reach}));
  EXPECT_EQ(At(reach + 1), (BraceMatch{reach, 0}));
  EXPECT_EQ(At(reach + 2), BraceMatch{}) << "beyond the reach: neither pair nor error";
  EXPECT_EQ(At(View.Length()), BraceMatch{});
  // Where the text ends within the reach, the brace has no partner.
  View.SetText("x\n" + std::string(1000, '(') + "\n" + std::string(999, ')'));
  EXPECT_EQ(At(2), (BraceMatch{2, -1}));
}

TEST_F(BraceMatching, TheSearchScansNoStatesBeyondItsReachNorForALineNotShown) {
  std::string text = "int f() {\n";
  while (text.size() < 6u * TextView::BraceReach) text += "  if (a) { b(); } // (\n";
  View.SetText(text + "}");
  PaintAll();
  ASSERT_LT(View.KnownStates(), 100);
  PutCaret(8);
  EXPECT_EQ(View.CaretBraces(), BraceMatch{}) << "its partner lies beyond the reach";
  EXPECT_GT(View.KnownStates(), 1000);
  EXPECT_LT(View.KnownStates(), View.LineCount() / 4);
  // A caret placed out of view is looked at when its line comes into view.
  const int far = View.LineStart(View.LineCount() - 2) + 5;
  View.SetSelection(far, far, ScrollNone);
  EXPECT_EQ(View.CaretBraces(), BraceMatch{});
  EXPECT_LT(View.KnownStates(), View.LineCount() / 4);
  View.SetTopLine(View.LineCount() - 10);
  EXPECT_EQ(View.CaretBraces(), (BraceMatch{far, far + 2}));
}

TEST_F(BraceMatching, ThePairIsDrawnOnItsBackgroundAndABraceWithoutOneInTheErrorColour) {
  View.SetText("if (a(b)) {\n  x;\n");
  PutCaret(3);
  PaintAll();
  const Colour pair = MatchedBraceBackground(Background, PlainColour);
  for (int column : {3, 8}) {
    EXPECT_EQ(ShownAt(0, column).Chars, column == 3 ? "(" : ")");
    EXPECT_EQ(ShownAt(0, column).BackColour, pair);
    EXPECT_EQ(ShownAt(0, column).TextColour, SymbolColour) << "the brace keeps its token's colour";
  }
  EXPECT_EQ(ShownAt(0, 5).BackColour, Background);
  EXPECT_EQ(ShownAt(0, 7).BackColour, Background);

  PutCaret(11);
  PaintAll();
  EXPECT_EQ(ShownAt(0, 10).BackColour, UnmatchedBraceBackground(Background));
  EXPECT_EQ(ShownAt(0, 3).BackColour, Background);

  // A selected brace shows as selected.
  View.SetSelection(6, 3, ScrollNone);
  PaintAll();
  EXPECT_EQ(ShownAt(0, 3).BackColour, Highlight);
  EXPECT_EQ(ShownAt(0, 8).BackColour, pair);
}

TEST_F(BraceMatching, ColoursStayBetweenTheSchemesOwnAndRedKeepsTheBackgroundsBrightness) {
  EXPECT_EQ(MatchedBraceBackground(0xFFFFFF, 0x000000), 0xCCCCCCu);
  EXPECT_EQ(MatchedBraceBackground(0x000000, 0xFFFFFF), 0x333333u);
  for (Colour background : {0xFFFFFFu, 0x000000u, 0xAC0000u, 0xD4FFD4u}) {
    const Colour error = UnmatchedBraceBackground(background);
    const int r = error & 0xFF, g = (error >> 8) & 0xFF, b = error >> 16;
    EXPECT_GT(r, g + 60) << std::hex << background;
    EXPECT_EQ(g, b) << std::hex << background;
  }
  EXPECT_GT(UnmatchedBraceBackground(0xFFFFFF) >> 8 & 0xFF, 128u) << "light on a light scheme";
  EXPECT_LT(UnmatchedBraceBackground(0x000000) & 0xFF, 128u) << "dark on a dark scheme";
}

TEST_F(BraceMatching, MovingTheCaretRepaintsTheOldAndTheNewBracesOnly) {
  View.SetText("a (b)\nc\nd [e]\n");
  PutCaret(2);
  Host.Clear();
  PutCaret(11);
  // The two cells of each pair, and nothing else.
  const std::vector<HostEvent> rects = Rects();
  ASSERT_EQ(rects.size(), 4u);
  EXPECT_EQ(rects[0].A, 0);
  EXPECT_EQ(rects[0].C, 2 * 7);
  EXPECT_EQ(rects[0].D, 3 * 7);
  EXPECT_EQ(rects[1].C, 4 * 7);
  EXPECT_EQ(rects[2].A, 2 * 16);
  EXPECT_EQ(rects[2].C, 2 * 7);
  EXPECT_EQ(rects[3].C, 4 * 7);
  EXPECT_EQ(Host.Count(HostEvent::All), 0);
  Host.Clear();
  PutCaret(7);  // no brace beside it: the pair goes
  EXPECT_EQ(Rects().size(), 2u);
  Host.Clear();
  PutCaret(6);
  EXPECT_TRUE(Rects().empty());
}

TEST_F(BraceMatching, EditsKeepThePairRight) {
  View.SetText("x = (a + b;\n");
  PutCaret(4);
  EXPECT_EQ(View.CaretBraces(), (BraceMatch{4, -1}));
  View.SetSelection(10, 10, ScrollNone);
  View.TypeChar(')');
  PutCaret(4);
  EXPECT_EQ(View.CaretBraces(), (BraceMatch{4, 10}));
  // Text typed before the pair moves it; a comment opened over the partner takes it away.
  View.ReplaceText(0, 0, "yy", -1, -1, ScrollNone, true);
  PutCaret(6);
  EXPECT_EQ(View.CaretBraces(), (BraceMatch{6, 12}));
  View.ReplaceText(11, 0, "//", 6, 6, ScrollNone, true);
  EXPECT_EQ(View.CaretBraces(), (BraceMatch{6, -1}));
  View.Undo();
  PutCaret(6);
  EXPECT_EQ(View.CaretBraces(), (BraceMatch{6, 12}));
  PaintAll();
  EXPECT_EQ(ShownAt(0, 12).BackColour, MatchedBraceBackground(Background, PlainColour));
}

TEST_F(BraceMatching, MatchBraceGoesToThePartnerAndBackAndBeepsWithoutOne) {
  std::string text = "int f() {\n";
  for (int i = 0; i < 200; ++i) text += "  g(i);\n";
  text += "}\n(";
  View.SetText(text);
  PutCaret(8);
  View.MatchBrace();
  const int close = static_cast<int>(text.find("}\n("));
  EXPECT_EQ(View.Caret(), close);
  EXPECT_LE(View.TopLine(), View.LineFromPosition(close));
  EXPECT_GE(View.LastVisibleLine(true), View.LineFromPosition(close)) << "scrolled into view";
  View.MatchBrace();
  EXPECT_EQ(View.Caret(), 8);
  EXPECT_EQ(View.TopLine(), 0);

  Host.Clear();
  PutCaret(View.Length());
  View.MatchBrace();  // "(" without a partner
  EXPECT_EQ(View.Caret(), View.Length());
  PutCaret(1);
  View.SetSelection(0, 2, ScrollNone);
  View.MatchBrace();  // no brace beside the caret
  EXPECT_EQ(View.Anchor(), 0);
  EXPECT_EQ(View.Caret(), 2);
  EXPECT_EQ(Host.Count(HostEvent::Beep), 2);
}
