// Generated C++-like documents of a given size and line count for the view benchmark.
#pragma once

#include <string>

// About bytes characters in exactly lines lines (LF breaks, none after the last): nested
// blocks indented with tabs or spaces, braces, comments, declarations and calls of varied
// length, plus one long comment line that is the widest at about a third of the way down.
// The same arguments always give the same text.
std::string GenerateDocument(long long bytes, int lines, unsigned seed);
