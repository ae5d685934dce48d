// search_bench: Replace All and a Find Next without a match (match case, ignore case, whole
// word) over the generated 100 MB document, against GNU sed and grep doing the same work on
// the same bytes in the same run.
#include "bench/BenchDocument.h"
#include "bench/BenchMeasure.h"
#include "bench/BenchReport.h"
#include "editor/shell/RunSearchRequest.h"
#include "editor/shell/SearchFeedback.h"
#include "editor/shell/SearchProgress.h"
#include "editor/shell/SearchRequest.h"
#include "tests/view/ViewFakes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

// Two letters with about 1.2 million occurrences in the generated text (int, const, count,
// static_cast<int>), and a longer replacement; and a word that never occurs but whose first
// letters are everywhere.
const char* const ReplacedWord = "nt";
const char* const Replacement = "n_t";
const char* const MissingWord = "textures";
constexpr int Runs = 3;

class SilentFeedback : public SearchFeedback {
public:
  void ShowInformation(const std::string& text, const char*) override { Last = text; }
  void BeginWait() override {}
  void EndWait() override {}
  std::string Last;
};

struct Files {
  std::string Document;
  std::string Output;
};

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Seconds of the best of Runs runs of a shell command; false when it failed.
bool TimeCommand(const std::string& command, double& seconds) {
  bool ok = true;
  seconds = BestOf(Runs, [&] { ok = ok && std::system(command.c_str()) == 0; });
  return ok;
}

void Load(TextView& view, const std::string& text) {
  view.SetText(text);
  view.SetModified(false);
  view.ClearUndo();
  view.SetSelection(0, 0, ScrollNone);
}

void PrintAgainst(const std::string& figure, double seconds, const char* tool, double reference, double budget) {
  const double ratio = seconds / reference;
  PrintRow(figure, Format("%.1f ms", seconds * 1e3), Format("%.2fx ", ratio) + tool + Format(" (%.1f ms)", reference * 1e3),
           budget > 0 ? Format("<= %gx ", budget) + tool : "(reported)", budget > 0 ? Mark(ratio <= budget) : "");
}

// Replace All through the editor's path: the view's text, the rebuilt copy, the differing
// span and its one change of the view. Each run starts from the loaded document.
double TimeReplaceAll(const std::string& text, std::string& result, int& count) {
  double best = 1e30;
  for (int i = 0; i < Runs; ++i) {
    std::unique_ptr<ViewFixture> fixture(new ViewFixture);
    Load(fixture->View, text);
    SearchRequest request;
    request.findText = ReplacedWord;
    request.replaceText = Replacement;
    request.flags = SearchMatchCase;
    request.doReplaceAll = true;
    SearchProgress progress;
    SilentFeedback feedback;
    best = std::min(best, TimeOf([&] { RunSearchRequest(fixture->View, request, progress, feedback); }));
    count = std::atoi(feedback.Last.c_str());
    if (i == 0) result = fixture->View.GetText(NewLineLf);
  }
  return best;
}

// grep -c over the document finds nothing and so exits with 1; only 2 means it failed.
double TimeGrep(const std::string& options, const std::string& document) {
  double seconds = 0;
  if (!TimeCommand("grep -c " + options + " " + MissingWord + " " + document + " > /dev/null; [ $? -le 1 ]", seconds))
    std::printf("grep %s failed\n", options.c_str());
  return seconds;
}

double TimeFindNext(TextView& view, int flags, std::string& message) {
  SearchRequest request;
  request.findText = MissingWord;
  request.flags = flags;
  request.doFind = true;
  SearchProgress progress;
  SilentFeedback feedback;
  const double seconds = BestOf(Runs, [&] { RunSearchRequest(view, request, progress, feedback); });
  message = feedback.Last;
  return seconds;
}

// Each way of searching against the grep options that compare the same way.
void CompareFindNext(TextView& view, const std::string& document) {
  const struct {
    const char* figure;
    int flags;
    const char* grepOptions;
    double budget;
  } finds[] = {{"Find Next, match case", SearchMatchCase, "-F", 1.2},
               {"Find Next, ignore case", SearchIgnoreCase, "-F -i", 1.5},
               {"Find Next, whole word", SearchMatchCase | SearchWholeWord, "-F -w", 1.5}};
  std::string message;
  for (const auto& find : finds) {
    const double grep = TimeGrep(find.grepOptions, document);
    const std::string tool = std::string("grep ") + find.grepOptions;
    PrintAgainst(find.figure, TimeFindNext(view, find.flags, message), tool.c_str(), grep, find.budget);
  }
  PrintRow("  message", message, "", "", "");
}

int Run(const std::string& folder) {
  const Files files{folder + "/search_bench_document.txt", folder + "/search_bench_sed.txt"};
  const std::string text = GenerateDocument(100LL * 1000 * 1000, 2500 * 1000, 1);
  WriteFile(files.Document, text);
  std::printf("document: %lu bytes; replace '%s' by '%s'; find '%s'\n", static_cast<unsigned long>(text.size()),
              ReplacedWord, Replacement, MissingWord);

  std::string replaced;
  int count = 0;
  const double replaceAll = TimeReplaceAll(text, replaced, count);
  double sed = 0;
  const std::string sedCommand = std::string("sed 's/") + ReplacedWord + "/" + Replacement + "/g' " + files.Document +
                                 " > " + files.Output;
  if (!TimeCommand(sedCommand, sed)) std::printf("sed failed\n");
  PrintRow("Replace All matches", Format("%.0f", count), "", "", "");
  PrintRow("Replace All equals sed", replaced == ReadFile(files.Output) ? "yes" : "NO", "", "", "");
  PrintAgainst("Replace All", replaceAll, "sed", sed, 3);

  std::unique_ptr<ViewFixture> fixture(new ViewFixture);
  Load(fixture->View, text);
  CompareFindNext(fixture->View, files.Document);
  std::remove(files.Document.c_str());
  std::remove(files.Output.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const char* folder = argc > 1 ? argv[1] : "/tmp";
  return Run(folder);
}
