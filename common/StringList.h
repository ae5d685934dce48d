// Lists of strings: splitting, joining, searching and thinning out.
#pragma once

#include <string>
#include <vector>

using StringList = std::vector<std::string>;

// Replaces list by the pieces of text between separators, each without spaces at its
// ends. An empty piece between two separators is kept; a separator at the very end adds
// no piece; an empty text gives an empty list and an empty separator one piece.
void SplitText(const std::string& text, const std::string& separator, StringList& list);

// The items with separator between every two of them, empty items included.
std::string JoinText(const StringList& list, const std::string& separator);
// Like JoinText, but empty items add nothing, not even a separator.
std::string JoinNonEmpty(const StringList& list, const std::string& separator);
// Appends b to a, with separator in between only when both are non-empty.
void AppendJoined(std::string& a, const std::string& b, const std::string& separator);

// Without matchCase two strings are equal when they agree byte for byte after the
// runtime's tolower; for ANSI text this is the equality lstrcmpiA gives in the ordinary
// cases, and it behaves the same on every platform.
int FindString(const StringList& list, const std::string& s, bool matchCase);
// Removes every item equal to s.
void RemoveString(StringList& list, const std::string& s, bool matchCase);
// Keeps the first item of every group of equal items, in their order.
void RemoveDuplicates(StringList& list, bool matchCase);
