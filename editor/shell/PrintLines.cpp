// Breaking the printed text into the lines of one page.
#include "editor/shell/PrintLines.h"

#include "editor/view/Utf8Steps.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

struct LineEnd {
  int DrawEnd;  // behind the last character to draw
  int Next;     // where the next line starts
};

bool IsMultiByte(char c, const PrintFont& font) {
  return font.Utf8 && static_cast<unsigned char>(c) >= 0x80;
}

// The character at text[i]: where it ends on the line and how many bytes it takes.
int Advance(int x, const char* text, int i, int length, const PrintFont& font, int& size) {
  const char c = text[i];
  size = 1;
  if (IsMultiByte(c, font)) {
    size = Utf8SequenceLength(text, length, i);
    return x + font.CharAdvance(DecodeUtf8(text, length, i));
  }
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
  int size = 1;
  for (int i = start; i < length; i += size) {
    const char c = text[i];
    if (c == '\n') return LineEnd{WithoutTrailingBlanks(text, start, i), i + 1};
    const int next = Advance(x, text, i, length, font, size);
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
