// Colouring figures of the benchmark: the tokenizer's speed and the view's colouring after
// an edit at the top and when opened at the end of a document.
#pragma once

#include <string>

// document: LF breaks only.
void RunSyntaxBench(const std::string& document);
