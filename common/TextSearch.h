// The editor's one text search: find forwards or backwards, wrapped search and replace all.
#pragma once

#include <string>
#include <string_view>

// Flag bits of FindText, FindWrapped and ReplaceAll.
constexpr int SearchMatchCase = 1;   // the default way of comparing; the bit changes nothing
constexpr int SearchIgnoreCase = 2;  // compare both characters after conversion to lower case
constexpr int SearchWholeWord = 4;   // no word character directly before or after the match
constexpr int SearchBackwards = 8;   // the last match in the range instead of the first
// With SearchWholeWord, for UTF-8 text: every byte from 0x80 on is a word character too,
// since each letter beyond ASCII is such a sequence and a word never ends inside one.
constexpr int SearchUtf8Words = 16;

// Word characters are the runtime's letters (isalpha of the byte) and "_"; digits are not.
bool IsWordChar(char c);

// Index of the first (or, with SearchBackwards, the last) match that starts in [from, to),
// or -1. A match must end inside the text but may reach beyond `to`. A negative `to` means
// the text's length, a negative `from` means 0, and a `to` beyond the text is cut to it.
// An empty pattern matches nowhere.
int FindText(std::string_view text, const std::string& pattern, int flags, int from,
             int to = -1);

// Search from start towards end that may wrap around the end of the text: when end is
// above start (0 when start is the text's length) one range is searched, otherwise the
// part behind start and the part before end, in the order of the search direction.
int FindWrapped(std::string_view text, const std::string& pattern, int flags, int start,
                int end);

// Replaces matches of find from `from` on, at most maxCount of them (no limit when
// negative), and returns how many were replaced. The scan always runs forwards and
// continues behind each inserted text, so a replacement that contains find is not found
// again. Every entry of positions[] at or behind the end of a match moves by the length
// difference. An empty find replaces nothing.
int ReplaceAll(std::string& text, const std::string& find, const std::string& replace,
               int flags, int from, int maxCount, int positions[], int positionCount);
// The same over a text that stays as it is: the replaced text is built in result, which is
// meaningful only when the count is above 0.
int ReplaceAllInto(std::string_view text, std::string& result, const std::string& find,
                   const std::string& replace, int flags, int from, int maxCount, int positions[],
                   int positionCount);
