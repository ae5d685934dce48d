// Colours one display line, starting from the state the line above ended in.
#pragma once

#include "editor/syntax/LineColouring.h"

#include <string>

class LanguageDef;

// continues: the line ends with a soft (word-wrap) break.
RefPtr<LineColouring> ColourLine(const LanguageDef* language, const std::string& line,
                                 const ColourState& startState, bool continues);
