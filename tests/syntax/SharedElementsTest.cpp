// Elements held by colouring states outlive the definition that made them.
#include "editor/syntax/ColourState.h"
#include "editor/syntax/CppLanguage.h"
#include "editor/syntax/LanguageElements.h"
#include "editor/syntax/TokenKind.h"
#include "tests/syntax/ColouredTokens.h"

#include <gtest/gtest.h>

namespace {

TEST(SharedElements, AnOpenRangeGoesOnAfterItsDefinitionIsReleased) {
  RefPtr<LanguageDef> cpp = MakeCppLanguage("");
  ColourState open = Colour(cpp.Get(), "a /* b")->EndState;
  const LanguageElement* comment = open.RangeStack.at(0).Get();
  cpp = RefPtr<LanguageDef>();
  EXPECT_EQ(comment->RefCount(), 1);
  EXPECT_EQ(TokensText(*Colour(nullptr, "c", open)), "1:c");
  RefPtr<LanguageDef> replacement = MakeCppLanguage("");
  EXPECT_EQ(TokensText(*Colour(replacement.Get(), "d */ int", open)), "1:d */|0: |2:int");
}

TEST(SharedElements, AStateHoldingTheLastReferenceMayCloseItsRange) {
  ColourState state;
  state.RangeStack.push_back(new RangeElement(Comment, SpanLines, "/*", "*/", ""));
  RefPtr<LanguageElement> range = state.RangeStack.back();
  range = RefPtr<LanguageElement>();
  EXPECT_EQ(state.RangeStack.back()->Match(state, "x */ y", 0, true), 4);
  EXPECT_TRUE(state.RangeStack.empty());
}

TEST(SharedElements, ACutRangeHeldOnlyByTheStateOpensAgain) {
  ColourState state;
  state.Current = new RangeElement(String, 0, "\"", "\"", "\\");
  EXPECT_EQ(state.Current->Match(state, "ab", 0, true), 2);
  ASSERT_TRUE(state.Current);
  EXPECT_TRUE(state.RangeStack.empty());
  EXPECT_EQ(state.Current->Match(state, "\" c", 0, true), 1);
  EXPECT_FALSE(state.Current);
}

TEST(SharedElements, ARestOfLineElementHeldOnlyByTheStartStateEndsCleanly) {
  ColourState start;
  start.Current = new RestOfLineElement(Comment, 0, "//");
  RefPtr<LineColouring> line = Colour(nullptr, "wrapped", start, false);
  start = ColourState();
  EXPECT_EQ(TokensText(*line), "1:wrapped");
  EXPECT_EQ(line->StartState.Current->TokenKind, Comment);
  EXPECT_TRUE(line->EndState == ColourState());
}

}  // namespace
