// Test helpers: colour a line, check that its tokens cover it, and write them as text.
#pragma once

#include "editor/syntax/ColourLine.h"
#include "editor/syntax/LanguageDef.h"

#include <gtest/gtest.h>

#include <string>

// "kind:text" per token, joined by "|".
inline std::string TokensText(const LineColouring& colouring) {
  std::string text;
  for (const ColouredToken& token : colouring.Tokens) {
    if (!text.empty()) text += '|';
    text += std::to_string(token.Kind) + ":";
    text += token.Text;
  }
  return text;
}

// Every colouring must cover its line from column 0 without gaps or overlaps.
inline void ExpectCovers(const LineColouring& colouring, const std::string& line) {
  std::string joined;
  for (const ColouredToken& token : colouring.Tokens) {
    EXPECT_EQ(token.Column, static_cast<int>(joined.size())) << "in line: " << line;
    EXPECT_FALSE(token.Text.empty()) << "in line: " << line;
    joined += token.Text;
  }
  EXPECT_EQ(joined, line);
}

inline RefPtr<LineColouring> Colour(const LanguageDef* language, const std::string& line,
                                    const ColourState& start = ColourState(), bool continues = false) {
  RefPtr<LineColouring> colouring = ColourLine(language, line, start, continues);
  ExpectCovers(*colouring, line);
  EXPECT_TRUE(colouring->StartState == start);
  return colouring;
}
