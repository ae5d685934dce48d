// UTF-8 figures of the benchmark: the same document with non-ASCII text on one line in ten
// and with ASCII of the same length there, opened, scrolled, coloured and searched.
#pragma once

#include <string>

// document: generated C++ text with LF breaks.
void RunUtf8Bench(const std::string& document);
