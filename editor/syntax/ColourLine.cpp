// Splits a display line into coloured tokens: the public form with the tokens' texts, and
// the compact form that the view caches.
#include "editor/syntax/ColourLine.h"

#include "editor/syntax/LineColourer.h"

#include <algorithm>
#include <cstddef>

namespace {

// Tokens with views into the colouring's own copy of the line.
struct TextTokens {
  std::string_view Line;
  std::vector<ColouredToken>& Tokens;
  void Emit(int kind, int column, int length) {
    Tokens.push_back(ColouredToken{kind, Line.substr(static_cast<std::size_t>(column), static_cast<std::size_t>(length)), column});
  }
  void Boundary(int, const ColourState&) {}
};

struct SpanTokens {
  std::vector<TokenSpan>& Tokens;
  void Emit(int kind, int column, int length) { Tokens.push_back(TokenSpan{column, length, kind}); }
  void Boundary(int, const ColourState&) {}
};

}  // namespace

CharRun NextRun(const char* line, int length, int pos) { return colouring::RunFrom(line, length, pos); }

RefPtr<LineColouring> ColourLine(const LanguageDef* language, std::string_view line,
                                 const ColourState& startState, bool continues) {
  RefPtr<LineColouring> result(new LineColouring);
  result->LineText.assign(line.data(), line.size());
  result->StartState = startState;
  result->EndState = startState;
  // About one token for every four characters of code; beyond that the list grows.
  result->Tokens.reserve(std::min<std::size_t>(line.size() / 4 + 1, 256));
  TextTokens sink{result->LineText, result->Tokens};
  colouring::LineColourer<TextTokens>(language, result->LineText, 0, result->EndState, sink).ColourAll();
  // At a hard break a rest-of-line element or a cut range ends with the line.
  if (!continues) result->EndState.Current = RefPtr<LanguageElement>();
  return result;
}

void ColourFrom(const LanguageDef* language, std::string_view line, int from, ColourState& state,
                std::vector<TokenSpan>& tokens) {
  SpanTokens sink{tokens};
  colouring::LineColourer<SpanTokens>(language, line, from, state, sink).ColourAll();
}
