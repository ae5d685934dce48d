// Colours one display line, starting from the state the line above ended in.
#pragma once

#include "editor/syntax/LineColouring.h"

#include <string>

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
// ends with a soft (word-wrap) break.
RefPtr<LineColouring> ColourLine(const LanguageDef* language, const std::string& line,
                                 const ColourState& startState, bool continues);
