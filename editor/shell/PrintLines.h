// How much of a document's text one printed page takes: lines broken at the body's width as a
// multi-line edit control breaks them, and only as many lines as the body holds whole.
#pragma once

#include <array>
#include <functional>
#include <vector>

// The printer font's advance width of every character and the distance between tab stops;
// tabs advance to the next multiple of TabStop from the line's left edge.
struct PrintFont {
  std::array<int, 256> Advances{};
  int TabStop = 0;
  int LineHeight = 0;
  // The text is UTF-8: a multi-byte character is one character, as wide as CharAdvance
  // says for its code point, and a line never breaks inside it. Advances then serve ASCII.
  bool Utf8 = false;
  std::function<int(unsigned codePoint)> CharAdvance;
};

struct PrintLine {
  int Start = 0;   // first character, counted from the text given to FitPage
  int Length = 0;  // characters to draw: the line without its trailing blanks and its LF
};

struct PageFit {
  std::vector<PrintLine> Lines;
  int Consumed = 0;  // characters the page takes, blanks at its breaks and LFs included
};

// A line ends at an LF, or before the word that would cross width: the blanks in front of
// that word stay on the line (they are not drawn). A word wider than width is broken before
// the character that crosses it; every line takes at least one character, so a narrow body
// still moves on. A body lower than one line takes nothing.
PageFit FitPage(const char* text, int length, int width, int height, const PrintFont& font);

// Where a tab that starts x pixels right of the line's left edge ends.
int TabEnd(int x, int tabStop);
