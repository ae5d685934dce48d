// Breaking the printed text into the lines of one page.
#include "editor/shell/PrintLines.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

struct LineEnd {
  int DrawEnd;  // behind the last character to draw
  int Next;     // where the next line starts
};

int Advance(int x, char c, const PrintFont& font) {
  return c == '\t' ? TabEnd(x, font.TabStop) : x + font.Advances[static_cast<unsigned char>(c)];
}

// The blanks in front of the breaking word are not drawn, so they end nothing visible.
int WithoutTrailingBlanks(const char* text, int start, int end) {
  while (end > start && IsBlank(text[end - 1])) --end;
  return end;
}

LineEnd FitLine(const char* text, int start, int length, int width, const PrintFont& font) {
  int x = 0;
  int wordStart = start;  // behind the last blank run: where a break may go
  for (int i = start; i < length; ++i) {
    const char c = text[i];
    if (c == '\n') return LineEnd{WithoutTrailingBlanks(text, start, i), i + 1};
    const int next = Advance(x, c, font);
    if (IsBlank(c)) {
      x = next;
      wordStart = i + 1;
      continue;
    }
    if (next > width && i > start) {
      const int breakAt = wordStart > start ? wordStart : i;
      return LineEnd{WithoutTrailingBlanks(text, start, breakAt), breakAt};
    }
    x = next;
  }
  return LineEnd{WithoutTrailingBlanks(text, start, length), length};
}

}  // namespace

int TabEnd(int x, int tabStop) {
  if (tabStop <= 0) return x;
  return (x / tabStop + 1) * tabStop;
}

PageFit FitPage(const char* text, int length, int width, int height, const PrintFont& font) {
  PageFit page;
  const int lines = font.LineHeight > 0 && height > 0 ? height / font.LineHeight : 0;
  int pos = 0;
  for (int n = 0; n < lines && pos < length; ++n) {
    const LineEnd end = FitLine(text, pos, length, width, font);
    page.Lines.push_back(PrintLine{pos, end.DrawEnd - pos});
    pos = end.Next;
  }
  page.Consumed = pos;
  return page;
}
