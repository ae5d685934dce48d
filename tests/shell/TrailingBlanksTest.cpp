// Trailing-blank removal: which blanks go, what is carried across (selection, caret,
// bookmarks, scroll), one undo step, and nothing at all when nothing is to be removed.
#include "editor/shell/TrailingBlanks.h"

#include "tests/view/ViewFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// Soft breaks shown as '|', so that expected layouts read like the screen.
std::string Shown(std::string raw) {
  std::replace(raw.begin(), raw.end(), '\r', '|');
  return raw;
}

std::vector<int> BookmarkedLines(const TextView& view) {
  std::vector<int> lines;
  for (int line = 0; line < view.LineCount(); ++line)
    if (view.HasBookmark(line)) lines.push_back(line);
  return lines;
}

class TrailingBlanksTest : public ::testing::Test {
protected:
  ViewFixture Fixture;
  TextView& View = Fixture.View;

  void Load(const std::string& text) {
    View.SetText(text);
    View.ClearUndo();
    View.SetModified(false);
  }
  // A window ten characters wide with word wrap on.
  void WrapAtTenCharacters() {
    View.SetClientSize(10 * 7, 25 * 16);
    View.SetWordWrap(true);
  }
};

TEST_F(TrailingBlanksTest, SpacesAndTabsAtLineEndsGoAndBlankLinesEmpty) {
  Load("abc \t \n \t\t \n\tin\tside \nlast  ");
  EXPECT_EQ(RemoveTrailingBlanks(View), 10);
  EXPECT_EQ(View.GetText(NewLineLf), "abc\n\n\tin\tside\nlast");
  EXPECT_TRUE(View.IsModified());
}

TEST_F(TrailingBlanksTest, NoBreakIsAddedAfterTheLastLine) {
  Load("a \n");
  RemoveTrailingBlanks(View);
  EXPECT_EQ(View.GetText(NewLineLf), "a\n");
  Load("a \nb ");
  RemoveTrailingBlanks(View);
  EXPECT_EQ(View.GetText(NewLineLf), "a\nb");
}

TEST_F(TrailingBlanksTest, OtherWhiteSpaceStays) {
  Load("form\f\nvertical\v");
  EXPECT_EQ(RemoveTrailingBlanks(View), 0);
  EXPECT_EQ(View.GetText(NewLineLf), "form\f\nvertical\v");
}

TEST_F(TrailingBlanksTest, UnderWordWrapTheBlanksAtAWrapPointStay) {
  Load("aaaa  bbbb cccc  \nx ");
  WrapAtTenCharacters();
  ASSERT_EQ(Shown(View.RawText()), "aaaa  |bbbb |cccc  \nx ");
  EXPECT_EQ(RemoveTrailingBlanks(View), 3);
  // The shorter last part is fitted again and now joins the one before it.
  EXPECT_EQ(Shown(View.RawText()), "aaaa  |bbbb cccc\nx");
  EXPECT_EQ(View.GetText(NewLineLf), "aaaa  bbbb cccc\nx");
}

TEST_F(TrailingBlanksTest, SelectionAndCaretStayOnTheirCharacters) {
  Load("ab  \ncd  \nef");
  View.SetSelection(11, 1, ScrollNone);  // anchor on f, caret on b
  RemoveTrailingBlanks(View);
  ASSERT_EQ(View.GetText(NewLineLf), "ab\ncd\nef");
  EXPECT_EQ(View.Anchor(), 7);
  EXPECT_EQ(View.Caret(), 1);
}

TEST_F(TrailingBlanksTest, APositionInsideRemovedBlanksGoesToTheLineEnd) {
  Load("ab  \ncd  \nef");
  View.SetSelection(3, 8, ScrollNone);
  RemoveTrailingBlanks(View);
  EXPECT_EQ(View.Anchor(), 2);
  EXPECT_EQ(View.Caret(), 5);
  EXPECT_EQ(View.CharAt(View.Caret()), '\n');
}

TEST_F(TrailingBlanksTest, UnderWordWrapTheCaretStaysOnItsCharacterBehindSoftBreaks) {
  Load("aaaa bbbb cccc dddd \nzz ");
  WrapAtTenCharacters();
  const int onD = static_cast<int>(View.RawText().find('d'));
  const int onZ = static_cast<int>(View.RawText().find('z'));
  View.SetSelection(onD, onZ + 1, ScrollNone);
  RemoveTrailingBlanks(View);
  EXPECT_EQ(View.CharAt(View.Anchor()), 'd');
  EXPECT_EQ(View.CharAt(View.Caret()), 'z');
  EXPECT_EQ(View.CharAt(View.Caret() - 1), 'z');
}

TEST_F(TrailingBlanksTest, BookmarksStayOnTheirLines) {
  Load("one  \ntwo\t\n  \nfour \nfive");
  View.SetBookmarkLines({1, 3, 4});
  RemoveTrailingBlanks(View);
  EXPECT_EQ(BookmarkedLines(View), (std::vector<int>{1, 3, 4}));
}

TEST_F(TrailingBlanksTest, UnderWordWrapABookmarkOnAContinuationLineStaysThere) {
  Load("x  \naaaa bbbb cccc dddd eeee \nend ");
  WrapAtTenCharacters();
  ASSERT_EQ(Shown(View.RawText()), "x  \naaaa bbbb |cccc dddd |eeee \nend ");
  View.SetBookmarkLines({2, 4});
  RemoveTrailingBlanks(View);
  ASSERT_EQ(Shown(View.RawText()), "x\naaaa bbbb |cccc dddd |eeee\nend");
  EXPECT_EQ(BookmarkedLines(View), (std::vector<int>{2, 4}));
}

TEST_F(TrailingBlanksTest, OneUndoRestoresTheTextAndTheSavedState) {
  Load("a \nb\t\nc  ");
  RemoveTrailingBlanks(View);
  ASSERT_TRUE(View.CanUndo());
  View.Undo();
  EXPECT_EQ(View.GetText(NewLineLf), "a \nb\t\nc  ");
  EXPECT_FALSE(View.IsModified());
  EXPECT_FALSE(View.CanUndo());
  View.Redo();
  EXPECT_EQ(View.GetText(NewLineLf), "a\nb\nc");
  EXPECT_TRUE(View.IsModified());
}

TEST_F(TrailingBlanksTest, UnderWordWrapUndoRestoresTheWrappedText) {
  Load("aaaa  bbbb cccc  \nx ");
  WrapAtTenCharacters();
  const std::string before = View.RawText();
  RemoveTrailingBlanks(View);
  View.Undo();
  EXPECT_EQ(Shown(View.RawText()), Shown(before));
}

TEST_F(TrailingBlanksTest, NothingToRemoveLeavesTheViewUntouched) {
  for (const bool modified : {false, true}) {
    Load("clean\nlines\n\nonly");
    View.SetBookmarkLines({1});
    View.SetSelection(2, 7, ScrollNone);
    View.SetModified(modified);
    Fixture.Host.Clear();
    EXPECT_EQ(RemoveTrailingBlanks(View), 0);
    EXPECT_EQ(View.GetText(NewLineLf), "clean\nlines\n\nonly");
    EXPECT_FALSE(View.CanUndo());
    EXPECT_EQ(View.IsModified(), modified);
    EXPECT_EQ(View.Anchor(), 2);
    EXPECT_EQ(View.Caret(), 7);
    EXPECT_EQ(BookmarkedLines(View), (std::vector<int>{1}));
    EXPECT_TRUE(Fixture.Host.Notifications().empty());
  }
}

TEST_F(TrailingBlanksTest, UnderWordWrapBlanksOnlyAtWrapPointsAreNothingToRemove) {
  Load("aaaa  bbbb cccc");
  WrapAtTenCharacters();
  const std::string before = View.RawText();
  ASSERT_NE(before.find('\r'), std::string::npos);
  EXPECT_EQ(RemoveTrailingBlanks(View), 0);
  EXPECT_EQ(View.RawText(), before);
  EXPECT_FALSE(View.CanUndo());
}

TEST_F(TrailingBlanksTest, AnEmptyDocumentIsLeftAlone) {
  Load("");
  EXPECT_EQ(RemoveTrailingBlanks(View), 0);
  EXPECT_FALSE(View.CanUndo());
}

TEST_F(TrailingBlanksTest, TheFirstVisibleLineAndTheHorizontalScrollAreKept) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += std::string(static_cast<std::size_t>(100 + i % 7), 'w') + " \t\n";
  Load(text);
  View.SetSelection(View.LineStart(60), View.LineStart(60), ScrollNone);
  View.SetTopLine(50);
  View.SetScrollX(21 * 7);
  ASSERT_EQ(View.TopLine(), 50);
  ASSERT_EQ(View.ScrollX(), 21 * 7);
  RemoveTrailingBlanks(View);
  EXPECT_EQ(View.TopLine(), 50);
  EXPECT_EQ(View.ScrollX(), 21 * 7);
  EXPECT_EQ(View.Caret(), View.LineStart(60));
}

// Random documents against a plain line-by-line trim: the text, and that the caret stays on
// the same character (or, inside removed blanks, at its line's new end).
TEST_F(TrailingBlanksTest, RandomDocumentsMatchALineByLineTrim) {
  std::mt19937 random(20261208);
  const char alphabet[] = "ab \t\n";
  for (int round = 0; round < 200; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 60);
    for (int i = 0; i < length; ++i) text += alphabet[random() % 5];
    Load(text);
    const bool wrap = round % 2 == 1;
    if (wrap) WrapAtTenCharacters();

    std::string expected;
    std::size_t start = 0;
    for (;;) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      std::size_t kept = end;
      while (kept > start && (text[kept - 1] == ' ' || text[kept - 1] == '\t')) --kept;
      expected.append(text, start, kept - start);
      if (end == text.size()) break;
      expected += '\n';
      start = end + 1;
    }

    const int caret = static_cast<int>(random() % (View.Length() + 1));
    View.SetSelection(caret, caret, ScrollNone);
    const char under = View.CharAt(caret);
    const bool onBlank = under == ' ' || under == '\t';
    RemoveTrailingBlanks(View);
    ASSERT_EQ(View.GetText(NewLineLf), expected) << "round " << round;
    if (!onBlank && under != '\r') {
      EXPECT_EQ(View.CharAt(View.Caret()), under) << "round " << round;
    }
    View.SetWordWrap(false);
  }
}

}  // namespace
