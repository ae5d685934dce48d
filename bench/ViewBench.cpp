// view_bench: load, memory, keystroke, wrap, colouring and painting figures against budgets,
// and brace matching.
#include "bench/BenchDocument.h"
#include "bench/BraceBench.h"
#include "bench/BenchMeasure.h"
#include "bench/BenchReport.h"
#include "bench/PaintBench.h"
#include "bench/SyntaxBench.h"
#include "bench/Utf8Bench.h"
#include "tests/view/ViewFakes.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

struct BenchSize {
  long long Bytes;
  int Lines;
};

constexpr BenchSize FullSize{100LL * 1000 * 1000, 2500 * 1000};
constexpr BenchSize QuickSize{10LL * 1000 * 1000, 250 * 1000};
constexpr BenchSize SmallSize{100LL * 1000, 2500};
constexpr int ReferenceRuns = 5;
constexpr int KeystrokeRepeats = 301;

volatile long long Sink;

// The least a load has to do with the bytes: copy them once and find the line breaks once.
struct Reference {
  double Copy;
  double Count;
  double Total() const { return Copy + Count; }
};

long long CountLineFeeds(const std::string& text) {
  long long count = 0;
  const char* p = text.data();
  const char* end = p + text.size();
  while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)))) != nullptr) {
    ++count;
    ++p;
  }
  return count;
}

Reference MeasureReference(const std::string& text) {
  std::unique_ptr<char[]> copy(new char[text.size()]);
  std::memset(copy.get(), 0, text.size());
  Reference r{};
  r.Copy = BestOf(ReferenceRuns, [&] {
    std::memcpy(copy.get(), text.data(), text.size());
    Sink = Sink + copy[text.size() / 2];
  });
  r.Count = BestOf(ReferenceRuns, [&] { Sink = Sink + CountLineFeeds(text); });
  return r;
}

// A view in a window 80 characters wide, as the tests use it.
using BenchView = ViewFixture;

// Loads like the shell: the text read from the file moves into the view, and the loaded
// text is the clean point, with nothing to undo.
void Load(TextView& view, std::string text) {
  view.SetText(std::move(text));
  view.SetModified(false);
  view.ClearUndo();
}

struct KeystrokeTimes {
  double First;
  double Median;
};

// One typed character and its undo, repeated at the same place; the first also moves the
// buffer's gap there.
KeystrokeTimes TimeKeystrokes(TextView& view, int pos) {
  std::vector<double> times;
  for (int i = 0; i < KeystrokeRepeats; ++i)
    times.push_back(TimeOf([&] {
      view.ReplaceText(pos, 0, "x", -1, -1, 1, true);
      view.Undo();
    }));
  return KeystrokeTimes{times.front(), Median(times)};
}

// A whole-document operation against the reference: ratio to both passes and to their sum.
void PrintAgainstReference(const std::string& figure, double seconds, const Reference& r, double budget) {
  const double ratio = seconds / r.Total();
  const std::string ratios = Format("%.1fx ref", ratio) + Format(" (%.1fx memcpy,", seconds / r.Copy) +
                             Format(" %.1fx LF count)", seconds / r.Count);
  PrintRow(figure, Format("%.1f ms", seconds * 1e3), ratios, Format("<= %.0fx ref", budget), Mark(ratio <= budget));
}

void PrintKeystroke(const std::string& where, const KeystrokeTimes& big, const KeystrokeTimes& small) {
  const double ratio = big.Median / small.Median;
  PrintRow("keystroke " + where + " median", Format("%.2f us", big.Median * 1e6), Format("%.2fx 100 KB", ratio),
           "<= 3 us and <= 3x 100 KB", Mark(big.Median <= 3e-6 && ratio <= 3));
  PrintRow("keystroke " + where + " first", Format("%.2f us", big.First * 1e6),
           Format("%.2fx 100 KB first", big.First / small.First), "(moves the gap)", "");
}

void PrintMemory(long long growth, const BenchSize& size) {
  const double ratio = static_cast<double>(growth) / static_cast<double>(size.Bytes);
  PrintRow("memory growth when loaded", Format("%.0f B", static_cast<double>(growth)),
           Format("%.2fx document", ratio) + Format(", %.1f B/line", static_cast<double>(growth) / size.Lines),
           "<= 2x document", Mark(ratio <= 2));
}

int Run(const BenchSize& size) {
  const std::string smallText = GenerateDocument(SmallSize.Bytes, SmallSize.Lines, 7);
  KeystrokeTimes smallStart{}, smallMiddle{};
  {
    BenchView small;
    Load(small.View, smallText);
    smallStart = TimeKeystrokes(small.View, 0);
    smallMiddle = TimeKeystrokes(small.View, small.View.Length() / 2);
  }

  const long long residentBefore = ResidentBytes();
  std::string text = GenerateDocument(size.Bytes, size.Lines, 1);
  std::printf("document: %lu bytes, %d lines; 100 KB document: %lu bytes, %d lines\n",
              static_cast<unsigned long>(text.size()), size.Lines, static_cast<unsigned long>(smallText.size()),
              SmallSize.Lines);
  const Reference reference = MeasureReference(text);
  PrintRow("reference memcpy", Format("%.1f ms", reference.Copy * 1e3), "best of 5", "", "");
  PrintRow("reference memchr LF count", Format("%.1f ms", reference.Count * 1e3), "best of 5", "", "");
  PrintRow("reference (ref = sum)", Format("%.1f ms", reference.Total() * 1e3), "", "", "");

  std::unique_ptr<BenchView> big(new BenchView);
  PrintAgainstReference("SetText", TimeOf([&] { Load(big->View, std::move(text)); }), reference, 6);
  PrintMemory(ResidentBytes() - residentBefore, size);

  TextView& view = big->View;
  PrintKeystroke("at start", TimeKeystrokes(view, 0), smallStart);
  PrintKeystroke("in middle", TimeKeystrokes(view, view.Length() / 2), smallMiddle);

  const int lines = view.LineCount();
  PrintAgainstReference("WrapAll at 80 chars", TimeOf([&] { view.SetWordWrap(true); }), reference, 20);
  std::printf("  wrapped: %d display lines from %d\n", view.LineCount(), lines);
  PrintAgainstReference("UnwrapAll", TimeOf([&] { view.SetWordWrap(false); }), reference, 20);
  big.reset();
  RunSyntaxBench(GenerateDocument(size.Bytes, size.Lines, 1));
  RunPaintBench(smallText);
  RunUtf8Bench(GenerateDocument(size.Bytes, size.Lines, 1));
  RunBraceBench(GenerateDocument(size.Bytes, size.Lines, 1));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
  if (argc > 1 && !quick) {
    std::fprintf(stderr, "usage: view_bench [--quick]\n");
    return 2;
  }
  return Run(quick ? QuickSize : FullSize);
}
