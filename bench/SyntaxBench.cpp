// Colouring figures against their budgets: ColourLine and the state-only scan over the whole
// document, Ctrl+End, the memory a coloured document holds (after Ctrl+End, after painting
// every page, with word wrap), typing "/*" at the top, and typing at the end of one very
// long line.
#include "bench/SyntaxBench.h"

#include "bench/BenchMeasure.h"
#include "bench/BenchReport.h"
#include "editor/syntax/ColourLine.h"
#include "editor/syntax/CppLanguage.h"
#include "editor/syntax/StateScan.h"
#include "tests/view/ViewFakes.h"

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int WindowLines = 60;
constexpr int TypingRepeats = 21;
constexpr double MinColourLineRate = 150;  // MB/s
constexpr double MinScanRate = 500;        // MB/s
constexpr double MaxTypingTime = 5e-3;     // s
constexpr double MaxCtrlEnd = 0.5;         // s
constexpr double MaxBytesPerByte = 2.0;
constexpr long long LongLineBytes = 200LL * 1000 * 1000;

// Calls visit(line) for every line of the document, in order.
template <class Visit> void ForEachLine(const std::string& document, Visit visit) {
  const char* p = document.data();
  const char* end = p + document.size();
  for (;;) {
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
    const char* lineEnd = lf ? lf : end;
    visit(std::string_view(p, static_cast<size_t>(lineEnd - p)));
    if (!lf) break;
    p = lf + 1;
  }
}

double Rate(const std::string& document, double seconds) {
  return static_cast<double>(document.size()) / 1e6 / seconds;
}

void BenchColourLine(const LanguageDef* language, const std::string& document) {
  const double seconds = BestOf(2, [&] {
    ColourState state;
    ForEachLine(document, [&](std::string_view line) { state = ColourLine(language, line, state, false)->EndState; });
  });
  const double rate = Rate(document, seconds);
  PrintRow("ColourLine over document", Format("%.1f MB/s", rate), Format("%.1f ms, best of 2", seconds * 1e3),
           Format(">= %.0f MB/s", MinColourLineRate), Mark(rate >= MinColourLineRate));
}

void BenchStateScan(const LanguageDef* language, const std::string& document) {
  const StateScanner scanner(language);
  const double seconds = BestOf(2, [&] {
    ColourState state;
    ForEachLine(document, [&](std::string_view line) {
      scanner.Scan(line, 0, state, nullptr);
      state.Current = RefPtr<LanguageElement>();
    });
  });
  const double rate = Rate(document, seconds);
  PrintRow("state-only scan", Format("%.1f MB/s", rate), Format("%.1f ms, best of 2", seconds * 1e3),
           Format(">= %.0f MB/s", MinScanRate), Mark(rate >= MinScanRate));
}

class NullPainter : public ViewPainter {
public:
  void SetTextColour(Colour) override {}
  void SetBackColour(Colour) override {}
  void SelectPen(Colour) override {}
  int DrawText(int, int, const char* text, int count, int tabStop, int tabOrigin) override {
    return Widths.TabbedWidth(text, count, tabStop, tabOrigin);
  }
  void FillRect(int, int, int, int, Colour) override {}
  void SetPixel(int, int, Colour) override {}
  void DrawHorizontalLine(int, int, int) override {}
  FakeMeasurer Widths;
};

// A window of 60 lines at 7 by 16 pixels a character, loaded like the shell loads a file.
struct ColouredView : ViewFixture {
  ColouredView(std::string document, const RefPtr<LanguageDef>& language) {
    View.SetClientSize(80 * 7, WindowLines * 16);
    View.SetLanguage(language);
    View.SetText(std::move(document));
    View.SetModified(false);
    View.ClearUndo();
  }
  void PaintWindow() {
    NullPainter painter;
    View.Paint(painter, 0, 0, View.ClientWidth(), View.ClientHeight());
  }
  void CtrlEnd() {
    View.SetSelection(View.Length(), View.Length(), ScrollToCaret);
    PaintWindow();
  }
};

void PrintMemory(const std::string& figure, long long growth, const std::string& document) {
  const double ratio = static_cast<double>(growth) / static_cast<double>(document.size());
  PrintRow(figure, Format("%.0f MB", static_cast<double>(growth) / 1e6), Format("%.2f B per document byte", ratio),
           Format("<= %.1f B/B, text included", MaxBytesPerByte), Mark(ratio <= MaxBytesPerByte));
}

// Ctrl+End on a document just opened, whose states nobody has found yet; then what the
// view holds after it, after painting every page top to bottom, and with word wrap on.
void BenchCtrlEndAndMemory(const std::string& document, const RefPtr<LanguageDef>& language) {
  const long long residentBefore = ResidentBytes();
  auto fixture = std::make_unique<ColouredView>(document, language);
  const double seconds = TimeOf([&] { fixture->CtrlEnd(); });
  PrintRow("Ctrl+End, C++ coloured", Format("%.1f ms", seconds * 1e3),
           std::to_string(fixture->View.LineCount()) + " lines", Format("<= %.0f ms", MaxCtrlEnd * 1e3),
           Mark(seconds <= MaxCtrlEnd));
  PrintMemory("memory after Ctrl+End", ResidentBytes() - residentBefore, document);

  TextView& view = fixture->View;
  const int page = view.VisibleLineCount(true);
  const double paging = TimeOf([&] {
    for (int top = 0; top < view.LineCount(); top += page) {
      view.SetTopLine(top);
      fixture->PaintWindow();
    }
  });
  PrintMemory("memory after every page", ResidentBytes() - residentBefore, document);
  PrintRow("  painting every page", Format("%.0f ms", paging * 1e3), std::to_string(view.LineCount() / page) + " pages",
           "(no budget)", "");

  view.SetSelection(0, 0, ScrollToCaret);
  view.ReplaceText(0, 0, "x", -1, -1, ScrollToCaret, true);
  view.Undo();
  fixture->PaintWindow();
  view.SetWordWrap(true);
  fixture->CtrlEnd();
  PrintMemory("memory wrapped, Ctrl+End", ResidentBytes() - residentBefore, document);
}

double TypeCommentStart(TextView& view) {
  return TimeOf([&] { view.ReplaceText(0, 0, "/*", -1, -1, ScrollToCaret, true); });
}

// The user sees the top of the file, caret at 0, and opens a comment there: every line
// below changes colour. The first edit also moves the buffer's gap to the caret.
void BenchTypingAtTop(const std::string& document, const RefPtr<LanguageDef>& language) {
  ColouredView fixture(document, language);
  TextView& view = fixture.View;
  fixture.PaintWindow();
  const double first = TypeCommentStart(view);
  std::vector<double> times;
  for (int i = 0; i < TypingRepeats; ++i) {
    view.Undo();
    fixture.PaintWindow();
    times.push_back(TypeCommentStart(view));
  }
  const double median = Median(times);
  PrintRow("type /* at top median", Format("%.3f ms", median * 1e3), std::to_string(WindowLines) + " lines in the window",
           Format("<= %.0f ms", MaxTypingTime * 1e3), Mark(median <= MaxTypingTime));
  PrintRow("type /* at top first", Format("%.3f ms", first * 1e3), "", "(moves the gap)", "");
}

// One line of code-like words, operators and blanks.
std::string LongCodeLine(long long bytes) {
  static const char* const pieces[] = {"int ", "value ", "= ", "count ", "+ ", "(x) ", "\"text\" ", "/* c */ ", ";\t"};
  std::mt19937 random(5);
  std::string line;
  line.reserve(static_cast<size_t>(bytes) + 16);
  while (static_cast<long long>(line.size()) < bytes) line += pieces[random() % (sizeof pieces / sizeof *pieces)];
  return line;
}

// Typing at the end of a 200 MB line and painting the window, once the line was seen whole.
void BenchLongLineTyping(const RefPtr<LanguageDef>& language) {
  ColouredView fixture(LongCodeLine(LongLineBytes), language);
  TextView& view = fixture.View;
  const double opening = TimeOf([&] { fixture.CtrlEnd(); });
  std::vector<double> times;
  for (int i = 0; i < TypingRepeats; ++i)
    times.push_back(TimeOf([&] {
      view.ReplaceText(view.Length(), 0, "x", -1, -1, ScrollToCaret, true);
      fixture.PaintWindow();
    }));
  const double median = Median(times);
  PrintRow("keystroke end of 200 MB line", Format("%.3f ms", median * 1e3), "median, with painting the window",
           Format("<= %.0f ms", MaxTypingTime * 1e3), Mark(median <= MaxTypingTime));
  PrintRow("  Ctrl+End on it", Format("%.0f ms", opening * 1e3), "the whole line scanned once", "(no budget)", "");
}

}  // namespace

void RunSyntaxBench(const std::string& document) {
  const RefPtr<LanguageDef> cpp = MakeCppLanguage("");
  BenchColourLine(cpp.Get(), document);
  BenchStateScan(cpp.Get(), document);
  BenchCtrlEndAndMemory(document, cpp);
  BenchTypingAtTop(document, cpp);
  BenchLongLineTyping(cpp);
}
