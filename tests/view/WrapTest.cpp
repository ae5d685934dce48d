// Word wrap of the view: where soft breaks go, how edits re-flow them, and what wrapping and
// unwrapping the whole document carry across (selection, bookmarks, the caret's row).
#include "editor/view/WordFit.h"
#include "tests/view/ViewFakes.h"
#include "tests/view/ViewInvariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

// Soft breaks shown as '|', so that expected layouts read like the screen.
std::string Shown(std::string raw) {
  std::replace(raw.begin(), raw.end(), '\r', '|');
  return raw;
}

std::string FreshlyWrapped(const std::string& text, int width) {
  ViewFixture fresh;
  fresh.View.SetClientSize(width, 25 * 16);
  fresh.View.SetText(text);
  fresh.View.SetWordWrap(true);
  return fresh.View.RawText();
}

// Every display line fits unless it is one word, every soft break stands at a word start
// (white space before it, none after it), and none could go: the next line's first word
// does not fit behind the line.
void ExpectWellWrapped(TextView& view) {
  for (int line = 0; line < view.LineCount(); ++line) {
    const std::string text = view.LineText(line);
    const int n = static_cast<int>(text.size());
    const int width = view.MeasureText(text.data(), n);
    if (NextWordStart(text.data(), n, 0) < n) {
      EXPECT_LE(width, view.ClientWidth()) << "line " << line;
    }
    if (!view.EndsWithSoftBreak(line)) continue;
    ASSERT_FALSE(text.empty()) << "empty line before a soft break: " << line;
    EXPECT_TRUE(IsWrapSpace(text.back())) << "soft break inside a word on line " << line;
    const std::string next = view.LineText(line + 1);
    ASSERT_FALSE(next.empty()) << "empty line after a soft break: " << line + 1;
    EXPECT_FALSE(IsWrapSpace(next.front())) << "line " << line + 1 << " begins with white space";
    // Behind another line a tab reaches a different stop, so the wrap pass's estimate of
    // whether the next word fits is exact only without tabs.
    if (text.find('\t') != std::string::npos || next.find('\t') != std::string::npos) continue;
    const int firstWord = NextWordStart(next.data(), static_cast<int>(next.size()), 0);
    EXPECT_GT(width + view.MeasureText(next.data(), firstWord), view.ClientWidth())
        << "soft break after line " << line << " is not needed";
  }
}

class Wrap : public ::testing::Test, public ViewFixture {
protected:
  void Wrapped(const std::string& text, int columns = 10) {
    View.SetClientSize(columns * 7, 25 * 16);
    View.SetText(text);
    View.SetWordWrap(true);
  }
  std::string Raw() { return Shown(View.RawText()); }
};

TEST_F(Wrap, BreaksAfterTheSpaceFollowingTheLastWordThatFits) {
  Wrapped("aaaa bbbb cccc");
  EXPECT_EQ(Raw(), "aaaa bbbb |cccc");
  Wrapped("aaaa bbbb cccc", 9);
  EXPECT_EQ(Raw(), "aaaa |bbbb cccc");
  Wrapped("aaaa bbbb cccc", 8);
  EXPECT_EQ(Raw(), "aaaa |bbbb |cccc");
  EXPECT_EQ(View.LineCount(), 3);
  EXPECT_EQ(View.HardLineOfLine(2), 0);
  ExpectWellWrapped(View);
}

TEST_F(Wrap, AWordWiderThanTheWindowStaysWhole) {
  const std::string word(200, 'w');
  Wrapped(word);
  EXPECT_EQ(View.LineCount(), 1);
  EXPECT_EQ(View.RawText(), word);
  Wrapped(word + " tail\nnext");
  EXPECT_EQ(Raw(), word + " |tail\nnext");
}

TEST_F(Wrap, DeletingTheSpaceBeforeASoftBreakJoinsTheWords) {
  Wrapped("aaaa bbbb cccc");
  ASSERT_TRUE(View.ReplaceText(9, 1, "", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(Raw(), "aaaa |bbbbcccc");
  EXPECT_EQ(View.GetText(NewLineLf), "aaaa bbbbcccc");
  EXPECT_EQ(View.Caret(), 10);  // the caret stays between the joined words
}

TEST_F(Wrap, DeletingAWordPullsTheNextLinesFirstWordUp) {
  Wrapped("aaaa bbbb cccc dddd eeee");
  ASSERT_EQ(Raw(), "aaaa bbbb |cccc dddd |eeee");
  ASSERT_TRUE(View.ReplaceText(16, 5, "", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(Raw(), "aaaa bbbb |cccc eeee");
  ASSERT_TRUE(View.ReplaceText(0, 5, "", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(Raw(), "bbbb cccc |eeee");
}

TEST_F(Wrap, TypingAtTheStartPushesWordsDownThroughTheParagraph) {
  Wrapped("aaaa bbbb cccc dddd eeee\nffff");
  ASSERT_TRUE(View.ReplaceText(0, 0, "xx ", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(Raw(), "xx aaaa |bbbb cccc |dddd eeee\nffff");
  EXPECT_EQ(View.Caret(), 3);
}

TEST_F(Wrap, NoSoftBreakIsLeftBesideAnEmptyLine) {
  Wrapped("aaaa bbbb cccc");
  ASSERT_TRUE(View.ReplaceText(11, 4, "", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(Raw(), "aaaa bbbb ");
  EXPECT_EQ(View.LineCount(), 1);
  Wrapped("aaaa bbbb cccc\nx");
  ASSERT_TRUE(View.ReplaceText(11, 4, "", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(Raw(), "aaaa bbbb \nx");
  Wrapped("aaaa bbbb cccc");
  ASSERT_TRUE(View.ReplaceText(0, 10, "", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(Raw(), "cccc");
  EXPECT_EQ(View.LineCount(), 1);
}

TEST_F(Wrap, ABlankTypedAfterASoftBreakMovesTheBreakToAWordStart) {
  Wrapped("aaaa bbbb cccc");
  ASSERT_TRUE(View.ReplaceText(11, 0, " ", -1, -1, ScrollToCaret, true));
  EXPECT_EQ(Raw(), "aaaa |bbbb  cccc");
  EXPECT_EQ(View.Caret(), 12);
}

TEST_F(Wrap, UnwrappingKeepsTheRecordOfEachHardLinesFirstLine) {
  Wrapped("first\naaaa bbbb cccc dddd\nlast");
  const RefPtr<LineRecord> kept = View.RecordOf(1);
  kept->ChunkStartsValid = true;
  View.RecordOf(2);
  View.SetWordWrap(false);
  EXPECT_EQ(View.RecordOf(1), kept.Get());
  EXPECT_FALSE(kept->ChunkStartsValid);
  EXPECT_EQ(View.LineText(1), "aaaa bbbb cccc dddd");
}

TEST_F(Wrap, GetTextHasNoSoftBreaks) {
  Wrapped("aaaa bbbb cccc dddd\nee ff");
  ASSERT_NE(View.RawText().find('\r'), std::string::npos);
  EXPECT_EQ(View.GetText(NewLineCrLf), "aaaa bbbb cccc dddd\r\nee ff");
  EXPECT_EQ(View.GetText(NewLineCr), "aaaa bbbb cccc dddd\ree ff");
  EXPECT_EQ(View.GetText(NewLineLf), "aaaa bbbb cccc dddd\nee ff");
  EXPECT_EQ(View.UnwrappedPosition(View.LineStart(2)), 20);
}

TEST_F(Wrap, WrapAllKeepsTheSelectionOnTheSameCharacters) {
  View.SetClientSize(70, 400);
  View.SetText("aaaa bbbb cccc dddd eeee");
  View.SetSelection(17, 7, ScrollNone);  // "bb cccc dd", caret at the lower end
  View.SetWordWrap(true);
  ASSERT_EQ(Raw(), "aaaa bbbb |cccc dddd |eeee");
  EXPECT_EQ(View.Anchor(), 18);
  EXPECT_EQ(View.Caret(), 7);
  EXPECT_EQ(Shown(View.GetSelectedText()), "bb |cccc dd");
}

TEST_F(Wrap, UnwrapAllKeepsTheSelectionOnTheSameCharacters) {
  Wrapped("aaaa bbbb cccc dddd eeee");
  View.SetSelection(11, 22, ScrollNone);  // from the first "c" to the first "e"
  const std::string selected = View.GetSelectedText();
  View.SetWordWrap(false);
  EXPECT_EQ(View.RawText().find('\r'), std::string::npos);
  EXPECT_EQ(View.Anchor(), 10);
  EXPECT_EQ(View.Caret(), 20);
  std::string expected = selected;
  expected.erase(std::remove(expected.begin(), expected.end(), '\r'), expected.end());
  EXPECT_EQ(View.GetSelectedText(), expected);
}

TEST_F(Wrap, UnwrapAllKeepsBookmarksOnTheirHardLines) {
  Wrapped("first\naaaa bbbb cccc dddd\nlast");
  ASSERT_EQ(Raw(), "first\naaaa bbbb |cccc dddd\nlast");
  View.SetBookmark(2, true);  // the continuation of hard line 1
  View.SetBookmark(3, true);
  Host.Clear();
  View.SetWordWrap(false);
  EXPECT_EQ(View.LineCount(), 3);
  EXPECT_FALSE(View.HasBookmark(0));
  EXPECT_TRUE(View.HasBookmark(1));
  EXPECT_TRUE(View.HasBookmark(2));
  EXPECT_GE(Host.Count(HostEvent::Gutter), 1);
}

TEST_F(Wrap, TurningWrapOffRemovesEverySoftBreak) {
  std::string text;
  for (int i = 0; i < 50; ++i) text += "word " + std::to_string(i) + " more words\n";
  Wrapped(text, 8);
  ASSERT_GT(View.LineCount(), 51);
  View.SetWordWrap(false);
  EXPECT_EQ(View.RawText(), text);
  EXPECT_EQ(View.LineCount(), 51);
  for (int line = 0; line < View.LineCount(); ++line) EXPECT_EQ(View.HardLineOfLine(line), line);
  ASSERT_NO_FATAL_FAILURE(CheckInvariants(View, text));
}

TEST_F(Wrap, WrapAndUnwrapShowTheWaitCursor) {
  View.SetText("aaaa bbbb cccc");
  Host.Clear();
  View.SetWordWrap(true);
  ASSERT_GE(Host.Events.size(), 2u);
  EXPECT_EQ(Host.Events.front().What, HostEvent::Wait);
  EXPECT_EQ(Host.Events.front().A, 1);
  EXPECT_EQ(Host.Count(HostEvent::Wait), 2);
}

TEST_F(Wrap, RewrapKeepsTheCaretLineOnItsRow) {
  std::string text;
  for (int i = 0; i < 60; ++i) text += "aaaa bbbb cccc dddd\n";
  Wrapped(text);
  ASSERT_EQ(View.LineCount(), 121);
  View.SetSelection(View.LineStart(81), View.LineStart(81) + 2, ScrollNone);  // "cc" of hard line 40
  View.SetTopLine(71);
  View.SetClientSize(20 * 7, 25 * 16);
  View.Rewrap(true);
  EXPECT_EQ(View.LineCount(), 61);
  EXPECT_EQ(View.LineFromPosition(View.Caret()), 40);
  EXPECT_EQ(View.TopLine(), 30);
  EXPECT_EQ(View.GetSelectedText(), "cc");

  View.SetClientSize(10 * 7, 25 * 16);
  View.Rewrap(true);
  EXPECT_EQ(View.LineFromPosition(View.Caret()), 81);
  EXPECT_EQ(View.TopLine(), 71);
  View.Rewrap(false);
  EXPECT_EQ(View.LineFromPosition(View.Caret()), 40);
  EXPECT_EQ(View.TopLine(), 30);
}

TEST_F(Wrap, TabsAdvanceToTheNextStop) {
  EXPECT_EQ(View.MeasureText("\t", 1), 28);
  EXPECT_EQ(View.MeasureText("abc\t", 4), 28);
  EXPECT_EQ(View.MeasureText("abc\t", 4) - View.MeasureText("abc", 3), 7);
  EXPECT_EQ(View.MeasureText("abcd\t", 5), 56);
}

TEST_F(Wrap, TabWidthRemeasuresLinesButKeepsTheBreaks) {
  Wrapped("\tx yy zz\nabc");
  const std::string before = View.RawText();
  ASSERT_EQ(View.LineWidth(0), View.MeasureText("\tx yy ", 6));
  Host.Clear();
  View.SetTabWidth(8);
  EXPECT_EQ(View.GetTabWidth(), 8);
  EXPECT_EQ(View.MeasureText("\t", 1), 56);
  EXPECT_EQ(View.GetBuffer().Width(0), 56 + 7 * 5);
  EXPECT_EQ(View.RawText(), before);
  EXPECT_EQ(Host.Count(HostEvent::All), 1);

  Host.Clear();
  View.SetTabWidth(8);
  View.SetTabWidth(0);
  View.SetTabWidth(1000000000);
  EXPECT_EQ(View.GetTabWidth(), 8);
  EXPECT_TRUE(Host.Events.empty());
}

TEST_F(Wrap, AFontChangeRemeasuresAndRewraps) {
  Wrapped("aaaa bbbb cccc");
  View.SetShowLineNumbers(true);  // the digits widen with the font
  Measurer.CharWidth = 14;
  Host.Clear();
  View.FontChanged();
  EXPECT_EQ(View.Metrics().AverageCharWidth, 14);
  EXPECT_EQ(Raw(), "aaaa |bbbb |cccc");
  EXPECT_EQ(View.LineWidth(0), 70);
  EXPECT_EQ(View.GetBuffer().Width(2), 56);
  EXPECT_GE(Host.Count(HostEvent::GutterWidth), 1);
  EXPECT_GE(Host.Count(HostEvent::Caret), 1);
  EXPECT_GE(Host.Count(HostEvent::All), 1);
  EXPECT_EQ(Host.Events.back().What, HostEvent::All);
}

TEST_F(Wrap, AFontChangeWithoutWrapLeavesTheTextAlone) {
  View.SetText("aaaa bbbb cccc");
  Measurer.CharWidth = 14;
  View.FontChanged();
  EXPECT_EQ(View.RawText(), "aaaa bbbb cccc");
  EXPECT_EQ(View.LineWidth(0), 14 * 14);
}

// Random typing, deleting and pasting at random places: after every step the layout is
// the one a fresh wrap of the same text gives, and the view's caches agree with its text.
// With tabs a line measures differently from its own start than behind another line, so
// only the layout rules are checked there, not equality with a fresh wrap.
void TypeAtRandom(unsigned seed, int columns, int steps, bool tabs = false) {
  SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(columns) + " columns");
  std::mt19937 random(seed);
  ViewFixture f;
  TextView& view = f.View;
  view.SetClientSize(columns * 7, 25 * 16);
  std::string model = "the quick brown fox jumps over the lazy dog\nand then some more words follow here";
  view.SetText(model);
  view.SetWordWrap(true);
  const std::string pieces[] = {"a", "b", " ", "  ", "word ", "\n", "longerwordthanthewindow ", "x y z", tabs ? "\t" : "\n\n"};
  for (int step = 0; step < steps; ++step) {
    const int pos = static_cast<int>(random() % (view.Length() + 1));
    const int length = random() % 3 == 0 ? static_cast<int>(random() % 12) : 0;
    const int end = std::min(view.Length(), pos + length);
    const std::string& text = random() % 4 == 0 ? std::string() : pieces[random() % 9];
    const int from = view.UnwrappedPosition(pos);
    const int to = view.UnwrappedPosition(end);
    if (!view.ReplaceText(pos, end - pos, text, -1, -1, ScrollToCaret, true)) continue;
    model.replace(static_cast<size_t>(from), static_cast<size_t>(to - from), text);
    SCOPED_TRACE("step " + std::to_string(step));
    ASSERT_EQ(view.GetText(NewLineLf), model);
    if (!tabs) {
      ASSERT_EQ(Shown(view.RawText()), Shown(FreshlyWrapped(model, columns * 7)));
    }
    ASSERT_NO_FATAL_FAILURE(ExpectWellWrapped(view));
    ASSERT_NO_FATAL_FAILURE(CheckInvariants(view, model));
    ASSERT_EQ(view.UnwrappedPosition(view.Caret()), from + static_cast<int>(text.size()));
  }
}

TEST(WrapWhileTyping, NarrowWindow) { TypeAtRandom(7, 10, 600); }
TEST(WrapWhileTyping, WiderWindow) { TypeAtRandom(11, 23, 600); }
TEST(WrapWhileTyping, WithTabs) { TypeAtRandom(5, 16, 600, true); }

TEST(WrapWhileTyping, TypedCharactersKeepEveryLineFitting) {
  ViewFixture f;
  f.View.SetClientSize(12 * 7, 25 * 16);
  f.View.SetWordWrap(true);
  const std::string typed = "one two three four five six seven eight nine ten eleven twelve";
  for (char c : typed) {
    ASSERT_TRUE(f.View.InsertChar(f.View.Caret(), c));
    ASSERT_NO_FATAL_FAILURE(ExpectWellWrapped(f.View));
  }
  EXPECT_EQ(f.View.GetText(NewLineLf), typed);
  EXPECT_EQ(f.View.Caret(), f.View.Length());
  EXPECT_EQ(Shown(f.View.RawText()), Shown(FreshlyWrapped(typed, 12 * 7)));
}

}  // namespace
