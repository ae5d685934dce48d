// The caret placed beside a brace in the middle of a big C++ document: one whose partner lies
// about 0.9 MB below, and one without a partner, so that the search goes on to its reach of
// 1 MB. Each is timed against a reference measured in the same run over the bytes the search
// covers: a memcpy of them and a memchr count of their line breaks.
#include "bench/BraceBench.h"

#include "bench/BenchMeasure.h"
#include "bench/BenchReport.h"
#include "bench/PaintFixture.h"

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr long long PartnerDistance = 900 * 1000;
constexpr int Repeats = 21;
constexpr int ReferenceRuns = 5;

volatile long long Sink;

// The first line start at or after from where the braces before it are balanced, on a line
// that holds no brace (the generated braces stand on lines of their own).
size_t BalancedLineStart(const std::string& text, size_t from) {
  int depth = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '{') ++depth;
    if (text[i] == '}') --depth;
    if (i + 1 >= from && text[i] == '\n' && depth == 0 && text[i + 1] != '\n') {
      const size_t end = text.find('\n', i + 1);
      const std::string line = text.substr(i + 1, end - i - 1);
      if (line.find_first_of("{}") == std::string::npos) return i + 1;
    }
  }
  return text.size();
}

// Copying the bytes once and counting their line breaks once.
double Reference(const char* bytes, size_t size) {
  std::unique_ptr<char[]> copy(new char[size]);
  const double copying = BestOf(ReferenceRuns, [&] {
    std::memcpy(copy.get(), bytes, size);
    Sink = Sink + copy[size / 2];
  });
  const double counting = BestOf(ReferenceRuns, [&] {
    long long count = 0;
    for (const char* p = bytes; (p = static_cast<const char*>(std::memchr(p, '\n', size - (p - bytes)))); ++p) ++count;
    Sink = Sink + count;
  });
  return copying + counting;
}

struct Placement {
  double First;
  double Median;
};

// The brace at pos shown in the middle of the window with the caret two characters after it
// (on no brace), then the caret put beside it: the first time, when the states of the lines
// below are still to be found, and again and again.
Placement TimePlacement(TextView& view, int pos) {
  view.SetSelection(pos + 2, pos + 2, ScrollCentre);
  CountingPainter painter;
  view.Paint(painter, 0, 0, WindowWidth, WindowHeight);
  Placement placement{};
  placement.First = TimeOf([&] { view.SetSelection(pos, pos, ScrollToCaret); });
  std::vector<double> times;
  for (int i = 0; i < Repeats; ++i) {
    view.SetSelection(pos + 2, pos + 2, ScrollToCaret);
    times.push_back(TimeOf([&] { view.SetSelection(pos, pos, ScrollToCaret); }));
  }
  placement.Median = Median(times);
  return placement;
}

void PrintPlacement(const std::string& figure, const Placement& placement, double reference, const std::string& what) {
  PrintRow(figure, Format("%.2f ms", placement.Median * 1e3),
           Format("%.1fx ref", placement.Median / reference) + " (ref: " + what + Format(" %.2f ms)", reference * 1e3),
           "(no budget)", "");
  PrintRow("  first, states found then", Format("%.2f ms", placement.First * 1e3),
           Format("%.1fx ref", placement.First / reference), "", "");
}

}  // namespace

void RunBraceBench(std::string document) {
  // Inserted from the last place to the first, each place found in the generated text.
  const size_t pair = BalancedLineStart(document, document.size() / 2);
  const size_t partnerPlace = BalancedLineStart(document, pair + PartnerDistance);
  const size_t lonePlace = BalancedLineStart(document, partnerPlace + 2 * PartnerDistance);
  document.insert(lonePlace, "{ ");
  document.insert(partnerPlace, "} ");
  document.insert(pair, "{ ");
  const size_t partner = partnerPlace + 2;
  const size_t lone = lonePlace + 4;
  const double pairReference = Reference(document.data() + pair, partner - pair);
  const double loneReference = Reference(document.data() + lone, 1 << 20);

  PaintView fixture;
  TextView& view = fixture.View;
  view.SetText(std::move(document));
  view.ClearUndo();
  const Placement far = TimePlacement(view, static_cast<int>(pair));
  if (view.CaretBraces().Partner != static_cast<int>(partner)) std::printf("  partner not found!\n");
  PrintPlacement(Format("brace, partner %.2f MB below", (partner - pair) / 1e6), far, pairReference, "the bytes to it");
  const Placement none = TimePlacement(view, static_cast<int>(lone));
  if (view.CaretBraces().Brace != -1) std::printf("  a brace beyond the reach was matched!\n");
  PrintPlacement("brace without partner", none, loneReference, "1 MB");
}
