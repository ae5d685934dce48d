// Typed characters, Backspace and Delete, block indent and the clipboard commands.
#include "tests/view/TypedKeys.h"

#include <gtest/gtest.h>

namespace {

class Editing : public ::testing::Test, public ViewFixture {
protected:
  std::string Text() const { return View.GetText(NewLineLf); }
  void Select(int anchor, int caret) { View.SetSelection(anchor, caret, ScrollNone); }
  void Load(const std::string& text, int caret) {
    View.SetText(text);
    View.ClearUndo();
    Select(caret, caret);
  }
  // A window ten characters wide that wraps its text.
  void Wrap(const std::string& text) {
    View.SetClientSize(10 * 7, 400);
    View.SetWordWrap(true);
    View.SetText(text);
  }
  void ShiftTab() {
    Host.KeysDown.insert(KeyShift);
    TypeKeys(*this, "\t");
    Host.KeysDown.erase(KeyShift);
  }
};

TEST_F(Editing, TypedCharactersGoInAtTheCaret) {
  Load("ad", 1);
  TypeKeys(*this, "bc");
  EXPECT_EQ(Text(), "abcd");
  EXPECT_EQ(View.Caret(), 3);
}

TEST_F(Editing, ControlCharactersNeedTheirKeyHeld) {
  Load("ab", 1);
  for (int ch : {13, 10, 8, 9, 27, 1, 0, 127}) View.TypeChar(ch);
  EXPECT_EQ(Text(), "ab");
  Host.KeysDown.insert(KeyEnter);
  View.TypeChar('\n');
  EXPECT_EQ(Text(), "a\nb");
}

TEST_F(Editing, CharactersAboveAsciiAreTypedOutOfRangeCodesAreNot) {
  Load("", 0);
  View.TypeChar(0xE9);
  View.TypeChar(256);
  View.TypeChar(-1);
  EXPECT_EQ(Text(), "\xE9");
}

TEST_F(Editing, TypingReplacesTheSelection) {
  Load("abcd", 0);
  Select(3, 1);
  TypeKeys(*this, "x");
  EXPECT_EQ(Text(), "axd");
  EXPECT_FALSE(View.HasSelection());
}

TEST_F(Editing, OverwriteReplacesInsideALineAndInsertsAtItsEnd) {
  Load("ab\ncd", 0);
  View.SetInsertMode(false);
  TypeKeys(*this, "x");
  EXPECT_EQ(Text(), "xb\ncd");
  Select(2, 2);
  TypeKeys(*this, "y");
  EXPECT_EQ(Text(), "xby\ncd");
  Select(View.Length(), View.Length());
  TypeKeys(*this, "z");
  EXPECT_EQ(Text(), "xby\ncdz");
}

TEST_F(Editing, OverwriteDoesNotTypeEnterOverACharacter) {
  Load("ab", 1);
  View.SetInsertMode(false);
  View.AutoIndent = false;
  TypeKeys(*this, "\n");
  EXPECT_EQ(Text(), "a\nb");
}

TEST_F(Editing, OverwrittenTabBecomesSpaces) {
  Load("abc", 1);
  View.SetInsertMode(false);
  View.TabInsertsSpaces = true;
  TypeKeys(*this, "\t");
  EXPECT_EQ(Text(), "a    c");
}

TEST_F(Editing, EnterCopiesTheIndentation) {
  Load("  \tfoo", 6);
  TypeKeys(*this, "\n");
  EXPECT_EQ(Text(), "  \tfoo\n  \t");
  EXPECT_EQ(View.Caret(), 10);
}

TEST_F(Editing, EnterInsideTheIndentationCopiesItWhole) {
  Load("  \tfoo", 1);
  TypeKeys(*this, "\n");
  EXPECT_EQ(Text(), " \n  \t \tfoo");
}

TEST_F(Editing, EnterAtLineStartOrWithoutAutoIndentInsertsBareLineFeed) {
  Load("  x", 0);
  TypeKeys(*this, "\n");
  EXPECT_EQ(Text(), "\n  x");
  View.AutoIndent = false;
  Select(4, 4);
  TypeKeys(*this, "\n");
  EXPECT_EQ(Text(), "\n  x\n");
}

TEST_F(Editing, EnterUnderWordWrapIndentsFromTheFirstSegment) {
  Wrap("  aaa bbb ccc ddd");
  ASSERT_GT(View.LineCount(), 1);
  Select(View.Length(), View.Length());
  TypeKeys(*this, "\n");
  EXPECT_EQ(Text(), "  aaa bbb ccc ddd\n  ");
}

TEST_F(Editing, TabInsertsTabOrTabWidthSpaces) {
  Load("a", 1);
  TypeKeys(*this, "\t");
  EXPECT_EQ(Text(), "a\t");
  View.TabInsertsSpaces = true;
  TypeKeys(*this, "\t");
  EXPECT_EQ(Text(), "a\t    ");
}

TEST_F(Editing, TabOverThreeLinesIndentsAndShiftTabUnindents) {
  Load("one\ntwo\nthree", 0);
  Select(1, 10);
  TypeKeys(*this, "\t");
  EXPECT_EQ(Text(), "\tone\n\ttwo\n\tthree");
  EXPECT_EQ(View.SelectionStart(), 0);
  EXPECT_EQ(View.SelectionEnd(), 16);
  ShiftTab();
  EXPECT_EQ(Text(), "one\ntwo\nthree");
  EXPECT_EQ(View.SelectionEnd(), 13);
}

TEST_F(Editing, BlockEndingAtALineStartLeavesThatLine) {
  Load("a\nb\n", 0);
  Select(0, 4);
  TypeKeys(*this, "\t");
  EXPECT_EQ(Text(), "\ta\n\tb\n");
  EXPECT_EQ(View.SelectionEnd(), 6);
  EXPECT_EQ(View.LineCount(), 3);
}

TEST_F(Editing, ShiftTabRemovesOnlyExistingLeadingTabs) {
  Load("\ta\nb\n\t\tc", 0);
  Select(0, View.Length());
  ShiftTab();
  EXPECT_EQ(Text(), "a\nb\n\tc");
}

TEST_F(Editing, ShiftTabReachesALastLineOfOneTab) {
  Load("\ta\n\t", 0);
  Select(0, View.Length());
  ShiftTab();
  EXPECT_EQ(Text(), "a\n");
}

TEST_F(Editing, ShiftTabWithoutTabsChangesNothing) {
  Load("a\nb", 0);
  Select(0, 3);
  ShiftTab();
  EXPECT_EQ(Text(), "a\nb");
  EXPECT_FALSE(View.CanUndo());
  EXPECT_EQ(View.SelectionEnd(), 3);
}

TEST_F(Editing, SpaceOverLinesIndentsByOneSpace) {
  Load("a\nb", 0);
  Select(0, 3);
  TypeKeys(*this, " ");
  EXPECT_EQ(Text(), " a\n b");
}

TEST_F(Editing, BlockIndentWithSpacesConvertsTabs) {
  View.TabInsertsSpaces = true;
  Load("a\tb\nc", 0);
  Select(0, 5);
  TypeKeys(*this, "\t");
  EXPECT_EQ(Text(), "    a    b\n    c");
}

TEST_F(Editing, TabOverSelectionInOneLineReplacesIt) {
  Load("abcd", 0);
  Select(1, 3);
  TypeKeys(*this, "\t");
  EXPECT_EQ(Text(), "a\td");
}

TEST_F(Editing, BlockIndentUnderWordWrapWorksOnHardLines) {
  Wrap("aaaa bbbb cccc\nzz");
  const int soft = static_cast<int>(View.RawText().find('\r'));
  ASSERT_GT(soft, 0);
  Select(soft + 2, View.Length());
  TypeKeys(*this, "\t");
  EXPECT_EQ(Text(), "\taaaa bbbb cccc\n\tzz");
  EXPECT_EQ(View.SelectionStart(), 0);
  EXPECT_EQ(View.SelectionEnd(), View.Length());
}

TEST_F(Editing, TabOverSegmentsOfOneWrappedLineReplacesTheSelection) {
  Wrap("aaaa bbbb cccc");
  const int soft = static_cast<int>(View.RawText().find('\r'));
  ASSERT_GT(soft, 0);
  Select(soft - 1, soft + 2);
  TypeKeys(*this, "\t");
  std::string expected = "aaaa bbbb cccc";
  expected.replace(static_cast<std::size_t>(soft - 1), 2, "\t");
  EXPECT_EQ(Text(), expected);
}

TEST_F(Editing, BackspaceDeletesBeforeTheCaretOrTheSelection) {
  Load("abc", 2);
  TypeKeys(*this, "\b");
  EXPECT_EQ(Text(), "ac");
  Select(0, 0);
  TypeKeys(*this, "\b");
  EXPECT_EQ(Text(), "ac");
  Select(0, 2);
  TypeKeys(*this, "\b");
  EXPECT_EQ(Text(), "");
}

TEST_F(Editing, BackspaceAfterSoftBreakTakesTheCharacterBeforeIt) {
  const std::string original = "aaaa bbbb cccc";
  Wrap(original);
  const int soft = static_cast<int>(View.RawText().find('\r'));
  ASSERT_GT(soft, 0);
  Select(soft + 1, soft + 1);
  TypeKeys(*this, "\b");
  std::string expected = original;
  expected.erase(static_cast<std::size_t>(soft - 1), 1);
  EXPECT_EQ(Text(), expected);
}

TEST_F(Editing, DeleteBeforeSoftBreakTakesTheCharacterAfterIt) {
  const std::string original = "aaaa bbbb cccc";
  Wrap(original);
  const int soft = static_cast<int>(View.RawText().find('\r'));
  ASSERT_GT(soft, 0);
  Select(soft, soft);
  View.DeleteKey();
  std::string expected = original;
  expected.erase(static_cast<std::size_t>(soft), 1);
  EXPECT_EQ(Text(), expected);
}

TEST_F(Editing, DeleteKeyDeletesAtTheCaretOrTheSelection) {
  Load("abc", 1);
  View.DeleteKey();
  EXPECT_EQ(Text(), "ac");
  Select(2, 2);
  View.DeleteKey();
  EXPECT_EQ(Text(), "ac");
  Select(0, 2);
  View.DeleteKey();
  EXPECT_EQ(Text(), "");
}

TEST_F(Editing, InsertAndDeleteCharOutsideTheDocumentDoNothing) {
  Load("ab", 0);
  EXPECT_FALSE(View.InsertChar(3, 'x'));
  EXPECT_FALSE(View.InsertChar(-1, 'x'));
  EXPECT_FALSE(View.DeleteChar(2));
  EXPECT_TRUE(View.InsertChar(2, 'c'));
  EXPECT_TRUE(View.DeleteChar(0));
  EXPECT_EQ(Text(), "bc");
}

TEST_F(Editing, ReplaceSelectionPlacesCaretOrSelectsTheText) {
  Load("abcd", 0);
  Select(1, 3);
  View.ReplaceSelection("XYZ", false);
  EXPECT_EQ(Text(), "aXYZd");
  EXPECT_EQ(View.Caret(), 4);
  Select(0, 1);
  View.ReplaceSelection("q\r\nr", true);
  EXPECT_EQ(Text(), "q\nrXYZd");
  EXPECT_EQ(View.SelectionStart(), 0);
  EXPECT_EQ(View.SelectionEnd(), 3);
}

TEST_F(Editing, ReplacingByIdenticalTextLeavesNoTrace) {
  Load("abc", 0);
  View.SetModified(false);
  Select(0, 3);
  View.ReplaceSelection("abc", true);
  EXPECT_FALSE(View.CanUndo());
  EXPECT_FALSE(View.IsModified());
}

TEST_F(Editing, SelectedReplacementCutToTheLengthLimitSelectsWhatWentIn) {
  Load("abcd", 0);
  View.MaxLength = 6;
  Select(1, 2);
  View.ReplaceSelection("WXYZ", true);
  EXPECT_EQ(Text(), "aWXYcd");
  EXPECT_EQ(View.SelectionEnd(), 4);
}

TEST_F(Editing, SelectAllSelectsTheDocument) {
  Load("ab\nc", 1);
  View.SelectAll();
  EXPECT_EQ(View.SelectionStart(), 0);
  EXPECT_EQ(View.SelectionEnd(), 4);
}

TEST_F(Editing, CopyWithoutSelectionCopiesTheHardLine) {
  Load("one\ntwo", 5);
  View.Copy();
  EXPECT_EQ(Clipboard.Text, "two\r\n");
  EXPECT_EQ(Text(), "one\ntwo");
}

TEST_F(Editing, CopyUnderWordWrapLeavesOutSoftBreaks) {
  Wrap("aaaa bbbb cccc\nz");
  ASSERT_NE(View.RawText().find('\r'), std::string::npos);
  Select(0, View.Length());
  View.Copy();
  EXPECT_EQ(Clipboard.Text, "aaaa bbbb cccc\r\nz");
  Select(2, 2);
  View.Copy();
  EXPECT_EQ(Clipboard.Text, "aaaa bbbb cccc\r\n");
}

TEST_F(Editing, CutWithoutSelectionTakesTheLineAndOneBreak) {
  Load("one\ntwo\nthree", 5);
  View.Cut();
  EXPECT_EQ(Text(), "one\nthree");
  EXPECT_EQ(Clipboard.Text, "two\r\n");
  Select(6, 6);
  View.Cut();
  EXPECT_EQ(Text(), "one");
  EXPECT_EQ(Clipboard.Text, "three\r\n");
  View.Cut();
  EXPECT_EQ(Text(), "");
}

TEST_F(Editing, CutWithSelectionTakesIt) {
  Load("abcd", 0);
  Select(1, 3);
  View.Cut();
  EXPECT_EQ(Text(), "ad");
  EXPECT_EQ(Clipboard.Text, "bc");
}

TEST_F(Editing, CutDeletesNothingWhenTheClipboardFails) {
  Load("abcd", 0);
  Select(1, 3);
  Clipboard.Available = false;
  View.Cut();
  EXPECT_EQ(Text(), "abcd");
}

TEST_F(Editing, CutAndCopyOfEmptyDocumentDoNothing) {
  View.Copy();
  View.Cut();
  EXPECT_FALSE(Clipboard.HasText);
  EXPECT_FALSE(View.CanEdit());
  EXPECT_EQ(Host.Count(HostEvent::Notify), 0);
}

TEST_F(Editing, PasteTurnsCrLfIntoLf) {
  Load("ab", 1);
  Clipboard.Text = "x\r\ny";
  Clipboard.HasText = true;
  View.Paste();
  EXPECT_EQ(Text(), "ax\nyb");
  EXPECT_EQ(View.Caret(), 4);
}

TEST_F(Editing, PasteReplacesTheSelectionWithFileContents) {
  Load("abcd", 0);
  Select(1, 3);
  Clipboard.FilesText = "file\none\n";
  Clipboard.HasFiles = true;
  View.Paste();
  EXPECT_EQ(Text(), "afile\none\nd");
}

TEST_F(Editing, PasteWithoutClipboardDataDoesNothing) {
  Load("ab", 1);
  EXPECT_FALSE(View.CanPaste());
  View.Paste();
  Clipboard.HasText = true;
  Clipboard.Available = false;
  View.Paste();
  EXPECT_EQ(Text(), "ab");
}

TEST_F(Editing, ReadOnlyIgnoresEditsButCopies) {
  Load("one\ntwo", 1);
  Select(0, 2);
  Clipboard.FilesText = "f";
  Clipboard.HasFiles = true;
  View.SetReadOnly(true);
  TypeKeys(*this, "x\b\t\n");
  View.DeleteKey();
  View.Cut();
  View.Paste();
  EXPECT_EQ(Text(), "one\ntwo");
  EXPECT_FALSE(View.CanEdit());
  EXPECT_FALSE(View.CanPaste());
  View.Copy();
  EXPECT_EQ(Clipboard.Text, "on");
}

TEST_F(Editing, DisabledWindowCannotEditOrPaste) {
  Load("ab", 0);
  Clipboard.HasText = true;
  Host.Enabled = false;
  EXPECT_FALSE(View.CanEdit());
  EXPECT_FALSE(View.CanPaste());
  Host.Enabled = true;
  EXPECT_TRUE(View.CanEdit());
  EXPECT_TRUE(View.CanPaste());
}

TEST_F(Editing, ModeChangesRepaintOrRecreateTheCaretOnlyWhenTheyChange) {
  View.SetReadOnly(false);
  View.SetInsertMode(true);
  EXPECT_EQ(Host.Count(HostEvent::All), 0);
  EXPECT_EQ(Host.Count(HostEvent::Caret), 0);
  View.SetReadOnly(true);
  View.SetInsertMode(false);
  EXPECT_TRUE(View.IsReadOnly());
  EXPECT_FALSE(View.IsInsertMode());
  EXPECT_EQ(Host.Count(HostEvent::All), 1);
  EXPECT_EQ(Host.Count(HostEvent::Caret), 1);
}

}  // namespace
