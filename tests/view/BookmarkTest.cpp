// The bookmark commands: toggling, going round the document to the next one, clearing and
// setting a list, each with its gutter repaint.
#include "tests/view/InputFixture.h"

#include <vector>

namespace {

class Bookmarks : public InputTest {
protected:
  std::vector<int> Marked() const {
    std::vector<int> lines;
    for (int line = 0; line < View.LineCount(); ++line)
      if (View.HasBookmark(line)) lines.push_back(line);
    return lines;
  }
};

TEST_F(Bookmarks, ToggleTwiceLeavesTheLineWithout) {
  SetLines(10);
  PutCaret(At(4, 3));
  Host.Clear();
  View.ToggleBookmark();
  EXPECT_EQ(Marked(), std::vector<int>{4});
  EXPECT_EQ(Host.Count(HostEvent::Gutter), 1);
  View.ToggleBookmark();
  EXPECT_TRUE(Marked().empty());
  EXPECT_EQ(Host.Count(HostEvent::Gutter), 2);
}

TEST_F(Bookmarks, ToggleMarksTheCaretsDisplayLineUnderWordWrap) {
  View.SetClientSize(8 * CharW, 25 * LineH);
  View.SetWordWrap(true);
  View.SetText("aaaa bbbb cccc");
  PutCaret(At(2, 1));
  View.ToggleBookmark();
  EXPECT_EQ(Marked(), std::vector<int>{2});
}

TEST_F(Bookmarks, NextGoesRoundTheDocumentBothWays) {
  SetLines(100);
  View.SetBookmarkLines({3, 60});
  PutCaret(At(20, 2));
  View.NextBookmark(true);
  EXPECT_EQ(View.Caret(), At(60, 0));
  EXPECT_EQ(View.TopLine(), 60 - 12);  // centred
  View.NextBookmark(true);
  EXPECT_EQ(View.Caret(), At(3, 0));  // round from the end
  EXPECT_EQ(View.TopLine(), 0);
  View.NextBookmark(false);
  EXPECT_EQ(View.Caret(), At(60, 0));  // round from the start
  View.NextBookmark(false);
  EXPECT_EQ(View.Caret(), At(3, 0));
  PutCaret(At(40, 1));
  View.NextBookmark(false);
  EXPECT_EQ(View.Caret(), At(3, 0));
}

TEST_F(Bookmarks, TheOnlyBookmarkOnTheCaretsLineIsFoundLast) {
  SetLines(30);
  View.SetBookmarkLines({7});
  PutCaret(At(7, 4));
  View.NextBookmark(true);
  EXPECT_EQ(View.Caret(), At(7, 0));
  PutCaret(At(7, 4));
  View.NextBookmark(false);
  EXPECT_EQ(View.Caret(), At(7, 0));
}

TEST_F(Bookmarks, NextWithNoneDoesNothing) {
  SetLines(30);
  View.SetSelection(At(5, 1), At(6, 2), ScrollNone);
  Host.Clear();
  View.NextBookmark(true);
  View.NextBookmark(false);
  EXPECT_EQ(View.Anchor(), At(5, 1));
  EXPECT_EQ(View.Caret(), At(6, 2));
  EXPECT_TRUE(Host.Events.empty());
}

TEST_F(Bookmarks, NextOnAOneLineDocument) {
  View.SetText("only");
  PutCaret(3);
  View.NextBookmark(true);
  EXPECT_EQ(View.Caret(), 3);
  View.ToggleBookmark();
  View.NextBookmark(false);
  EXPECT_EQ(View.Caret(), 0);
}

TEST_F(Bookmarks, SetLinesRepaintsOnceAndSkipsLinesOutsideTheDocument) {
  SetLines(10);
  Host.Clear();
  View.SetBookmarkLines({});
  EXPECT_EQ(Host.Count(HostEvent::Gutter), 0);
  View.SetBookmarkLines({1, 5, 9, 10, -1, 5});
  EXPECT_EQ(Marked(), (std::vector<int>{1, 5, 9}));
  EXPECT_EQ(Host.Count(HostEvent::Gutter), 1);
}

TEST_F(Bookmarks, ClearRemovesEveryBookmarkAndRepaints) {
  SetLines(10);
  View.SetBookmarkLines({0, 4, 9});
  Host.Clear();
  View.ClearBookmarks();
  EXPECT_TRUE(Marked().empty());
  EXPECT_EQ(Host.Count(HostEvent::Gutter), 1);
  View.NextBookmark(true);
  EXPECT_EQ(View.Caret(), 0);
}

}  // namespace
