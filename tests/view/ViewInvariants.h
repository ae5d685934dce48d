// A from-scratch check of everything a TextView caches about its text.
#pragma once

#include "editor/view/TextView.h"

#include <string>

// Compares the view's line table, hard line numbers, cached widths, widest line, position
// mapping and selection with values computed afresh from its raw text, and its text with
// model (LF breaks only, never a soft break). Use with ASSERT_NO_FATAL_FAILURE.
void CheckInvariants(TextView& view, const std::string& model);
