// Line colouring: run classes, words and markers, rest-of-line and range elements across
// soft and hard line breaks, nesting, escapes, and lines that must not stall.
#include "editor/syntax/ColourLine.h"

#include "editor/syntax/LanguageDef.h"
#include "editor/syntax/LanguageElements.h"
#include "editor/syntax/TokenKind.h"
#include "tests/syntax/ColouredTokens.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

void ExpectRun(const std::string& line, int pos, RunClass runClass, int length) {
  const CharRun run = NextRun(line.data(), static_cast<int>(line.size()), pos);
  EXPECT_EQ(run.Class, runClass) << line << " at " << pos;
  EXPECT_EQ(run.Length, length) << line << " at " << pos;
}

TEST(NextRun, SplitsByCharacterClass) {
  ExpectRun("x1", 0, RunIdentifier, 2);
  ExpectRun("1.5e3", 0, RunOther, 3);
  ExpectRun("1.5e3", 3, RunIdentifier, 2);
  ExpectRun("=/*", 0, RunOther, 3);
  ExpectRun("_a9_ b", 0, RunIdentifier, 4);
  ExpectRun(" \t\r\n\v\fx", 0, RunSpace, 6);
  ExpectRun("+_", 0, RunOther, 1);
  ExpectRun("a+b", 1, RunOther, 1);
  ExpectRun("9x", 0, RunOther, 1);
}

TEST(NextRun, HighBytesAreOtherCharacters) {
  ExpectRun("abc\xE9", 0, RunIdentifier, 3);
  ExpectRun("\xE9t", 0, RunOther, 1);
  ExpectRun("\xA0\xFF\x80+1 ", 0, RunOther, 5);
}

// A small definition built element by element.
class Colouring : public ::testing::Test {
protected:
  LanguageElement* Add(LanguageElement* element) {
    Language->AddElement(element);
    return element;
  }
  std::string Tokens(const std::string& line) { return TokensText(*Colour(Language.Get(), line)); }

  RefPtr<LanguageDef> Language = new LanguageDef;
};

TEST_F(Colouring, WithoutElementsEveryRunIsPlain) {
  const std::string line = "int x = 1.5; // \xE9";
  const char* expected = "0:int|0: |0:x|0: |0:=|0: |0:1.5;|0: |0://|0: |0:\xE9";
  EXPECT_EQ(TokensText(*Colour(Language.Get(), line)), expected);
  EXPECT_EQ(TokensText(*Colour(nullptr, line)), expected);
}

// Token texts show the colouring's own copy of the line, not the caller's string.
TEST_F(Colouring, TokensOutliveTheLineTheyWereColouredFrom) {
  auto line = std::make_unique<std::string>(std::string(40, 'y') + " = value;");
  const RefPtr<LineColouring> colouring = ColourLine(Language.Get(), *line, ColourState(), false);
  line->assign(line->size(), '#');
  line.reset();
  EXPECT_EQ(TokensText(*colouring), "0:" + std::string(40, 'y') + "|0: |0:=|0: |0:value|0:;");
}

TEST_F(Colouring, AnEmptyLineHasNoTokensAndEndsACurrentElementOnlyAtAHardBreak) {
  LanguageElement* comment = Add(new RestOfLineElement(Comment, 0, "//"));
  ColourState start;
  start.Current = comment;
  EXPECT_TRUE(Colour(Language.Get(), "", start, true)->Tokens.empty());
  EXPECT_TRUE(Colour(Language.Get(), "", start, true)->EndState == start);
  EXPECT_TRUE(Colour(Language.Get(), "", start, false)->EndState == ColourState());
}

TEST_F(Colouring, WordsAreWholeIdentifiersAndSymbolsAreFoundInsideRuns) {
  Add(new WordsElement(Keyword, WholeWord, {"while", "abc"}));
  Add(new WordsElement(Symbol, 0, {"=", "==", "("}));
  EXPECT_EQ(Tokens("while whilex(abc"), "2:while|0: |0:whilex|3:(|2:abc");
  EXPECT_EQ(Tokens("a==b=1"), "0:a|3:==|0:b|3:=|0:1");
  EXPECT_EQ(Tokens("1=(2"), "0:1|3:=|3:(|0:2");
  EXPECT_EQ(Tokens("abc\xE9 \xE9" "abc"), "2:abc|0:\xE9|0: |0:\xE9|2:abc");
}

TEST_F(Colouring, WordsFollowMatchCase) {
  Add(new WordsElement(Keyword, WholeWord, {"while"}));
  EXPECT_EQ(Tokens("WHILE"), "0:WHILE");
  Language->MatchCase = false;
  EXPECT_EQ(Tokens("WHILE"), "2:WHILE");
}

TEST_F(Colouring, ARestOfLineMarkerColoursToTheEndAndTheNextHardLineIsPlain) {
  Add(new RestOfLineElement(Comment, 0, "//"));
  RefPtr<LineColouring> first = Colour(Language.Get(), "x = 1; // note // more");
  EXPECT_EQ(TokensText(*first), "0:x|0: |0:=|0: |0:1;|0: |1:// note // more");
  EXPECT_TRUE(first->EndState == ColourState());
  EXPECT_EQ(TokensText(*Colour(Language.Get(), "y", first->EndState)), "0:y");
}

TEST_F(Colouring, ARestOfLineElementGoesOnAfterSoftBreaks) {
  LanguageElement* comment = Add(new RestOfLineElement(Comment, 0, "//"));
  RefPtr<LineColouring> first = Colour(Language.Get(), "a //wrapped", ColourState(), true);
  EXPECT_EQ(first->EndState.Current.Get(), comment);
  EXPECT_TRUE(first->EndState.RangeStack.empty());
  RefPtr<LineColouring> second = Colour(Language.Get(), "text // x", first->EndState, true);
  EXPECT_EQ(TokensText(*second), "1:text // x");
  RefPtr<LineColouring> third = Colour(Language.Get(), "end", second->EndState, false);
  EXPECT_EQ(TokensText(*third), "1:end");
  EXPECT_TRUE(third->EndState == ColourState());
}

TEST_F(Colouring, WholeWordMarkersAndRangesAreIdentifiers) {
  Add(new RestOfLineElement(Comment, WholeWord, "REM"));
  Add(new RangeElement(String, WholeWord | SpanLines, "begin", "end", "\\"));
  EXPECT_EQ(Tokens("a REM b"), "0:a|0: |1:REM b");
  EXPECT_EQ(Tokens("REMARK"), "0:REMARK");
  // Whole-word ranges have no escapes: the backslash does not keep "end" from closing.
  EXPECT_EQ(Tokens("x begin endless \\end y"), "0:x|0: |4:begin endless \\end|0: |0:y");
}

// A string range that does not span lines, with a backslash escape.
class StringColouring : public Colouring {
protected:
  StringColouring() { Quote = Add(new RangeElement(String, 0, "\"", "\"", "\\")); }
  LanguageElement* Quote;
};

TEST_F(StringColouring, EscapedQuotesAndEscapedEscapes) {
  EXPECT_EQ(Tokens("a\"b\\\"c\" d"), "0:a|4:\"b\\\"c\"|0: |0:d");
  EXPECT_EQ(Tokens("\"b\\\\\" d \""), "4:\"b\\\\\"|0: |0:d|0: |4:\"");
  EXPECT_EQ(Tokens("\"\"\"\""), "4:\"\"|4:\"\"");
}

TEST_F(StringColouring, AnUnclosedStringEndsAtTheHardBreak) {
  RefPtr<LineColouring> first = Colour(Language.Get(), "s = \"abc");
  EXPECT_EQ(TokensText(*first), "0:s|0: |0:=|0: |4:\"abc");
  EXPECT_TRUE(first->EndState == ColourState());
  EXPECT_EQ(TokensText(*Colour(Language.Get(), "\" x", first->EndState)), "4:\" x");
}

TEST_F(StringColouring, AnUnclosedStringGoesOnAfterASoftBreakWithoutAStartMarker) {
  RefPtr<LineColouring> first = Colour(Language.Get(), "s = \"abc", ColourState(), true);
  EXPECT_EQ(first->EndState.Current.Get(), Quote);
  EXPECT_TRUE(first->EndState.RangeStack.empty());
  // The quote at the start closes the string that goes on; it is not a new start marker.
  RefPtr<LineColouring> second = Colour(Language.Get(), "\" x", first->EndState, true);
  EXPECT_EQ(TokensText(*second), "4:\"|0: |0:x");
  EXPECT_TRUE(second->EndState == ColourState());
}

// A block comment that spans lines.
class CommentColouring : public Colouring {
protected:
  void MakeComment(int options) {
    Block = Add(new RangeElement(Comment, options, "/*", "*/", ""));
    Add(new WordsElement(Symbol, 0, {"="}));
  }
  LanguageElement* Block = nullptr;
};

TEST_F(CommentColouring, ASpanningRangeColoursFollowingLinesUntilItsEnd) {
  MakeComment(SpanLines);
  RefPtr<LineColouring> first = Colour(Language.Get(), "a /* b");
  ASSERT_EQ(first->EndState.RangeStack.size(), 1u);
  EXPECT_EQ(first->EndState.RangeStack[0].Get(), Block);
  EXPECT_FALSE(first->EndState.Current);
  RefPtr<LineColouring> second = Colour(Language.Get(), "x = /* y", first->EndState);
  EXPECT_EQ(TokensText(*second), "1:x = /* y");
  EXPECT_TRUE(second->EndState == first->EndState);
  RefPtr<LineColouring> third = Colour(Language.Get(), "c */ d", second->EndState);
  EXPECT_EQ(TokensText(*third), "1:c */|0: |0:d");
  EXPECT_TRUE(third->EndState == ColourState());
}

TEST_F(CommentColouring, AStartMarkerInsideARunLeavesTheCharactersBeforeIt) {
  MakeComment(SpanLines);
  EXPECT_EQ(Tokens("x=/*y*/z"), "0:x|3:=|1:/*y*/|0:z");
  EXPECT_EQ(Tokens("+=/**/=+"), "0:+|3:=|1:/**/|3:=|0:+");
  EXPECT_EQ(Tokens("/*/"), "1:/*/");
}

TEST_F(CommentColouring, NestedRangesCloseAtTheMatchingEnd) {
  MakeComment(SpanLines | AllowNesting);
  EXPECT_EQ(Tokens("a /* b /* c */ d */ e"), "0:a|0: |1:/* b /* c */ d */|0: |0:e");
  RefPtr<LineColouring> open = Colour(Language.Get(), "/* /* /* */");
  EXPECT_EQ(open->EndState.RangeStack.size(), 2u);
  EXPECT_EQ(TokensText(*Colour(Language.Get(), "*/ */ x", open->EndState)), "1:*/ */|0: |0:x");
}

TEST_F(CommentColouring, WithoutNestingTheFirstEndCloses) {
  MakeComment(SpanLines);
  EXPECT_EQ(Tokens("a /* b /* c */ d */ e"), "0:a|0: |1:/* b /* c */|0: |0:d|0: |0:*/|0: |0:e");
}

TEST_F(Colouring, EmptyEndMarkersAndEscapesNeverStall) {
  Add(new RangeElement(String, 0, "<<", "", ""));
  Add(new RangeElement(Comment, SpanLines | AllowNesting, "%", "", "\\"));
  RefPtr<LineColouring> cut = Colour(Language.Get(), "a << b << c", ColourState(), true);
  EXPECT_EQ(TokensText(*cut), "0:a|0: |4:<< b << c");
  EXPECT_EQ(TokensText(*Colour(Language.Get(), "d", cut->EndState)), "4:d");
  RefPtr<LineColouring> spanning = Colour(Language.Get(), "% \\\\ \\ %% x");
  EXPECT_EQ(TokensText(*spanning), "1:% \\\\ \\ %% x");
  EXPECT_EQ(spanning->EndState.RangeStack.size(), 3u);
}

TEST_F(Colouring, AStartMarkerEqualToTheEndUnderNestingOnlyOpens) {
  Add(new RangeElement(String, SpanLines | AllowNesting, "'", "'", ""));
  RefPtr<LineColouring> line = Colour(Language.Get(), "'a'b'");
  EXPECT_EQ(TokensText(*line), "4:'a'b'");
  EXPECT_EQ(line->EndState.RangeStack.size(), 3u);
}

TEST_F(Colouring, AnElementThatCannotGoOnTakesTheRestOfTheLine) {
  LanguageElement* words = Add(new WordsElement(Keyword, 0, {"+"}));
  ColourState start;
  start.Current = words;
  RefPtr<LineColouring> line = Colour(Language.Get(), "a + b", start, false);
  EXPECT_EQ(TokensText(*line), "2:a + b");
  EXPECT_TRUE(line->EndState == ColourState());
}

TEST_F(Colouring, ALongRunOfSymbolsIsSplitInOnePass) {
  Add(new WordsElement(Symbol, 0, {"=", "=>"}));
  const std::string line = std::string(1 << 20, '=') + ">";
  RefPtr<LineColouring> colouring = Colour(Language.Get(), line);
  ASSERT_EQ(colouring->Tokens.size(), std::size_t{1} << 20);
  EXPECT_EQ(colouring->Tokens.back().Text, "=>");
  EXPECT_EQ(colouring->Tokens.back().Kind, Symbol);
}

}  // namespace
