// The state-only scan and its checkpoints against the colouring itself, on random lines made
// of each language's own markers, for the shipped definitions and for shapes they lack.
#include "common/SettingsFile.h"
#include "editor/syntax/ColourLine.h"
#include "editor/syntax/CppLanguage.h"
#include "editor/syntax/LanguageDef.h"
#include "editor/syntax/LanguageElements.h"
#include "editor/syntax/StateScan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<RefPtr<LanguageDef>> Languages() {
  std::vector<RefPtr<LanguageDef>> languages{MakeCppLanguage("")};
  for (const auto& entry : std::filesystem::directory_iterator(QUILVANE_LANGUAGES_DIR)) {
    if (entry.path().extension() != ".lang") continue;
    RefPtr<LanguageDef> language(new LanguageDef);
    SettingsFile file(entry.path().string(), true);
    language->Exchange(file);
    languages.push_back(language);
  }
  // Words that open a range, a marker starting with a digit, and a symbol that hides the
  // start of a comment marker.
  RefPtr<LanguageDef> odd(new LanguageDef);
  odd->Name = "odd";
  odd->AddElement(new RangeElement(String, WholeWord | AllowNesting, "begin", "end", ""));
  odd->AddElement(new RestOfLineElement(Comment, 0, "1#"));
  odd->AddElement(new WordsElement(Symbol, 0, {"-/", "=", "1"}));
  odd->AddElement(new RangeElement(Comment, SpanLines | AllowNesting, "/*", "*/", ""));
  odd->AddElement(new RangeElement(String, 0, "\"", "\"", "\\"));
  languages.push_back(odd);
  RefPtr<LanguageDef> digits(new LanguageDef);
  digits->Name = "digits";
  digits->AddElement(new RestOfLineElement(Comment, 0, "1#"));
  digits->AddElement(new WordsElement(Symbol, 0, {"-/", "9-"}));
  digits->AddElement(new RangeElement(Comment, SpanLines, "/*", "*/", ""));
  languages.push_back(digits);
  return languages;
}

// Pieces: every string the language registers, and characters of every class.
std::vector<std::string> PiecesOf(const LanguageDef& language) {
  std::vector<std::string> pieces{" ", "\t", "x", "ab1", "_", "7", "42", "-", "/", "*", "\\", "\xe9", ";"};
  for (const RefPtr<LanguageElement>& element : language.Elements) {
    for (int i = 0; i < element->StringCount(); ++i) pieces.push_back(element->StringAt(i));
    if (element->GetKind() == RangeKind) {
      const auto& range = static_cast<const RangeElement&>(*element);
      pieces.push_back(range.EndMarker);
      pieces.push_back(range.EscapeChar);
    }
  }
  return pieces;
}

std::string RandomLine(std::mt19937& random, const std::vector<std::string>& pieces, int count) {
  std::string line;
  for (int i = 0; i < count; ++i) line += pieces[random() % pieces.size()];
  return line;
}

TEST(StateScan, EndsEveryLineInTheStateTheColouringEndsIn) {
  for (const RefPtr<LanguageDef>& language : Languages()) {
    SCOPED_TRACE(language->Name);
    const std::vector<std::string> pieces = PiecesOf(*language);
    const StateScanner scanner(language.Get());
    std::mt19937 random(7);
    ColourState state;
    for (int line = 0; line < 3000; ++line) {
      const std::string text = RandomLine(random, pieces, static_cast<int>(random() % 12));
      const bool continues = random() % 4 == 0;
      const RefPtr<LineColouring> coloured = ColourLine(language.Get(), text, state, continues);
      ColourState scanned = state;
      scanner.Scan(text, 0, scanned, nullptr);
      if (!continues) scanned.Current = RefPtr<LanguageElement>();
      ASSERT_TRUE(scanned == coloured->EndState) << "line " << line << ": " << text;
      state = coloured->EndState;
    }
  }
}

// Keeps every place offered, so that each can be checked.
class AllCheckpoints : public CheckpointSink {
public:
  explicit AllCheckpoints(int spacing) : Spacing(spacing) { Next = spacing; }
  void Take(int column, const ColourState& state) override {
    Places.push_back({column, state});
    Next = column + Spacing;
  }
  struct Place {
    int Column;
    ColourState State;
  };
  std::vector<Place> Places;
  int Spacing;
};

// A long line of short stretches, each followed by the end markers of every range, and no
// rest-of-line marker (which would hold the rest of it): checkpoints can be found all along.
std::string LongLine(std::mt19937& random, const LanguageDef& language) {
  std::vector<std::string> pieces;
  std::string closing = " ";
  for (const std::string& piece : PiecesOf(language)) {
    bool restOfLine = false;
    for (const RefPtr<LanguageElement>& element : language.Elements)
      restOfLine |= element->GetKind() == RestOfLineKind && element->StringAt(0) == piece;
    if (!restOfLine) pieces.push_back(piece);
  }
  for (const RefPtr<LanguageElement>& element : language.Elements)
    if (element->GetKind() == RangeKind) closing += " " + static_cast<const RangeElement&>(*element).EndMarker + " ";
  std::string line;
  while (line.size() < 60000) line += RandomLine(random, pieces, 4) + closing;
  return line;
}

TEST(StateScan, ColouringFromACheckpointGivesTheSameTokens) {
  for (const RefPtr<LanguageDef>& language : Languages()) {
    SCOPED_TRACE(language->Name);
    std::mt19937 random(11);
    const std::string line = LongLine(random, *language);
    const StateScanner scanner(language.Get());
    AllCheckpoints checkpoints(300);
    ColourState end;
    scanner.Scan(line, 0, end, &checkpoints);
    std::vector<TokenSpan> whole;
    ColourState state;
    ColourFrom(language.Get(), line, 0, state, whole);
    EXPECT_TRUE(end == state);
    EXPECT_GT(checkpoints.Places.size(), 5u);
    for (const AllCheckpoints::Place& place : checkpoints.Places) {
      std::vector<TokenSpan> resumed;
      ColourState running = place.State;
      ColourFrom(language.Get(), line, place.Column, running, resumed);
      auto first = whole.begin();
      while (first != whole.end() && first->Column < place.Column) ++first;
      ASSERT_NE(first, whole.end());
      ASSERT_EQ(first->Column, place.Column) << "no token boundary there";
      ASSERT_EQ(static_cast<std::size_t>(whole.end() - first), resumed.size()) << "at " << place.Column;
      for (const TokenSpan& token : resumed) {
        ASSERT_EQ(token.Column, first->Column);
        ASSERT_EQ(token.Length, first->Length);
        ASSERT_EQ(token.Kind, first->Kind);
        ++first;
      }
    }
  }
}

}  // namespace
