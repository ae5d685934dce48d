// Generated C++-like documents of a given size and line count for the view benchmark.
#include "bench/BenchDocument.h"

#include <algorithm>
#include <random>

namespace {

const char* const Words[] = {"int", "auto", "const", "return", "if", "for", "while", "std::string", "count",
                             "value", "Buffer", "LineStart", "position", "result", "index", "text", "Width",
                             "static_cast<int>", "nullptr", "true", "false", "size", "first", "last"};
const char* const Operators[] = {" = ", " + ", " - ", " < ", " == ", ", ", "(", ")", "->", ".", "::", " && "};

class DocumentWriter {
public:
  DocumentWriter(long long bytes, int lines, unsigned seed) : Bytes(bytes), Lines(lines), Rng(seed) {
    Text.reserve(static_cast<size_t>(bytes) + 4096);
  }

  std::string Write() {
    const int widest = Lines / 3 + Lines / 25;
    for (int line = 0; line < Lines; ++line) {
      if (line > 0) Text += '\n';
      if (line == widest) WriteWidestLine();
      else WriteLine(TargetLength(line));
    }
    return std::move(Text);
  }

private:
  int Random(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Rng); }

  // Spreads the bytes still to write evenly over the lines still to come, with a spread of
  // about half the mean either way so that short and long lines mix.
  int TargetLength(int line) {
    const long long left = Bytes - static_cast<long long>(Text.size());
    const int mean = static_cast<int>(std::max(0LL, left / (Lines - line) - 1));
    return std::max(0, Random(mean / 2, mean + mean / 2));
  }

  void Indent() {
    if (Random(0, 3) == 0) Text.append(static_cast<size_t>(Depth) * 4, ' ');
    else Text.append(static_cast<size_t>(Depth), '\t');
  }

  void WriteLine(int length) {
    const int kind = Random(0, 99);
    if (length < 2 || kind < 6) return;  // blank line
    const size_t start = Text.size();
    if (kind < 14 && Depth < 6) {
      Indent();
      Text += "{";
      ++Depth;
      return;
    }
    if (kind < 22 && Depth > 0) {
      --Depth;
      Indent();
      Text += "}";
      return;
    }
    Indent();
    if (kind < 40) Text += "// ";
    while (static_cast<int>(Text.size() - start) < length) {
      Text += Words[Random(0, sizeof Words / sizeof *Words - 1)];
      Text += Operators[Random(0, sizeof Operators / sizeof *Operators - 1)];
    }
    Text.resize(start + static_cast<size_t>(length));
    if (kind >= 40) Text.back() = ';';
  }

  void WriteWidestLine() {
    Text += "// ";
    while (Text.size() - Text.rfind('\n') < 400) Text += "a comment much wider than any line of code around it ";
  }

  long long Bytes;
  int Lines;
  std::mt19937 Rng;
  std::string Text;
  int Depth = 0;
};

}  // namespace

std::string GenerateDocument(long long bytes, int lines, unsigned seed) {
  return DocumentWriter(bytes, lines, seed).Write();
}
