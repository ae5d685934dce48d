// Undo and redo through the view: records of edits, the modified flag, limits and wrap.
#include "tests/view/TypedKeys.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class Undo : public ::testing::Test, public ViewFixture {
protected:
  std::string Text() const { return View.GetText(NewLineLf); }
  void Select(int anchor, int caret) { View.SetSelection(anchor, caret, ScrollNone); }
  // As the shell opens a file: the loaded text is the saved state.
  void Load(const std::string& text) {
    View.SetText(text);
    View.SetModified(false);
    View.ClearUndo();
  }
  std::size_t UndoCount() const { return View.GetHistory().UndoList.size(); }
  std::size_t RedoCount() const { return View.GetHistory().RedoList.size(); }
  void UndoAll() {
    while (View.CanUndo()) View.Undo();
  }
  void RedoAll() {
    while (View.CanRedo()) View.Redo();
  }
  // A mix of the editing operations, each making its own records.
  void EditMuch() {
    Select(3, 3);
    TypeKeys(*this, "xy\n\tz");
    Select(0, 9);
    TypeKeys(*this, "\t");
    Select(2, 2);
    TypeKeys(*this, "\b\b");
    View.DeleteKey();
    Clipboard.Text = "pasted\r\ntext";
    Clipboard.HasText = true;
    Select(4, 7);
    View.Paste();
    Select(1, 1);
    View.Cut();
    View.SetInsertMode(false);
    TypeKeys(*this, "OV");
  }
};

TEST_F(Undo, EachTypedCharacterIsOneRecordUndoneOneByOne) {
  Load("");
  TypeKeys(*this, "abc");
  EXPECT_EQ(UndoCount(), 3u);
  View.Undo();
  EXPECT_EQ(Text(), "ab");
  View.Undo();
  EXPECT_EQ(Text(), "a");
  EXPECT_EQ(UndoCount(), 1u);
  EXPECT_EQ(RedoCount(), 2u);
  EXPECT_EQ(View.Caret(), 1);
  TypeKeys(*this, "d");
  EXPECT_EQ(Text(), "ad");
  EXPECT_FALSE(View.CanRedo());
  EXPECT_EQ(UndoCount(), 2u);
}

TEST_F(Undo, RedoPutsTheTextBackWithTheCaretAfterIt) {
  Load("one two");
  Select(3, 7);
  View.ReplaceSelection("!", false);
  View.Undo();
  EXPECT_EQ(Text(), "one two");
  EXPECT_EQ(View.Caret(), 7);
  View.Redo();
  EXPECT_EQ(Text(), "one!");
  EXPECT_EQ(View.Caret(), 4);
  EXPECT_FALSE(View.CanRedo());
}

TEST_F(Undo, LimitOfTwoDropsTheOldestAndLowersTheCleanPoint) {
  Load("");
  View.SetUndoLimit(2);
  TypeKeys(*this, "ab");
  View.SetModified(false);
  EXPECT_EQ(View.GetHistory().CleanIndex, 2u);
  TypeKeys(*this, "c");
  EXPECT_EQ(UndoCount(), 2u);
  EXPECT_EQ(View.GetHistory().CleanIndex, 1u);
  View.Undo();
  EXPECT_EQ(Text(), "ab");
  EXPECT_FALSE(View.IsModified());
  View.Undo();
  EXPECT_EQ(Text(), "a");
  EXPECT_FALSE(View.CanUndo());
}

TEST_F(Undo, LimitZeroRecordsNothing) {
  Load("");
  View.SetUndoLimit(0);
  EXPECT_EQ(View.GetUndoLimit(), 0u);
  TypeKeys(*this, "ab");
  EXPECT_FALSE(View.CanUndo());
  View.Undo();
  EXPECT_EQ(Text(), "ab");
}

TEST_F(Undo, UndoToTheSavedStateClearsModifiedAndRedoSetsIt) {
  Load("");
  TypeKeys(*this, "a");
  View.SetModified(false);
  TypeKeys(*this, "b");
  EXPECT_TRUE(View.IsModified());
  View.Undo();
  EXPECT_FALSE(View.IsModified());
  View.Redo();
  EXPECT_TRUE(View.IsModified());
  View.Undo();
  View.Undo();
  EXPECT_TRUE(View.IsModified());
}

TEST_F(Undo, AfterLoadingOneEditUndoneIsUnmodified) {
  Load("loaded");
  EXPECT_FALSE(View.CanUndo());
  TypeKeys(*this, "x");
  EXPECT_TRUE(View.IsModified());
  View.Undo();
  EXPECT_FALSE(View.IsModified());
  EXPECT_EQ(Text(), "loaded");
  EXPECT_FALSE(View.CanUndo());
}

TEST_F(Undo, SavedStateLostWithTheRedoListStaysModified) {
  Load("");
  TypeKeys(*this, "a");
  View.SetModified(false);
  View.Undo();
  TypeKeys(*this, "b");
  View.Undo();
  EXPECT_TRUE(View.IsModified());
  View.Redo();
  EXPECT_EQ(Text(), "b");
  EXPECT_TRUE(View.IsModified());
}

TEST_F(Undo, UndoingEverythingRestoresTheOriginalExactly) {
  const std::string original = "first line\n  second\n\tthird\nlast";
  Load(original);
  EditMuch();
  const std::string final = Text();
  ASSERT_NE(final, original);
  UndoAll();
  EXPECT_EQ(Text(), original);
  EXPECT_FALSE(View.IsModified());
  RedoAll();
  EXPECT_EQ(Text(), final);
  EXPECT_TRUE(View.IsModified());
}

TEST_F(Undo, UnderWordWrapRecordsAreUnwrappedAndReplayExactly) {
  View.SetClientSize(10 * 7, 400);
  View.SetWordWrap(true);
  const std::string original = "aaaa bbbb cccc dddd eeee\nffff gggg hhhh";
  Load(original);
  ASSERT_GT(View.LineCount(), 4);
  const int end = View.Length();
  Select(end, end);
  TypeKeys(*this, "z");
  EXPECT_EQ(View.GetHistory().UndoList.back().Position, static_cast<int>(original.size()));
  EditMuch();
  const std::string final = Text();
  UndoAll();
  EXPECT_EQ(Text(), original);
  EXPECT_FALSE(View.IsModified());
  RedoAll();
  EXPECT_EQ(Text(), final);
}

TEST_F(Undo, ReplayedSpansReachAcrossSoftBreaks) {
  View.SetClientSize(10 * 7, 400);
  View.SetWordWrap(true);
  Load("aaaa");
  Select(4, 4);
  View.ReplaceSelection(" bbbb cccc dddd eeee ffff", false);
  const std::string inserted = View.RawText();
  ASSERT_GE(std::count(inserted.begin(), inserted.end(), '\r'), 2);
  View.Undo();
  EXPECT_EQ(View.RawText(), "aaaa");
  View.Redo();
  EXPECT_EQ(View.RawText(), inserted);
  const int soft = static_cast<int>(inserted.find('\r'));
  Select(soft - 2, soft + 3);
  View.DeleteKey();
  const std::string deleted = Text();
  View.Undo();
  EXPECT_EQ(View.RawText(), inserted);
  View.Redo();
  EXPECT_EQ(Text(), deleted);
}

TEST_F(Undo, RecordThatWouldNotFitUnderTheLengthLimitStaysPut) {
  Load("abcdef");
  Select(0, 3);
  View.DeleteKey();
  View.MaxLength = 4;
  View.Undo();
  EXPECT_EQ(Text(), "def");
  EXPECT_EQ(UndoCount(), 1u);
  EXPECT_EQ(RedoCount(), 0u);
  EXPECT_EQ(Host.Count(HostEvent::Beep), 1);
  View.MaxLength = 0;
  View.Undo();
  EXPECT_EQ(Text(), "abcdef");
  View.Redo();
  EXPECT_EQ(Text(), "def");
}

TEST_F(Undo, ReadOnlyOrDisabledViewDoesNotReplay) {
  Load("");
  TypeKeys(*this, "ab");
  View.Undo();
  View.SetReadOnly(true);
  View.Undo();
  View.Redo();
  EXPECT_EQ(Text(), "a");
  View.SetReadOnly(false);
  Host.Enabled = false;
  View.Undo();
  View.Redo();
  EXPECT_EQ(Text(), "a");
  EXPECT_EQ(UndoCount(), 1u);
  EXPECT_EQ(RedoCount(), 1u);
}

TEST_F(Undo, ReplayingDoesNotRecordOrMoveTheCleanPoint) {
  Load("x");
  TypeKeys(*this, "ab");
  View.Undo();
  EXPECT_EQ(UndoCount(), 1u);
  EXPECT_EQ(RedoCount(), 1u);
  EXPECT_EQ(View.GetHistory().CleanIndex, 0u);
}

TEST_F(Undo, ClearUndoEmptiesBothLists) {
  Load("");
  TypeKeys(*this, "ab");
  View.Undo();
  View.ClearUndo();
  EXPECT_FALSE(View.CanUndo());
  EXPECT_FALSE(View.CanRedo());
  EXPECT_EQ(View.GetHistory().CleanIndex, 0u);
}

}  // namespace
