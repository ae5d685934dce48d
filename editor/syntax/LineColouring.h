// The result of colouring one display line: its tokens and the states around it.
#pragma once

#include "common/RefCounted.h"
#include "editor/syntax/ColourState.h"
#include "editor/syntax/TokenKind.h"

#include <string>
#include <string_view>
#include <vector>

// Text shows the token's characters in the colouring's own copy of the line, so a line's
// tokens cost one copy of the line rather than one string each; it is valid while the
// colouring that holds the token lives.
struct ColouredToken {
  int Kind = PlainText;
  std::string_view Text;
  int Column = 0;
};

// Shared by the line that owns it and by the view's snapshot of the visible lines. Neither
// copied nor moved: the tokens point into LineText.
class LineColouring : public RefCounted {
public:
  std::string LineText;               // the display line as it was coloured
  std::vector<ColouredToken> Tokens;  // cover the line from column 0 to its end
  ColourState StartState;
  ColourState EndState;
};
