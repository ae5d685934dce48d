// Colouring in the view after edits agrees with colouring the whole text afresh, however far
// down the lines are read; and attaching a language or a colour scheme recolours everything.
#include "editor/syntax/ColourLine.h"
#include "editor/syntax/CppLanguage.h"
#include "tests/view/ViewFakes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// One display line of the raw text and whether a soft break ends it.
struct RawLine {
  std::string Text;
  bool Continues;
};

// Split at every break of the raw string, so the view's own line table is not relied on.
std::vector<RawLine> RawLines(const std::string& raw) {
  std::vector<RawLine> lines;
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type end = raw.find_first_of("\r\n", start);
    if (end == std::string::npos) break;
    lines.push_back(RawLine{raw.substr(start, end - start), raw[end] == '\r'});
    start = end + 1;
  }
  lines.push_back(RawLine{raw.substr(start), false});
  return lines;
}

std::vector<RefPtr<LineColouring>> ColourAfresh(const LanguageDef* language, const std::string& raw) {
  std::vector<RefPtr<LineColouring>> result;
  ColourState state;
  for (const RawLine& line : RawLines(raw)) {
    result.push_back(ColourLine(language, line.Text, state, line.Continues));
    state = result.back()->EndState;
  }
  return result;
}

std::string Describe(const LineColouring& colouring) {
  std::string text;
  for (const ColouredToken& token : colouring.Tokens) {
    text += std::to_string(token.Column) + ":" + std::to_string(token.Kind) + "[";
    text += token.Text;
    text += "] ";
  }
  return text;
}

// Every line as the view colours it, read in a scattered order, equals the fresh colouring.
void ExpectColouredAfresh(TextView& view, std::mt19937& random) {
  const std::vector<RefPtr<LineColouring>> expected = ColourAfresh(view.GetLanguage().Get(), view.RawText());
  ASSERT_EQ(static_cast<int>(expected.size()), view.LineCount());
  std::vector<int> order;
  for (int line = 0; line < view.LineCount(); ++line) order.push_back(line);
  std::shuffle(order.begin(), order.end(), random);
  for (int line : order) {
    const RefPtr<LineColouring> got = view.ColouringOf(line);
    ASSERT_EQ(Describe(*got), Describe(*expected[line])) << "line " << line;
    ASSERT_TRUE(got->StartState == expected[line]->StartState) << "line " << line;
    ASSERT_TRUE(got->EndState == expected[line]->EndState) << "line " << line;
  }
}

const char* const Pieces[] = {"/*", "*/", "\"", "'", "//", "\n", "\n", "int", "x", " ", "\\", "#", "a b c d e f"};

std::string Document(std::mt19937& random, int lines) {
  std::string text;
  for (int line = 0; line < lines; ++line) {
    const int words = static_cast<int>(random() % 9);
    for (int w = 0; w < words; ++w) {
      const char* piece = Pieces[random() % (sizeof Pieces / sizeof *Pieces)];
      text += piece[0] == '\n' ? "word" : piece;
      text += ' ';
    }
    if (line + 1 < lines) text += '\n';
  }
  return text;
}

// A reader's view of the window: the visible lines are coloured, as painting does.
void PaintWindow(TextView& view) {
  for (int line = view.TopLine(); line <= view.LastVisibleLine(false); ++line) view.ColouringOf(line);
}

// Inserts a piece or deletes a few characters somewhere, often outside the window; now and
// then scrolls and paints elsewhere, or lets the idle scan run a little, so edits land
// above, inside and below the lines whose states are known.
void EditAtRandom(TextView& view, std::mt19937& random) {
  const int pos = static_cast<int>(random() % static_cast<unsigned>(view.Length() + 1));
  if (random() % 3 == 0 && pos < view.Length()) {
    const int length = std::min(1 + static_cast<int>(random() % 3), view.Length() - pos);
    view.ReplaceText(pos, length, "", -1, -1, ScrollNone, true);
  } else {
    view.ReplaceText(pos, 0, Pieces[random() % (sizeof Pieces / sizeof *Pieces)], -1, -1, ScrollNone, true);
  }
  if (random() % 4 == 0) {
    view.SetTopLine(static_cast<int>(random() % static_cast<unsigned>(view.LineCount())));
    PaintWindow(view);
  }
  if (random() % 3 == 0) view.ScanAhead(static_cast<long long>(random() % 2000));
}

void RunRandomEdits(ViewFixture& fixture, unsigned seed, int rounds) {
  std::mt19937 random(seed);
  TextView& view = fixture.View;
  view.SetLanguage(MakeCppLanguage(""));
  view.SetText(Document(random, 400));
  PaintWindow(view);
  for (int round = 0; round < rounds; ++round) {
    for (int edit = 0; edit < 60; ++edit) EditAtRandom(view, random);
    ExpectColouredAfresh(view, random);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(ColouringPropagationTest, RandomEditsColourAsTheWholeTextAfresh) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    ViewFixture fixture;
    RunRandomEdits(fixture, seed, 8);
    ASSERT_FALSE(HasFatalFailure()) << "seed " << seed;
  }
}

TEST(ColouringPropagationTest, RandomEditsWithWordWrapColourAsTheWholeTextAfresh) {
  for (unsigned seed = 11; seed <= 14; ++seed) {
    ViewFixture fixture;
    fixture.View.SetClientSize(12 * 7, 10 * 16);
    fixture.View.SetWordWrap(true);
    RunRandomEdits(fixture, seed, 6);
    ASSERT_FALSE(HasFatalFailure()) << "seed " << seed;
  }
}

TEST(ColouringPropagationTest, RewrappingKeepsColouringRight) {
  ViewFixture fixture;
  std::mt19937 random(21);
  TextView& view = fixture.View;
  view.SetLanguage(MakeCppLanguage(""));
  view.SetText(Document(random, 300));
  PaintWindow(view);
  view.ReplaceText(0, 0, "/*", -1, -1, ScrollNone, true);
  view.SetClientSize(15 * 7, 25 * 16);
  view.SetWordWrap(true);
  view.ReplaceText(0, 2, "", -1, -1, ScrollNone, true);
  ExpectColouredAfresh(view, random);
  view.ReplaceText(0, 0, "\"/*", -1, -1, ScrollNone, true);
  view.SetWordWrap(false);
  ExpectColouredAfresh(view, random);
}

std::string CommentTail(int lines) {
  std::string text;
  for (int line = 0; line < lines; ++line) text += "int x;\n";
  return text + "*/ y";
}

TEST(ColouringPropagationTest, OpeningACommentFindsOnlyTheWindowsStatesAtOnce) {
  ViewFixture fixture;
  TextView& view = fixture.View;
  view.SetLanguage(MakeCppLanguage(""));
  view.SetText(CommentTail(1000));
  while (view.ScanAhead(100000)) {
  }
  ASSERT_EQ(view.KnownStates(), view.LineCount());

  fixture.Host.ScanScheduled = false;
  view.ReplaceText(0, 0, "/*", -1, -1, ScrollNone, true);
  EXPECT_GE(view.KnownStates(), view.LastVisibleLine(false));
  EXPECT_LT(view.KnownStates(), 100);  // the rest is left to idle time, which is asked for
  EXPECT_TRUE(fixture.Host.ScanScheduled);
  EXPECT_EQ(view.ColouringOf(900)->Tokens.at(0).Kind, Comment);
  EXPECT_EQ(view.ColouringOf(1000)->Tokens.at(0).Kind, Comment);
  EXPECT_EQ(view.ColouringOf(1000)->Tokens.back().Kind, PlainText);

  view.ReplaceText(0, 2, "", -1, -1, ScrollNone, true);
  EXPECT_EQ(view.ColouringOf(900)->Tokens.at(0).Kind, Keyword);
  EXPECT_EQ(view.ColouringOf(1000)->Tokens.at(0).Kind, Symbol);
}

TEST(ColouringPropagationTest, AnEditThatKeepsTheStatesScansOnlyUntilTheyMeet) {
  ViewFixture fixture;
  TextView& view = fixture.View;
  view.SetLanguage(MakeCppLanguage(""));
  view.SetText(CommentTail(5000));
  while (view.ScanAhead(100000)) {
  }
  view.SetTopLine(2000);
  view.ReplaceText(view.LineStart(2010), 0, "int y = 2;", -1, -1, ScrollNone, true);
  EXPECT_LT(view.KnownStates(), 2020);
  EXPECT_FALSE(view.ScanAhead(100));  // one line more meets the stored states
  EXPECT_EQ(view.KnownStates(), view.LineCount());
  EXPECT_EQ(view.ColouringOf(5000)->Tokens.at(0).Kind, Symbol);
}

TEST(ColouringPropagationTest, OnlyBookmarksAndLongLinesHaveRecords) {
  ViewFixture fixture;
  TextView& view = fixture.View;
  view.SetLanguage(MakeCppLanguage(""));
  std::mt19937 random(3);
  view.SetText(Document(random, 2000));
  view.SetBookmark(10, true);
  for (int top = 0; top < view.LineCount(); top += 20) {
    view.SetTopLine(top);
    PaintWindow(view);
  }
  view.ReplaceText(view.LineStart(1500), 0, "/* x */", -1, -1, ScrollNone, true);
  int records = 0;
  for (int line = 0; line < view.LineCount(); ++line) records += view.GetBuffer().Record(line) != nullptr;
  EXPECT_EQ(records, 1);
  EXPECT_LE(view.CachedTokenLines(), 2 * view.VisibleLineCount(false) + 16);
}

TEST(ColouringPropagationTest, EditsBelowAndAboveAnUncheckedRangeBothReachTheLinesBelow) {
  ViewFixture fixture;
  TextView& view = fixture.View;
  view.SetLanguage(MakeCppLanguage(""));
  view.SetText(CommentTail(600));
  for (int line = 0; line < view.LineCount(); ++line) view.ColouringOf(line);
  // Below the window: a comment opened at line 300 and closed at line 500 is left unchecked.
  view.ReplaceText(view.LineStart(300), 0, "/*", -1, -1, ScrollNone, true);
  view.ReplaceText(view.LineStart(500), 0, "*/", -1, -1, ScrollNone, true);
  // At the top: a string that is never closed changes nothing below its line.
  view.ReplaceText(0, 0, "\"", -1, -1, ScrollNone, true);
  std::mt19937 random(5);
  ExpectColouredAfresh(view, random);
  EXPECT_EQ(view.ColouringOf(400)->Tokens.at(0).Kind, Comment);
  EXPECT_EQ(view.ColouringOf(550)->Tokens.at(0).Kind, Keyword);
}

TEST(ColouringPropagationTest, SetLanguageForgetsAllStatesAndRepaints) {
  ViewFixture fixture;
  TextView& view = fixture.View;
  view.SetText("int a; /* x\ny */ b\nc");
  for (int line = 0; line < 3; ++line) {
    const RefPtr<LineColouring> colouring = view.ColouringOf(line);
    for (const ColouredToken& token : colouring->Tokens) EXPECT_EQ(token.Kind, PlainText);
  }

  fixture.Host.Clear();
  const RefPtr<LanguageDef> cpp = MakeCppLanguage("");
  view.SetLanguage(cpp);
  EXPECT_EQ(fixture.Host.Count(HostEvent::All), 1);
  EXPECT_EQ(fixture.Host.Count(HostEvent::Gutter), 1);
  EXPECT_EQ(view.KnownStates(), 0);
  EXPECT_TRUE(fixture.Host.ScanScheduled);
  EXPECT_EQ(view.ColouringOf(1)->Tokens.at(0).Kind, Comment);
  EXPECT_EQ(view.ColouringOf(0)->Tokens.at(0).Kind, Keyword);

  fixture.Host.Clear();
  view.SetLanguage(cpp);
  EXPECT_TRUE(fixture.Host.Events.empty());
  EXPECT_EQ(view.KnownStates(), 2);  // the same language again forgets nothing

  view.SetLanguage(nullptr);
  EXPECT_EQ(fixture.Host.Count(HostEvent::All), 1);
  EXPECT_FALSE(view.GetLanguage());
  EXPECT_EQ(view.ColouringOf(1)->Tokens.at(0).Kind, PlainText);
}

TEST(ColouringPropagationTest, SetColorSchemeRepaintsEverything) {
  ViewFixture fixture;
  TextView& view = fixture.View;
  const RefPtr<ColorScheme> builtIn = view.GetColorScheme();
  ASSERT_TRUE(builtIn);
  view.SetText("a\nb");
  view.ColouringOf(1);

  fixture.Host.Clear();
  view.SetColorScheme(nullptr);
  EXPECT_TRUE(fixture.Host.Events.empty());

  const RefPtr<ColorScheme> scheme(new ColorScheme);
  view.SetColorScheme(scheme);
  EXPECT_EQ(view.GetColorScheme(), scheme);
  EXPECT_EQ(fixture.Host.Count(HostEvent::All), 1);
  EXPECT_EQ(fixture.Host.Count(HostEvent::Gutter), 1);

  view.SetColorScheme(nullptr);
  EXPECT_EQ(view.GetColorScheme(), builtIn);
  EXPECT_EQ(fixture.Host.Count(HostEvent::All), 2);

  ViewFixture other;
  EXPECT_EQ(other.View.GetColorScheme(), builtIn);
}

TEST(ColouringPropagationTest, DefinitionsReleasedByTheirOwnersLiveOnInTheView) {
  ViewFixture fixture;
  TextView& view = fixture.View;
  RefPtr<LanguageDef> language = MakeCppLanguage("");
  RefPtr<ColorScheme> scheme(new ColorScheme);
  const LanguageDef* languageSeen = language.Get();
  const ColorScheme* schemeSeen = scheme.Get();
  view.SetLanguage(language);
  view.SetColorScheme(scheme);
  language = nullptr;
  scheme = nullptr;

  ASSERT_EQ(view.GetLanguage().Get(), languageSeen);
  EXPECT_EQ(languageSeen->RefCount(), 1);
  EXPECT_EQ(view.GetColorScheme().Get(), schemeSeen);
  EXPECT_EQ(schemeSeen->RefCount(), 1);
  view.SetText("/* open\nstill */ int");
  EXPECT_EQ(view.ColouringOf(1)->Tokens.at(0).Kind, Comment);
  EXPECT_EQ(view.ColouringOf(1)->Tokens.back().Kind, Keyword);
}

}  // namespace

namespace {

// Lines too long to colour whole are coloured in pieces from checkpoints; after edits in and
// above such a line, every piece and every end state agree with colouring it whole afresh.
TEST(ColouringPropagationTest, PiecesOfLongLinesColourAsTheWholeLineAfresh) {
  ViewFixture fixture;
  TextView& view = fixture.View;
  view.SetLanguage(MakeCppLanguage(""));
  std::mt19937 random(31);
  // No line comment: it would hold the rest of the line, leaving no checkpoint after it.
  const char* const words[] = {"int ", "x ", "= ", "\"s\" ", "/* c */ ", "(a) ", "; ", "\t", "'q' "};
  std::string longLine;
  while (longLine.size() < 3 * TextView::LongLine) longLine += words[random() % 9];
  view.SetText("int a;\n" + longLine + "\nint b; /* x\n" + longLine + "\n*/ int c;");
  for (int round = 0; round < 30; ++round) {
    const int line = round % 2 == 0 ? 1 : 3;
    const int pos = view.LineStart(line) + static_cast<int>(random() % static_cast<unsigned>(view.LineLength(line)));
    const char* const pieces[] = {"/*", "*/", "\"", "x", " ", "*/ "};
    view.ReplaceText(round % 5 == 4 ? 0 : pos, 0, pieces[random() % 6], -1, -1, ScrollNone, true);
    const std::vector<RefPtr<LineColouring>> expected = ColourAfresh(view.GetLanguage().Get(), view.RawText());
    for (int checked = 1; checked <= 3; checked += 2) {
      const LineColouring& whole = *expected[static_cast<std::size_t>(checked)];
      for (int sample = 0; sample < 4; ++sample) {
        const int from = static_cast<int>(random() % whole.LineText.size());
        const int to = from + 300;
        std::string want;
        for (const ColouredToken& token : whole.Tokens)
          if (token.Column + static_cast<int>(token.Text.size()) > from && token.Column < to)
            want += std::to_string(token.Column) + ":" + std::to_string(token.Kind) + " ";
        std::string got;
        for (const TokenSpan& token : view.TokensBetween(checked, from, to))
          got += std::to_string(token.Column) + ":" + std::to_string(token.Kind) + " ";
        ASSERT_EQ(got, want) << "round " << round << ", line " << checked << " from " << from;
      }
      ASSERT_TRUE(view.EndStateOf(checked) == whole.EndState) << "round " << round;
    }
    ASSERT_TRUE(view.EndStateOf(4) == expected[4]->EndState) << "round " << round;
  }
}

}  // namespace
