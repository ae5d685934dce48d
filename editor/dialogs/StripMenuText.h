// A menu text as plain words: without its mnemonic marks and ellipses.
#pragma once

#include <string>

// Removes every "&" and every "..." of the text.
std::string StripMenuText(const std::string& text);
