// Line colouring. Until language definitions are read, every line is one plain-text token.
#include "editor/syntax/ColourLine.h"

RefPtr<LineColouring> ColourLine(const LanguageDef*, const std::string& line, const ColourState& startState,
                                 bool) {
  RefPtr<LineColouring> colouring(new LineColouring);
  colouring->StartState = startState;
  colouring->EndState = startState;
  if (!line.empty()) colouring->Tokens.push_back(ColouredToken{PlainText, line, 0});
  return colouring;
}
