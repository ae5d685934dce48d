// Painting figures: what one repaint costs in draw calls, characters drawn, measuring calls
// and time, with a painter that only counts (its text is as wide as the fake measurer's).
#include "bench/PaintBench.h"

#include "bench/BenchMeasure.h"
#include "bench/BenchReport.h"
#include "bench/PaintFixture.h"

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int RepaintRepeats = 51;
constexpr int LongLineLength = 10 * 1000 * 1000;

struct RepaintCost {
  long long Calls = 0;
  long long Characters = 0;
  int MeasureCalls = 0;
  double Median = 0;
};

// The first repaint colours the window's lines; the ones after it are timed.
RepaintCost TimeRepaints(PaintView& fixture) {
  CountingPainter warm;
  fixture.View.Paint(warm, 0, 0, WindowWidth, WindowHeight);
  RepaintCost cost;
  std::vector<double> times;
  for (int i = 0; i < RepaintRepeats; ++i) {
    CountingPainter painter;
    fixture.Measurer.Calls = 0;
    times.push_back(TimeOf([&] { fixture.View.Paint(painter, 0, 0, WindowWidth, WindowHeight); }));
    cost.Calls = painter.Calls;
    cost.Characters = painter.Characters;
    cost.MeasureCalls = fixture.Measurer.Calls;
  }
  cost.Median = Median(times);
  return cost;
}

void PrintCost(const std::string& figure, const RepaintCost& cost, long long characterBudget) {
  PrintRow(figure + " median", Format("%.1f us", cost.Median * 1e6),
           Format("%.0f calls,", static_cast<double>(cost.Calls)) +
               Format(" %.0f chars,", static_cast<double>(cost.Characters)) +
               Format(" %.0f measures", cost.MeasureCalls),
           Format("<= %.0f chars drawn", static_cast<double>(characterBudget)),
           Mark(cost.Characters <= characterBudget));
}

// What fits in the window: every cell of the grid, plus a partial column at each side.
long long VisibleCharacters() {
  return static_cast<long long>(WindowWidth / 7 + 2) * (WindowHeight / 16 + 1);
}

void BenchFullRepaint(const std::string& document) {
  PaintView fixture;
  fixture.View.SetText(document);
  fixture.View.SetTopLine(fixture.View.LineCount() / 3);
  PrintCost("repaint 1200x900", TimeRepaints(fixture), VisibleCharacters());
}

void BenchLongLine() {
  std::mt19937 random(11);
  std::string line;
  for (int i = 0; i < LongLineLength; ++i) line += random() % 13 == 0 ? '\t' : static_cast<char>('a' + random() % 26);
  PaintView fixture;
  fixture.View.SetText(line);
  fixture.View.SetScrollX(fixture.View.MeasureText(line.data(), LongLineLength / 2));
  const RepaintCost cost = TimeRepaints(fixture);
  PrintCost("repaint 10 MB line", cost, VisibleCharacters());
  PrintRow("  measures per repaint", Format("%.0f", cost.MeasureCalls),
           Format("whole line: %.0f chunks", LongLineLength / (65535.0 / 28)), "<= 64", Mark(cost.MeasureCalls <= 64));
}

}  // namespace

void RunPaintBench(const std::string& document) {
  BenchFullRepaint(document);
  BenchLongLine();
}
