// Word starts on a display line's text and how much of that text fits a width in pixels.
#pragma once

#include <functional>

class TextView;

// White space of the C locale, except LF: a hard break is never part of a line's text run.
bool IsWrapSpace(char c);

// From i: over the rest of the word, then over the white space after it; at most n.
int NextWordStart(const char* text, int n, int i);
// From i: back over white space, then back over the word before it; at least 0.
int PreviousWordStart(const char* text, int i);

struct FitResult {
  int Length;  // characters that fit, always ending at a word start (or the text's end)
  int Width;   // pixel width of those characters
};

// Width of text[0, count) measured from the start of a display line.
using MeasureFunction = std::function<int(const char* text, int count)>;

// How much of text[0, n) fits width pixels when the text may only be cut at word starts.
// Starts from the estimate width / averageCharWidth and moves word by word, so a line costs
// a handful of measurements. A first word wider than width is taken whole.
FitResult FitText(const char* text, int n, int width, int averageCharWidth, const MeasureFunction& measure);
// The same with the view's font and tab stops.
FitResult FitText(const char* text, int n, int width, TextView& view);
