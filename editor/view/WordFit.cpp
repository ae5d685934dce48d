// Word starts on a display line's text and how much of that text fits a width in pixels.
#include "editor/view/WordFit.h"

#include "editor/view/TextView.h"

#include <algorithm>
#include <cctype>

bool IsWrapSpace(char c) {
  return c != '\n' && std::isspace(static_cast<unsigned char>(c)) != 0;
}

int NextWordStart(const char* text, int n, int i) {
  while (i < n && !IsWrapSpace(text[i])) ++i;
  while (i < n && IsWrapSpace(text[i])) ++i;
  return i;
}

int PreviousWordStart(const char* text, int i) {
  while (i > 0 && IsWrapSpace(text[i - 1])) --i;
  while (i > 0 && !IsWrapSpace(text[i - 1])) --i;
  return i;
}

namespace {

// Takes whole words while the prefix still fits.
void GrowFit(const char* text, int n, int width, const MeasureFunction& measure, FitResult& fit) {
  while (fit.Length != n && fit.Width != width) {
    const int next = NextWordStart(text, n, fit.Length);
    const int nextWidth = measure(text, next);
    if (nextWidth > width) return;
    fit = {next, nextWidth};
  }
}

// Gives words back until the prefix fits; the first word always stays.
void ShrinkFit(const char* text, int width, const MeasureFunction& measure, FitResult& fit) {
  while (fit.Width > width) {
    const int previous = PreviousWordStart(text, fit.Length);
    if (previous == 0) return;
    fit = {previous, measure(text, previous)};
  }
}

}  // namespace

FitResult FitText(const char* text, int n, int width, int averageCharWidth, const MeasureFunction& measure) {
  const int guess = averageCharWidth >= 1 ? std::min(std::max(width / averageCharWidth, 0), std::max(n, 0)) : 0;
  const int start = NextWordStart(text, n, guess);
  FitResult fit{start, measure(text, start)};
  if (n < 1) return fit;
  if (fit.Width < width)
    GrowFit(text, n, width, measure, fit);
  else
    ShrinkFit(text, width, measure, fit);
  return fit;
}

FitResult FitText(const char* text, int n, int width, TextView& view) {
  return FitText(text, n, width, view.Metrics().AverageCharWidth,
                 [&view](const char* part, int count) { return view.MeasureText(part, count); });
}
