// Token kinds, which also index the colours of a colour scheme, and their names.
#pragma once

#include <string>

enum TokenKind { PlainText = 0, Comment = 1, Keyword = 2, Symbol = 3, String = 4 };

// The colour items of a scheme: the five token kinds and the background.
constexpr int BackgroundItem = 5;
constexpr int ColorItemCount = 6;

// The key name of a colour item ("PlainText" ... "Background"); with forDisplay, item 0 is
// "Plain Text". Empty outside 0..5.
std::string ItemName(int index, bool forDisplay);
