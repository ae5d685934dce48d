// Colouring figures against their budgets: ColourLine over the whole document, typing "/*"
// at the top of it, and opening it at its last line.
#include "bench/SyntaxBench.h"

#include "bench/BenchMeasure.h"
#include "bench/BenchReport.h"
#include "editor/syntax/ColourLine.h"
#include "editor/syntax/CppLanguage.h"
#include "tests/view/ViewFakes.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int WindowLines = 60;
constexpr int TypingRepeats = 21;
constexpr double MinColourLineRate = 100;  // MB/s
constexpr double MaxTypingTime = 5e-3;     // s

// Every line coloured in order, each from the state the line above ended in.
void ColourAllLines(const LanguageDef* language, const std::string& document) {
  ColourState state;
  std::string line;
  const char* p = document.data();
  const char* end = p + document.size();
  for (;;) {
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
    const char* lineEnd = lf ? lf : end;
    line.assign(p, static_cast<size_t>(lineEnd - p));
    state = ColourLine(language, line, state, false)->EndState;
    if (!lf) break;
    p = lf + 1;
  }
}

void BenchColourLine(const LanguageDef* language, const std::string& document) {
  const double seconds = BestOf(2, [&] { ColourAllLines(language, document); });
  const double rate = static_cast<double>(document.size()) / 1e6 / seconds;
  PrintRow("ColourLine over document", Format("%.1f MB/s", rate), Format("%.1f ms, best of 2", seconds * 1e3),
           Format(">= %.0f MB/s", MinColourLineRate), Mark(rate >= MinColourLineRate));
}

// A window of 60 lines at 7 by 16 pixels a character, word wrap off.
struct ColouredView : ViewFixture {
  ColouredView(const std::string& document, const RefPtr<LanguageDef>& language) {
    View.SetClientSize(80 * 7, WindowLines * 16);
    View.SetLanguage(language);
    View.SetText(document);
    View.SetModified(false);
    View.ClearUndo();
  }
  // What painting the window does.
  void ColourWindow() {
    for (int line = View.TopLine(); line <= View.LastVisibleLine(false); ++line) View.ColouringOf(line);
  }
};

double TypeCommentStart(TextView& view) {
  return TimeOf([&] { view.ReplaceText(0, 0, "/*", -1, -1, ScrollToCaret, true); });
}

// The user sees the top of the file, caret at 0, and opens a comment there: every line
// below changes colour. The first edit also moves the buffer's gap to the caret.
void BenchTypingAtTop(const std::string& document, const RefPtr<LanguageDef>& language) {
  ColouredView fixture(document, language);
  TextView& view = fixture.View;
  fixture.ColourWindow();
  const double first = TypeCommentStart(view);
  std::vector<double> times;
  for (int i = 0; i < TypingRepeats; ++i) {
    view.Undo();
    fixture.ColourWindow();
    times.push_back(TypeCommentStart(view));
  }
  const double median = Median(times);
  PrintRow("type /* at top median", Format("%.3f ms", median * 1e3), std::to_string(WindowLines) + " lines in the window",
           Format("<= %.0f ms", MaxTypingTime * 1e3), Mark(median <= MaxTypingTime));
  PrintRow("type /* at top first", Format("%.3f ms", first * 1e3), "", "(moves the gap)", "");
}

// Everything above the last line is coloured on demand on the way there.
void BenchOpeningAtEnd(const std::string& document, const RefPtr<LanguageDef>& language) {
  ColouredView fixture(document, language);
  TextView& view = fixture.View;
  const double seconds = TimeOf([&] {
    view.SetSelection(view.Length(), view.Length(), ScrollToCaret);
    fixture.ColourWindow();
  });
  PrintRow("open at last line, coloured", Format("%.1f ms", seconds * 1e3),
           std::to_string(view.LineCount()) + " lines coloured", "(no budget)", "");
}

}  // namespace

void RunSyntaxBench(const std::string& document) {
  const RefPtr<LanguageDef> cpp = MakeCppLanguage("");
  BenchColourLine(cpp.Get(), document);
  BenchTypingAtTop(document, cpp);
  BenchOpeningAtEnd(document, cpp);
}
