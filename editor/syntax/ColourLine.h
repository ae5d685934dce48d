// Colours one display line, starting from the state the line above ended in.
#pragma once

#include "editor/syntax/LineColouring.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

class LanguageDef;

// Run classes of NextRun.
enum RunClass { RunIdentifier = 0, RunSpace = 1, RunOther = 2 };

struct CharRun {
  RunClass Class;
  int Length;
};

// The run of like characters at pos (pos < line length): white space, an identifier (a
// letter or "_" then letters, digits, "_"), or other characters.
CharRun NextRun(const char* line, int length, int pos);

// language null colours as an empty definition does: everything plain. continues: the line
// ends with a soft (word-wrap) break. The colouring keeps its own copy of the line.
RefPtr<LineColouring> ColourLine(const LanguageDef* language, std::string_view line,
                                 const ColourState& startState, bool continues);

// A token without its text, as the view keeps it: the line's own characters show it.
struct TokenSpan {
  int Column;
  int Length;
  int Kind;
};

// The token of a line's tokens (in column order) that holds column, or the first one.
inline std::vector<TokenSpan>::const_iterator TokenAt(const std::vector<TokenSpan>& tokens, int column) {
  auto token = std::upper_bound(tokens.begin(), tokens.end(), column,
                                [](int c, const TokenSpan& t) { return c < t.Column; });
  return token != tokens.begin() ? std::prev(token) : token;
}

// Colours line from `from`, a place where colouring the whole line reaches a token boundary
// in `state`, to its end: the tokens are appended to tokens, and state becomes the state at
// the end of the line, before the rule of the line break is applied.
void ColourFrom(const LanguageDef* language, std::string_view line, int from, ColourState& state,
                std::vector<TokenSpan>& tokens);
