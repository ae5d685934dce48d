// The built-in C++ definition: its fields and elements, and how it colours typical code.
#include "editor/syntax/CppLanguage.h"

#include "editor/syntax/LanguageElements.h"
#include "editor/syntax/TokenKind.h"
#include "tests/syntax/ColouredTokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CppColouring : public ::testing::Test {
protected:
  std::string Tokens(const std::string& line) { return TokensText(*Colour(Cpp.Get(), line)); }

  RefPtr<LanguageDef> Cpp = MakeCppLanguage("C:\\Quilvane\\Languages\\");
};

TEST_F(CppColouring, Fields) {
  EXPECT_EQ(Cpp->Name, "C++");
  EXPECT_EQ(Cpp->Folder, "C:\\Quilvane\\Languages\\");
  EXPECT_EQ(Cpp->Extensions, (std::vector<std::string>{"h", "c", "cpp"}));
  EXPECT_TRUE(Cpp->MatchCase);
}

TEST_F(CppColouring, ElementsInOrder) {
  const ElementKind kinds[] = {WordsKind, WordsKind, RestOfLineKind, RestOfLineKind, RangeKind, RangeKind, RangeKind};
  const int tokenKinds[] = {Keyword, Symbol, Comment, Keyword, String, String, Comment};
  const int options[] = {WholeWord, 0, 0, 0, 0, 0, SpanLines};
  ASSERT_EQ(Cpp->Elements.size(), 7u);
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(Cpp->Elements[i]->GetKind(), kinds[i]) << i;
    EXPECT_EQ(Cpp->Elements[i]->TokenKind, tokenKinds[i]) << i;
    EXPECT_EQ(Cpp->Elements[i]->Options, options[i]) << i;
  }
  const LanguageElement& keywords = *Cpp->Elements[0];
  ASSERT_EQ(keywords.StringCount(), 40);
  EXPECT_EQ(keywords.StringAt(0), "break");
  EXPECT_EQ(keywords.StringAt(29), "while");
  EXPECT_EQ(keywords.StringAt(39), "false");
  const LanguageElement& symbols = *Cpp->Elements[1];
  ASSERT_EQ(symbols.StringCount(), 41);
  EXPECT_EQ(symbols.StringAt(0), "(");
  EXPECT_EQ(symbols.StringAt(15), "==");
  EXPECT_EQ(symbols.StringAt(40), ">>");
  const auto& quote = static_cast<const RangeElement&>(*Cpp->Elements[5]);
  EXPECT_EQ(quote.StartMarker, "'");
  EXPECT_EQ(quote.EndMarker, "'");
  EXPECT_EQ(quote.EscapeChar, "\\");
  const auto& block = static_cast<const RangeElement&>(*Cpp->Elements[6]);
  EXPECT_EQ(block.StartMarker + block.EndMarker + block.EscapeChar, "/**/");
}

TEST_F(CppColouring, KeywordsSymbolsAndPlainWords) {
  EXPECT_EQ(Tokens("while(x)"), "2:while|3:(|0:x|3:)");
  EXPECT_EQ(Tokens("std::cout<<a;"), "0:std|3:::|0:cout|3:<<|0:a|3:;");
  EXPECT_EQ(Tokens("x /= 2;"), "0:x|0: |3:/=|0: |0:2|3:;");
  EXPECT_EQ(Tokens("if (a==b) While"), "2:if|0: |3:(|0:a|3:==|0:b|3:)|0: |0:While");
}

TEST_F(CppColouring, ThePointOfANumberIsASymbol) { EXPECT_EQ(Tokens("1.5"), "0:1|3:.|0:5"); }

TEST_F(CppColouring, CommentMarkersWinOverTheSlash) {
  EXPECT_EQ(Tokens("a/b // c"), "0:a|3:/|0:b|0: |1:// c");
  EXPECT_EQ(Tokens("a=/* b */ / c"), "0:a|3:=|1:/* b */|0: |3:/|0: |0:c");
}

TEST_F(CppColouring, APreprocessorLineIsOneKeywordToken) {
  EXPECT_EQ(Tokens("#include <x>"), "2:#include <x>");
  EXPECT_EQ(Tokens("  #define A 1"), "0:  |2:#define A 1");
}

TEST_F(CppColouring, CharacterAndStringLiterals) {
  EXPECT_EQ(Tokens("'a'"), "4:'a'");
  EXPECT_EQ(Tokens("c = '\\'';"), "0:c|0: |3:=|0: |4:'\\''|3:;");
  EXPECT_EQ(Tokens("s(\"a \\\"/*\\\\\", x)"), "0:s|3:(|4:\"a \\\"/*\\\\\"|3:,|0: |0:x|3:)");
}

TEST_F(CppColouring, StringsEndWithTheLineAndBlockCommentsGoOn) {
  RefPtr<LineColouring> string = Colour(Cpp.Get(), "s = \"open");
  EXPECT_EQ(TokensText(*Colour(Cpp.Get(), "int", string->EndState)), "2:int");
  RefPtr<LineColouring> first = Colour(Cpp.Get(), "int a; /* one");
  EXPECT_EQ(TokensText(*first), "2:int|0: |0:a|3:;|0: |1:/* one");
  RefPtr<LineColouring> second = Colour(Cpp.Get(), "two \"", first->EndState);
  EXPECT_EQ(TokensText(*second), "1:two \"");
  RefPtr<LineColouring> third = Colour(Cpp.Get(), "three */ int b;", second->EndState);
  EXPECT_EQ(TokensText(*third), "1:three */|0: |2:int|0: |0:b|3:;");
  EXPECT_TRUE(third->EndState == ColourState());
}

}  // namespace
