// The guard against CR and NUL in text that callers hand to SetText and ReplaceText.
#pragma once

#include <string>

// The text without CR and NUL bytes; hadBadBytes tells whether any were there. CR is the
// view's own soft break and NUL ends C strings, so either would put the line table out of
// step with what callers believe the text to be.
std::string NormalizedCallerText(std::string text, bool& hadBadBytes);

// Writes where the first CR or NUL of text is to stderr and aborts.
[[noreturn]] void ReportBadCallerText(const std::string& text);

// Callers normalise line ends before they hand text over. A debug build stops loudly at a
// caller that did not; a release build strips the bytes so the document stays consistent.
void CheckCallerText(std::string& text);
