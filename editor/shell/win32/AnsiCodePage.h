// Converting a document between the ANSI code page and UTF-8, for a Save As that changes
// the encoding.
#pragma once

#include <cstddef>
#include <string>

std::string Utf8FromAnsi(const std::string& ansi);

// What UTF-8 text becomes in the ANSI code page; lostCount counts the characters the code
// page has no place for (they become its default character), lostExamples names the first
// few of them as "U+20AC".
struct AnsiConversion {
  std::string text;
  std::size_t lostCount = 0;
  std::string lostExamples;
};
AnsiConversion AnsiFromUtf8(const std::string& utf8);
