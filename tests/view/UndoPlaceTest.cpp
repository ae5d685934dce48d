// Undo and redo bring back the selection and the scroll position around their change: a
// replaced selection, edits at the caret, word wrap switched or the window made smaller in
// between.
#include "tests/view/TypedKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int CharW = 7;
constexpr int LineH = 16;
constexpr int LineLength = 200;

class UndoPlace : public ::testing::Test, public ViewFixture {
protected:
  // Lines of 200 characters (each wraps to three lines in the 80 columns of the window),
  // each starting with its number.
  void LoadLongLines(int count) {
    std::string text;
    for (int line = 0; line < count; ++line) {
      std::string row = "L" + std::to_string(line);
      while (static_cast<int>(row.size()) < LineLength) row += " word";
      text += row.substr(0, LineLength) + "\n";
    }
    View.SetText(text);
    View.SetModified(false);
    View.ClearUndo();
  }
  // Unwrapped position of a column of a line of LoadLongLines.
  static int At(int line, int column) { return line * (LineLength + 1) + column; }
  void Select(int anchor, int caret) { View.SetSelection(anchor, caret, ScrollNone); }
  void ScrollTo(int top, int x) {
    View.SetTopLine(top);
    View.SetScrollX(x);
  }
  void ExpectPlace(int anchor, int caret, int top, int x) {
    EXPECT_EQ(View.Anchor(), anchor);
    EXPECT_EQ(View.Caret(), caret);
    EXPECT_EQ(View.TopLine(), top);
    EXPECT_EQ(View.ScrollX(), x);
  }
  bool CaretInSight() {
    const int line = View.LineFromPosition(View.Caret());
    const int x = View.PointX(View.Caret());
    return line >= View.TopLine() && line < View.TopLine() + View.VisibleLineCount(true) && x >= View.ScrollX() &&
           x < View.ScrollX() + View.ClientWidth();
  }
};

// As a filter's output replaces the selection and stays selected: undo selects the text it
// brings back, in the direction it was selected, and scrolls back to where the view stood;
// redo selects the output with the view as the change left it.
TEST_F(UndoPlace, AReplacedSelectionComesBackSelectedWhereTheViewStood) {
  LoadLongLines(100);
  ScrollTo(40, 20 * CharW);
  const int anchor = At(50, 0);
  const int caret = At(45, 30);  // selected upwards
  Select(anchor, caret);
  const std::string selected = View.GetSelectedText();
  View.ReplaceSelection("OUT\n", true);
  ASSERT_EQ(View.GetSelectedText(), "OUT\n");
  const int afterTop = View.TopLine();
  const int afterX = View.ScrollX();
  ASSERT_EQ(afterX, 0);  // the selection's end, at a line start, came into sight

  ScrollTo(0, 0);
  View.Undo();
  ExpectPlace(anchor, caret, 40, 20 * CharW);
  EXPECT_EQ(View.GetSelectedText(), selected);
  ScrollTo(80, 90 * CharW);
  View.Redo();
  ExpectPlace(caret, caret + 4, afterTop, afterX);
}

// Typing, Backspace and Delete leave the caret where undo has always put it: behind the text
// it brings back, which is where the caret stood before a typed character or a Backspace.
// A deleted selection comes back selected.
TEST_F(UndoPlace, EditsAtTheCaretAreUndoneWithTheCaretBehindWhatComesBack) {
  View.SetText("one two three");
  View.ClearUndo();
  const struct {
    const char* Name;
    int Anchor, Caret;
    void (*Edit)(UndoPlace&);
    int UndoneAnchor, UndoneCaret;
  } cases[] = {
      {"typed", 4, 4, [](UndoPlace& f) { TypeKeys(f, "x"); }, 4, 4},
      {"Enter", 4, 4, [](UndoPlace& f) { TypeKeys(f, "\n"); }, 4, 4},
      {"Backspace", 7, 7, [](UndoPlace& f) { TypeKeys(f, "\b"); }, 7, 7},
      {"Delete", 4, 4, [](UndoPlace& f) { f.View.DeleteKey(); }, 5, 5},
      {"Ctrl+Delete", 4, 4, [](UndoPlace& f) { f.View.DeleteWordAfter(); }, 8, 8},
      {"Ctrl+Backspace", 7, 7, [](UndoPlace& f) { f.View.DeleteWordBefore(); }, 7, 7},
      {"overwritten", 4, 4,
       [](UndoPlace& f) {
         f.View.SetInsertMode(false);
         TypeKeys(f, "T");
         f.View.SetInsertMode(true);
       },
       5, 5},
      {"deleted selection", 7, 4, [](UndoPlace& f) { f.View.DeleteKey(); }, 7, 4},
      {"cut selection", 4, 7, [](UndoPlace& f) { f.View.Cut(); }, 4, 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Select(c.Anchor, c.Caret);
    c.Edit(*this);
    ASSERT_NE(View.GetText(NewLineLf), "one two three");
    View.Undo();
    EXPECT_EQ(View.GetText(NewLineLf), "one two three");
    EXPECT_EQ(View.Anchor(), c.UndoneAnchor);
    EXPECT_EQ(View.Caret(), c.UndoneCaret);
  }
}

// The record keeps unwrapped positions: a change made without word wrap is undone under it
// onto the same characters, with the top line at the start of the hard line that was on top.
TEST_F(UndoPlace, WordWrapSwitchedOnBeforeUndoKeepsTheSameCharactersAndTopLine) {
  LoadLongLines(60);
  ScrollTo(30, 0);
  Select(At(35, 12), At(35, 0));
  View.ReplaceSelection("L35 WORD WOR", true);
  View.SetWordWrap(true);
  ASSERT_GT(View.LineCount(), 150);
  ScrollTo(0, 0);

  View.Undo();
  EXPECT_EQ(View.GetText(NewLineLf).substr(At(35, 0), 12), "L35 word wor");
  EXPECT_EQ(View.UnwrappedPosition(View.Anchor()), At(35, 12));
  EXPECT_EQ(View.UnwrappedPosition(View.Caret()), At(35, 0));
  EXPECT_EQ(View.TopLine(), View.LineOfHardLine(30));
  EXPECT_TRUE(CaretInSight());

  View.SetWordWrap(false);
  ScrollTo(0, 0);
  View.Redo();
  EXPECT_EQ(View.GetSelectedText(), "L35 WORD WOR");
  EXPECT_EQ(View.TopLine(), 30);
}

// A change made with word wrap on records its places unwrapped, the top line by the first
// character of the wrapped line on top; without word wrap undo puts that character's hard
// line on top.
TEST_F(UndoPlace, PlacesRecordedUnderWordWrapHoldWithoutIt) {
  View.SetWordWrap(true);
  LoadLongLines(60);
  const int top = View.LineOfHardLine(20) + 1;  // the second part of hard line 20
  ScrollTo(top, 0);
  const int topStart = View.UnwrappedPosition(View.LineStart(top));
  ASSERT_GT(topStart, At(20, 0));
  Select(View.WrappedPosition(At(21, 0)), View.WrappedPosition(At(21, 5)));
  View.ReplaceSelection("ABCDE", true);
  const UndoRecord& record = View.GetHistory().UndoList.back();
  EXPECT_EQ(record.Before.Anchor, At(21, 0));
  EXPECT_EQ(record.Before.Caret, At(21, 5));
  EXPECT_EQ(record.Before.TopStart, topStart);

  View.SetWordWrap(false);
  ScrollTo(0, 0);
  View.Undo();
  ExpectPlace(At(21, 0), At(21, 5), 20, 0);
}

// Where the stored scroll position would leave the caret out of sight, the view scrolls to
// it from where it is, as after any edit: the caret's line becomes the last one shown.
TEST_F(UndoPlace, ACaretOutOfSightAtTheStoredPlaceIsScrolledTo) {
  LoadLongLines(60);
  ScrollTo(30, 0);
  Select(At(50, 0), At(50, 0));
  TypeKeys(*this, "x");
  ASSERT_EQ(View.TopLine(), 30);
  View.SetClientSize(80 * CharW, 5 * LineH);
  ScrollTo(0, 0);
  View.Undo();
  EXPECT_EQ(View.Caret(), At(50, 0));
  EXPECT_EQ(View.TopLine(), 46);
  EXPECT_TRUE(CaretInSight());
}

}  // namespace
