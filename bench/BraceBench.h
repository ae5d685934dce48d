// Brace matching figures of the benchmark: the caret placed beside a brace whose partner lies
// far below it, and beside one without a partner, whose search ends at its reach.
#pragma once

#include <string>

// document: generated C++ text with LF breaks, its braces on lines of their own.
void RunBraceBench(std::string document);
