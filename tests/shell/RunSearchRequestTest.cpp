// Find, Replace and Replace All on a view: passes around the text and their messages,
// whole words, escapes, counts, undo, read-only views and the restored view position.
#include "editor/shell/RunSearchRequest.h"

#include "editor/shell/SearchFeedback.h"
#include "editor/shell/SearchProgress.h"
#include "editor/shell/SearchRequest.h"
#include "tests/view/ViewFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Message {
  std::string Text;
  std::string Caption;
};

class RecordingFeedback : public SearchFeedback {
public:
  void ShowInformation(const std::string& text, const char* caption) override {
    Messages.push_back({text, caption});
  }
  void BeginWait() override { ++Waits; }
  void EndWait() override { --Waits; }

  std::vector<Message> Messages;
  int Waits = 0;
};

// The main window's share of the selection notification: a moved caret forgets the start.
class SearchingHost : public FakeHost {
public:
  void Notify(int code) override {
    FakeHost::Notify(code);
    if (code == TVN_SELCHANGED && Progress && View) Progress->SelectionMoved(View->SelectionStart());
  }
  SearchProgress* Progress = nullptr;
  TextView* View = nullptr;
};

struct RunSearchRequestTest : ::testing::Test {
  RunSearchRequestTest() {
    View.SetClientSize(80 * 7, 25 * 16);
    Host.Progress = &Progress;
    Host.View = &View;
  }

  void SetText(const std::string& text) {
    View.SetText(text);
    View.ClearUndo();
    View.SetModified(false);
    View.SetSelection(0, 0, ScrollNone);
  }
  // A press of the dialog's Find button, then the Find Next commands after it.
  void Find(const std::string& text, int flags = SearchIgnoreCase) {
    Request.findText = text;
    Request.flags = flags;
    Request.doFind = true;
    Request.doReplace = Request.doReplaceAll = false;
    Request.newSearch = true;
    Run();
  }
  void FindNext(bool forward = true) {
    Request.flags = forward ? Request.flags & ~SearchBackwards : Request.flags | SearchBackwards;
    Run();
  }
  int ReplaceAllOf(const std::string& find, const std::string& replace, int flags = SearchIgnoreCase) {
    Request.findText = find;
    Request.replaceText = replace;
    Request.flags = flags;
    Request.doReplaceAll = true;
    Request.doFind = Request.doReplace = false;
    Run();
    EXPECT_FALSE(Feedback.Messages.empty());
    if (Feedback.Messages.empty()) return -1;
    EXPECT_EQ(Feedback.Messages.back().Caption, "Replace All");
    return std::stoi(Feedback.Messages.back().Text);
  }
  void Run() { RunSearchRequest(View, Request, Progress, Feedback); }

  std::pair<int, int> Selection() const { return {View.Anchor(), View.Caret()}; }
  std::string LastMessage() const { return Feedback.Messages.empty() ? "" : Feedback.Messages.back().Text; }

  FakeMeasurer Measurer;
  SearchingHost Host;
  FakeClipboard Clipboard;
  TextView View{Measurer, Host, Clipboard};
  SearchRequest Request;
  SearchProgress Progress;
  RecordingFeedback Feedback;
};

TEST_F(RunSearchRequestTest, APassGoesOnceAroundAndThenStartsAgain) {
  SetText("abcabc");
  Find("abc");
  EXPECT_EQ(Selection(), std::make_pair(0, 3));
  FindNext();
  EXPECT_EQ(Selection(), std::make_pair(3, 6));
  EXPECT_TRUE(Feedback.Messages.empty());
  FindNext();
  ASSERT_EQ(Feedback.Messages.size(), 1u);
  EXPECT_EQ(Feedback.Messages[0].Text, "You have finished searching through all the text for 'abc'.");
  EXPECT_EQ(Feedback.Messages[0].Caption, "Finished Search");
  EXPECT_EQ(Selection(), std::make_pair(3, 6));
  FindNext();
  EXPECT_EQ(Selection(), std::make_pair(0, 3));
  EXPECT_EQ(Feedback.Messages.size(), 1u);
}

TEST_F(RunSearchRequestTest, TurningBackReachesTheStartingPoint) {
  SetText("x abc abc abc");
  View.SetSelection(1, 1, ScrollNone);
  Find("abc");
  FindNext();
  EXPECT_EQ(Selection(), std::make_pair(6, 9));
  FindNext(false);
  EXPECT_EQ(Selection(), std::make_pair(2, 5));
  EXPECT_TRUE(Feedback.Messages.empty());
  FindNext(false);
  ASSERT_EQ(Feedback.Messages.size(), 1u);
  EXPECT_EQ(Feedback.Messages[0].Text, "You have reached the starting point of the search.");
  EXPECT_EQ(Feedback.Messages[0].Caption, "Search");
  EXPECT_EQ(Selection(), std::make_pair(2, 5));
}

TEST_F(RunSearchRequestTest, MovingTheCaretStartsANewPassThere) {
  SetText("abc abc abc");
  Find("abc");
  FindNext();
  EXPECT_EQ(Selection(), std::make_pair(4, 7));
  View.SetSelection(8, 8, ScrollNone);  // by hand
  FindNext();
  EXPECT_EQ(Selection(), std::make_pair(8, 11));
  FindNext();
  FindNext();
  EXPECT_EQ(Selection(), std::make_pair(4, 7));
  EXPECT_TRUE(Feedback.Messages.empty());
  FindNext();
  EXPECT_EQ(LastMessage(), "You have finished searching through all the text for 'abc'.");
}

TEST_F(RunSearchRequestTest, AChangedRequestStartsANewPass) {
  SetText("abc abc");
  Find("abc");
  FindNext();
  Request.findText = "ABC";  // equal while case is ignored: the pass goes on
  FindNext();
  EXPECT_EQ(LastMessage(), "You have finished searching through all the text for 'ABC'.");
  Request.flags = SearchMatchCase;
  Request.findText = "abc";  // match case: a new pass, so no message at its first match
  Feedback.Messages.clear();
  Run();
  EXPECT_EQ(Selection(), std::make_pair(0, 3));
  EXPECT_TRUE(Feedback.Messages.empty());
}

TEST_F(RunSearchRequestTest, WholeWordsEndAtDigitsButNotAtLetters) {
  const int wholeWord = SearchIgnoreCase | SearchWholeWord;
  for (const char* text : {"concat", "cats", "cat_1"}) {
    SetText(text);
    Feedback.Messages.clear();
    Find("cat", wholeWord);
    EXPECT_EQ(LastMessage(), "There are no occurrences of 'cat'.") << text;
    EXPECT_EQ(Progress.startPos, -1) << text;
  }
  for (const char* text : {"cat-1", "(cat)", "cat1"}) {
    SetText(text);
    Feedback.Messages.clear();
    Find("cat", wholeWord);
    EXPECT_TRUE(Feedback.Messages.empty()) << text;
    EXPECT_EQ(View.GetSelectedText(), "cat") << text;
  }
}

TEST_F(RunSearchRequestTest, EscapedLineBreakMatchesAndIsShownEscaped) {
  SetText("xa\nby");
  Request.allowEscapes = true;
  Find(ConvertEscapes("a\\nb"));
  EXPECT_EQ(Selection(), std::make_pair(1, 4));
  SetText("ab");
  Find(ConvertEscapes("a\\nb\\t\\\\"));
  EXPECT_EQ(LastMessage(), "There are no occurrences of 'a\\nb\\t\\\\'.");
}

TEST_F(RunSearchRequestTest, SearchesStartAtTheSelectionsFarEndAndWrap) {
  SetText("ab ab ab");
  View.SetSelection(2, 4, ScrollNone);
  Find("ab", SearchIgnoreCase | SearchBackwards);
  EXPECT_EQ(Selection(), std::make_pair(0, 2));
  FindNext(false);
  EXPECT_EQ(Selection(), std::make_pair(6, 8));  // wrapped to the end
  SetText("");
  Find("ab");
  EXPECT_EQ(LastMessage(), "There are no occurrences of 'ab'.");
}

TEST_F(RunSearchRequestTest, AMatchAcrossTheLastEditsPlaceIsFound) {
  SetText("first line\nsecond line\n");
  View.ReplaceText(8, 0, "XY", -1, -1, ScrollNone, true);  // "first liXYne"
  View.SetSelection(0, 0, ScrollNone);
  Find("iXYn", SearchMatchCase);
  EXPECT_EQ(Selection(), std::make_pair(7, 11));
  EXPECT_EQ(ReplaceAllOf("XY", "", SearchMatchCase), 1);
  EXPECT_EQ(View.GetText(NewLineLf), "first line\nsecond line\n");
}

TEST_F(RunSearchRequestTest, MatchesAcrossSoftBreaksAreFoundAndSelected) {
  View.SetClientSize(10 * 7, 25 * 16);
  SetText("aaaa bbbb cccc dddd");
  View.SetWordWrap(true);
  ASSERT_GT(View.LineCount(), 1);
  Find("bbbb cccc");
  std::string selected = View.GetSelectedText();
  StripSoftBreaks(selected);
  EXPECT_EQ(selected, "bbbb cccc");
}

TEST_F(RunSearchRequestTest, ReplaceAllCountsEveryScanBehindTheInsertedText) {
  SetText("aaa");
  EXPECT_EQ(ReplaceAllOf("a", "aa"), 3);
  EXPECT_EQ(View.GetText(NewLineLf), "aaaaaa");
  EXPECT_EQ(LastMessage(), "3 replacments made.");
  EXPECT_EQ(Feedback.Waits, 0);
}

TEST_F(RunSearchRequestTest, ReplaceAllIgnoresTheDirection) {
  SetText("one two one two one");
  View.SetSelection(10, 10, ScrollNone);
  EXPECT_EQ(ReplaceAllOf("one", "1", SearchIgnoreCase | SearchBackwards), 3);
  EXPECT_EQ(View.GetText(NewLineLf), "1 two 1 two 1");
}

TEST_F(RunSearchRequestTest, ReplaceAllWithoutAMatchTouchesNothing) {
  SetText("some text");
  EXPECT_EQ(ReplaceAllOf("zzz", "y"), 0);
  EXPECT_EQ(LastMessage(), "0 replacments made.");
  EXPECT_EQ(View.GetText(NewLineLf), "some text");
  EXPECT_FALSE(View.CanUndo());
  EXPECT_FALSE(View.IsModified());
}

TEST_F(RunSearchRequestTest, ReplaceAllIsOneUndoStepOverTheChangedSpanOnly) {
  SetText("head x mid x tail");
  EXPECT_EQ(ReplaceAllOf("x", "yy"), 2);
  EXPECT_EQ(View.GetText(NewLineLf), "head yy mid yy tail");
  ASSERT_EQ(View.GetHistory().UndoList.size(), 1u);
  const UndoRecord& record = View.GetHistory().UndoList.back();
  EXPECT_EQ(record.Position, 5);
  EXPECT_EQ(record.Removed, "x mid x");
  EXPECT_EQ(record.Inserted, "yy mid yy");
  View.Undo();
  EXPECT_EQ(View.GetText(NewLineLf), "head x mid x tail");
  EXPECT_FALSE(View.CanUndo());
}

TEST_F(RunSearchRequestTest, ReplaceAllCarriesTheSelectionAndKeepsTheViewPosition) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line with a word " + std::to_string(i) + " and more" + std::string(100, '.') + "\n";
  SetText(text);
  View.SetTopLine(40);
  View.SetScrollX(14);
  const int anchor = View.LineStart(50);
  const int caret = View.LineStart(50) + 9;  // "line with"
  View.SetSelection(anchor, caret, ScrollNone);
  ASSERT_EQ(View.TopLine(), 40);
  ASSERT_EQ(View.ScrollX(), 14);
  EXPECT_EQ(ReplaceAllOf("word", "w"), 100);
  EXPECT_EQ(View.TopLine(), 40);
  EXPECT_EQ(View.ScrollX(), 14);
  EXPECT_EQ(View.GetSelectedText(), "line with");
  EXPECT_EQ(View.LineText(50), "line with a w 50 and more" + std::string(100, '.'));
}

TEST_F(RunSearchRequestTest, ReplaceAllInTheSelectionLeavesTheRest) {
  SetText("a a\na a\na a");
  View.SetSelection(2, 7, ScrollNone);  // "a\na a"
  Request.selectionOnly = true;
  EXPECT_EQ(ReplaceAllOf("a", "bb"), 3);
  EXPECT_EQ(View.GetText(NewLineLf), "a bb\nbb bb\na a");
  EXPECT_EQ(View.GetSelectedText(), "bb\nbb bb");
  Request.selectionOnly = true;
  View.SetSelection(0, 1, ScrollNone);
  EXPECT_EQ(ReplaceAllOf("z", "y"), 0);
  EXPECT_EQ(View.GetHistory().UndoList.size(), 1u);
}

TEST_F(RunSearchRequestTest, ReplaceChangesOnlyASelectedMatchAndFindsTheNext) {
  SetText("Cat cat dog");
  View.SetSelection(0, 3, ScrollNone);
  Request.findText = "cat";
  Request.replaceText = "ox";
  Request.flags = SearchIgnoreCase | SearchWholeWord;
  Request.doFind = Request.doReplace = true;
  Run();
  EXPECT_EQ(View.GetText(NewLineLf), "ox cat dog");
  EXPECT_EQ(Selection(), std::make_pair(3, 6));
  Request.flags = SearchMatchCase;
  Request.findText = "CAT";  // selected "cat" differs with match case: no replacement
  Request.doFind = false;
  Run();
  EXPECT_EQ(View.GetText(NewLineLf), "ox cat dog");
}

TEST_F(RunSearchRequestTest, AReadOnlyViewIsSearchedButNotChanged) {
  SetText("abc abc");
  View.SetSelection(0, 3, ScrollNone);
  View.SetReadOnly(true);
  Request.findText = "abc";
  Request.replaceText = "x";
  Request.doReplaceAll = Request.doReplace = Request.doFind = true;
  Run();
  EXPECT_EQ(View.GetText(NewLineLf), "abc abc");
  EXPECT_TRUE(Feedback.Messages.empty());  // no Replace All count either
  EXPECT_EQ(Selection(), std::make_pair(4, 7));
}

TEST_F(RunSearchRequestTest, ANewSearchIsUsedOnce) {
  SetText("abc");
  Find("abc");
  EXPECT_FALSE(Request.newSearch);
  EXPECT_TRUE(Progress.lastNewSearch);
  EXPECT_EQ(Progress.startPos, 0);
  EXPECT_EQ(Progress.lastPos, 0);
}

// One undo step, which brings back the selection and the view's place as they were, and redo
// the carried selection in the same place: undo does not scroll to the changed span's end.
TEST_F(RunSearchRequestTest, ReplaceAllIsUndoneAndRedoneWithTheSelectionAndTheViewPosition) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line with a word " + std::to_string(i) + " and more" + std::string(100, '.') + "\n";
  SetText(text + "word at the end");
  View.SetTopLine(40);
  View.SetScrollX(14);
  const int anchor = View.LineStart(50) + 9;
  const int caret = View.LineStart(50) + 5;  // "with", selected backwards
  View.SetSelection(anchor, caret, ScrollNone);
  EXPECT_EQ(ReplaceAllOf("word", "w"), 101);
  View.SetTopLine(0);
  View.SetScrollX(0);
  View.SetSelection(0, 0, ScrollNone);
  View.Undo();
  EXPECT_EQ(View.GetText(NewLineLf), text + "word at the end");
  EXPECT_EQ(Selection(), std::make_pair(anchor, caret));
  EXPECT_EQ(View.TopLine(), 40);
  EXPECT_EQ(View.ScrollX(), 14);
  EXPECT_FALSE(View.CanUndo());
  View.SetTopLine(0);
  View.Redo();
  EXPECT_EQ(View.GetSelectedText(), "with");
  EXPECT_EQ(View.Caret(), View.LineStart(50) + 5);
  EXPECT_EQ(View.TopLine(), 40);
  EXPECT_EQ(View.ScrollX(), 14);
}

// Under word wrap the carried selection is placed among the new text's soft breaks, before
// the changed span, inside it and behind it; undo and redo select the same characters.
TEST_F(RunSearchRequestTest, ReplaceAllUnderWordWrapCarriesTheSelectionWhereverItIs) {
  std::string text;
  for (int i = 0; i < 30; ++i)
    text += "alpha beta gamma delta " + std::to_string(i) +
            " epsilon zeta eta theta iota kappa lambda mu nu xi omicron pi rho sigma tau beta\n";
  text += "omega end";
  View.SetWordWrap(true);
  const auto selected = [&] {
    std::string unwrapped = View.GetSelectedText();
    unwrapped.erase(std::remove(unwrapped.begin(), unwrapped.end(), '\r'), unwrapped.end());
    return unwrapped;
  };
  for (const std::string needle : {"alpha", "gamma delta 12 epsilon zeta eta theta iota kappa lambda mu nu xi", "omega"}) {
    SCOPED_TRACE(needle);
    SetText(text);
    ASSERT_GT(View.LineCount(), 60);
    const int from = static_cast<int>(text.find(needle));
    View.SetSelection(View.WrappedPosition(from + static_cast<int>(needle.size())), View.WrappedPosition(from),
                      ScrollNone);
    ASSERT_EQ(selected(), needle);
    EXPECT_EQ(ReplaceAllOf("beta", "b"), 60);
    EXPECT_EQ(selected(), needle);
    View.Undo();
    EXPECT_EQ(selected(), needle);
    View.Redo();
    EXPECT_EQ(selected(), needle);
    EXPECT_LT(View.Caret(), View.Anchor());
  }
}

}  // namespace
