// The result of colouring one display line: its tokens and the states around it.
#pragma once

#include "common/RefCounted.h"
#include "editor/syntax/ColourState.h"
#include "editor/syntax/TokenKind.h"

#include <string>
#include <vector>

struct ColouredToken {
  int Kind = PlainText;
  std::string Text;
  int Column = 0;
};

// Shared by the line that owns it and by the view's snapshot of the visible lines.
class LineColouring : public RefCounted {
public:
  std::vector<ColouredToken> Tokens;  // cover the line from column 0 to its end
  ColourState StartState;
  ColourState EndState;
};
