// The four case conversions, on strings and on the view's selection.
#include "editor/shell/CaseConversion.h"
#include "tests/view/ViewFakes.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

// ASCII letters plus two letters of the Windows Latin-1 page, as a code page with letters
// beyond ASCII has them: 0xE9 (e acute) and its capital 0xC9.
class LatinMapping : public CaseMapping {
public:
  void ToLower(std::string& text) const override {
    ++WholeTextCalls;
    for (char& c : text) c = Lower(c);
  }
  void ToUpper(std::string& text) const override {
    ++WholeTextCalls;
    for (char& c : text) c = Upper(c);
  }
  bool IsLetter(unsigned char c) const override { return std::isalpha(c) || c == 0xE9 || c == 0xC9; }
  bool IsUpper(unsigned char c) const override { return std::isupper(c) || c == 0xC9; }

  mutable int WholeTextCalls = 0;

private:
  static char Lower(char c) {
    if (static_cast<unsigned char>(c) == 0xC9) return static_cast<char>(0xE9);
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  static char Upper(char c) {
    if (static_cast<unsigned char>(c) == 0xE9) return static_cast<char>(0xC9);
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
};

std::string Convert(const std::string& text, int mode) {
  return ConvertCase(text, mode, LatinMapping());
}

TEST(ConvertCase, LowerAndUpperCaseGoThroughThePlatformMapping) {
  EXPECT_EQ(Convert("MiXeD 123 \xC9t\xE9!", LowerCase), "mixed 123 \xE9t\xE9!");
  EXPECT_EQ(Convert("MiXeD 123 \xC9t\xE9!", UpperCase), "MIXED 123 \xC9T\xC9!");
  LatinMapping mapping;
  ConvertCase(std::string(100000, 'a'), UpperCase, mapping);
  EXPECT_EQ(mapping.WholeTextCalls, 1);
  EXPECT_EQ(Convert("", UpperCase), "");
}

TEST(ConvertCase, TitleCaseStartsEveryWordAfterANonLetter) {
  EXPECT_EQ(Convert("hello WORLD-wide o'neil", TitleCase), "Hello World-Wide O'neil");
  EXPECT_EQ(Convert("3rd", TitleCase), "3Rd");
  EXPECT_EQ(Convert("don't", TitleCase), "Don't");
  EXPECT_EQ(Convert("snake_case and\ttabs\nnext LINE", TitleCase), "Snake_Case And\tTabs\nNext Line");
  EXPECT_EQ(Convert("\xE9t\xC9 \xC9T\xC9", TitleCase), "\xC9t\xE9 \xC9t\xE9");
}

TEST(ConvertCase, AnApostropheStartsAWordOnlyBehindANonLetter) {
  EXPECT_EQ(Convert("'tis", TitleCase), "'Tis");
  EXPECT_EQ(Convert("say 'hi'", TitleCase), "Say 'Hi'");
  EXPECT_EQ(Convert("rock''n", TitleCase), "Rock''N");
  EXPECT_EQ(Convert("x1'y", TitleCase), "X1'Y");
  EXPECT_EQ(Convert("''ab", TitleCase), "''Ab");
}

TEST(ConvertCase, ToggleCaseSwapsEveryLetterAndLeavesTheRest) {
  EXPECT_EQ(Convert("Hello World 42!", ToggleCase), "hELLO wORLD 42!");
  EXPECT_EQ(Convert("\xC9t\xE9", ToggleCase), "\xE9T\xC9");
  EXPECT_EQ(Convert(Convert("aBc'D_e", ToggleCase), ToggleCase), "aBc'D_e");
  EXPECT_EQ(Convert("...", ToggleCase), "...");
}

TEST(ConvertCase, AnUnknownModeChangesNothing) {
  EXPECT_EQ(Convert("Keep Me", 4), "Keep Me");
  EXPECT_EQ(Convert("Keep Me", -1), "Keep Me");
}

struct ConvertSelectionTest : testing::Test {
  void Load(const std::string& text) {
    Fixture.View.SetText(text);
    Fixture.View.ClearUndo();
    Fixture.View.SetModified(false);
  }
  TextView& View() { return Fixture.View; }

  ViewFixture Fixture;
  LatinMapping Mapping;
};

TEST_F(ConvertSelectionTest, TheSelectionIsConvertedStaysSelectedAndUndoesInOneStep) {
  Load("one two three");
  View().SetSelection(12, 4, ScrollNone);  // "two thre", selected backwards
  ConvertSelectionCase(View(), UpperCase, Mapping);
  EXPECT_EQ(View().GetText(NewLineLf), "one TWO THREe");
  EXPECT_EQ(View().SelectionStart(), 4);
  EXPECT_EQ(View().SelectionEnd(), 12);
  EXPECT_TRUE(View().IsModified());
  View().Undo();
  EXPECT_EQ(View().GetText(NewLineLf), "one two three");
  EXPECT_FALSE(View().CanUndo());
}

TEST_F(ConvertSelectionTest, WithoutASelectionNothingChanges) {
  Load("abc");
  View().SetSelection(1, 1, ScrollNone);
  ConvertSelectionCase(View(), UpperCase, Mapping);
  EXPECT_EQ(View().GetText(NewLineLf), "abc");
  EXPECT_FALSE(View().CanUndo());
  EXPECT_FALSE(View().IsModified());
}

TEST_F(ConvertSelectionTest, AWordWrapBreakInsideAWordDoesNotStartANewWord) {
  // 20 characters wide: the 30-letter word is broken by word wrap.
  Fixture.View.SetClientSize(20 * 7, 25 * 16);
  View().SetWordWrap(true);
  const std::string word(30, 'x');
  Load(word + " end");
  ASSERT_NE(View().RawText().find('\r'), std::string::npos);
  View().SelectAll();
  ConvertSelectionCase(View(), TitleCase, Mapping);
  EXPECT_EQ(View().GetText(NewLineLf), "X" + std::string(29, 'x') + " End");
  EXPECT_EQ(View().SelectionStart(), 0);
  EXPECT_EQ(View().SelectionEnd(), View().Length());
}

}  // namespace
