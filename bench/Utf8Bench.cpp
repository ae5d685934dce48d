// A UTF-8 document against its ASCII twin: both have the same bytes but on every tenth line,
// where one holds accented, CJK and symbol characters and the other as many ASCII letters.
// Each figure is the UTF-8 time as a ratio to the twin's, measured in the same run.
#include "bench/Utf8Bench.h"

#include "bench/BenchMeasure.h"
#include "bench/BenchReport.h"
#include "bench/PaintFixture.h"
#include "common/TextSearch.h"
#include "editor/shell/DocumentFormat.h"

#include <algorithm>
#include <memory>

namespace {

constexpr double Budget = 1.3;
constexpr int ScrollPages = 40;
const char NonAscii[] = " // Grüße, café: 日本語 ✓ → ©";

// Every tenth line gets a comment: the non-ASCII one, or ASCII letters of its byte length.
std::string WithComments(const std::string& document, bool utf8) {
  const std::string comment = utf8 ? std::string(NonAscii) : " // " + std::string(sizeof NonAscii - 5, 'x');
  std::string text;
  text.reserve(document.size() + document.size() / 200);
  int line = 0;
  for (char c : document) {
    if (c == '\n' && ++line % 10 == 0) text += comment;
    text += c;
  }
  return text;
}

struct Figures {
  double Open = 0;
  double Scroll = 0;
  double Colour = 0;
  double Search = 0;
};

// Reads the bytes as a file's (the encoding is found on the way) into a view.
double TimeOpen(PaintView& fixture, std::string bytes) {
  return TimeOf([&] {
    DecodedDocument document = DecodeDocument(std::move(bytes), 2);
    fixture.View.SetUtf8(document.format.encoding != TextEncoding::Ansi);
    fixture.View.SetText(std::move(document.text));
  });
}

// Pages painted from the top down to the end, in even steps.
double TimeScroll(PaintView& fixture) {
  const int step = fixture.View.LineCount() / ScrollPages;
  return TimeOf([&] {
    for (int page = 0; page < ScrollPages; ++page) {
      fixture.View.SetTopLine(page * step);
      CountingPainter painter;
      fixture.View.Paint(painter, 0, 0, WindowWidth, WindowHeight);
    }
  });
}

Figures Measure(const std::string& bytes) {
  Figures figures;
  std::unique_ptr<PaintView> fixture;
  // The best of three opens, each into a new view, so that the first touch of fresh memory
  // does not count for whichever document comes first.
  figures.Open = 1e30;
  for (int run = 0; run < 3; ++run) {
    fixture = std::make_unique<PaintView>();
    figures.Open = std::min(figures.Open, TimeOpen(*fixture, bytes));
  }
  figures.Colour = TimeOf([&] { while (fixture->View.ScanAhead(1 << 20)) {} });
  figures.Scroll = TimeScroll(*fixture);
  const std::string_view text = fixture->View.RawTextInPlace();
  figures.Search = BestOf(3, [&] { FindText(text, "Width(notthere", 0, 0); });
  return figures;
}

void PrintRatio(const std::string& figure, double utf8, double ascii) {
  const double ratio = utf8 / ascii;
  PrintRow("UTF-8 " + figure, Format("%.1f ms", utf8 * 1e3), Format("%.2fx ASCII twin", ratio) +
           Format(" (%.1f ms)", ascii * 1e3), Format("<= %.1fx", Budget), Mark(ratio <= Budget));
}

}  // namespace

void RunUtf8Bench(const std::string& document) {
  const Figures ascii = Measure(WithComments(document, false));
  const Figures utf8 = Measure(WithComments(document, true));
  PrintRatio("open", utf8.Open, ascii.Open);
  PrintRatio("scroll 40 pages", utf8.Scroll, ascii.Scroll);
  PrintRatio("colour all", utf8.Colour, ascii.Colour);
  PrintRatio("search", utf8.Search, ascii.Search);
}
