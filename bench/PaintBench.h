// Painting figures of the benchmark: a full repaint of a large window of C++ text and one
// repaint of a 10 MB line scrolled to its middle, counted as draw and measure calls.
#pragma once

#include <string>

// document: generated C++ text with LF breaks.
void RunPaintBench(const std::string& document);
