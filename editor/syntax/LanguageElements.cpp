// Construction, loading and saving of the three element classes; a range's inner matcher.
#include "editor/syntax/LanguageElements.h"

#include "common/SettingsFile.h"
#include "editor/syntax/ExchangeStrings.h"

#include <utility>

namespace {

// Files before version 8 store a range's escape as the escaped end marker ("FalseEnd").
constexpr int FirstEscapeCharVersion = 8;

void ExchangeRangeStrings(SettingsFile& file, std::string& start, std::string& end, std::string& escape) {
  file.ExchangeString("StartMarker", start);
  file.ExchangeString("EndMarker", end);
  if (file.IsLoading() && file.GetVersion() < FirstEscapeCharVersion) {
    std::string falseEnd;
    file.ExchangeString("FalseEnd", falseEnd);
    escape = EscapeFromFalseEnd(falseEnd, end);
  } else {
    file.ExchangeString("EscapeChar", escape);
  }
}

// Strings inside a range and what each does there; later strings replace equal earlier ones
// in a marker trie, and stay beside them in a word list.
template <class Matcher> void AddRangeMarks(Matcher& matcher, const RangeElement& range, bool escapes) {
  if (escapes && !range.EscapeChar.empty()) {
    matcher.Add(range.EscapeChar + range.EscapeChar, EscapedEscape);
    matcher.Add(range.EscapeChar + range.EndMarker, EscapedEnd);
  }
  matcher.Add(range.EndMarker, RangeEnd);
  if (range.Options & AllowNesting) matcher.Add(range.StartMarker, NestedStart);
}

}  // namespace

WordsElement::WordsElement(int tokenKind, int options, std::vector<std::string> words)
    : LanguageElement(tokenKind, options), Words(std::move(words)) {}

RefPtr<LanguageElement> WordsElement::Load(SettingsFile& file, int tokenKind, int options) {
  std::vector<std::string> words;
  ExchangeStrings(file, "Words", words);
  return new WordsElement(tokenKind, options, std::move(words));
}

void WordsElement::Exchange(SettingsFile& file) {
  LanguageElement::Exchange(file);
  ExchangeStrings(file, "Words", Words);
}

RestOfLineElement::RestOfLineElement(int tokenKind, int options, std::string marker)
    : LanguageElement(tokenKind, options), Marker(std::move(marker)) {}

RefPtr<LanguageElement> RestOfLineElement::Load(SettingsFile& file, int tokenKind, int options) {
  std::string marker;
  file.ExchangeString("Marker", marker);
  return new RestOfLineElement(tokenKind, options, std::move(marker));
}

void RestOfLineElement::Exchange(SettingsFile& file) {
  LanguageElement::Exchange(file);
  file.ExchangeString("Marker", Marker);
}

RangeElement::RangeElement(int tokenKind, int options, std::string startMarker, std::string endMarker,
                           std::string escapeChar)
    : LanguageElement(tokenKind, options),
      StartMarker(std::move(startMarker)),
      EndMarker(std::move(endMarker)),
      EscapeChar(std::move(escapeChar)) {
  // Whole-word ranges look for identifiers only, which an escape string never is.
  if (Options & WholeWord) {
    InnerWords = std::make_unique<WordList<int>>();
    AddRangeMarks(*InnerWords, *this, false);
  } else {
    InnerMarkers = std::make_unique<MarkerTrie<int>>();
    AddRangeMarks(*InnerMarkers, *this, true);
  }
}

RefPtr<LanguageElement> RangeElement::Load(SettingsFile& file, int tokenKind, int options) {
  std::string start;
  std::string end;
  std::string escape;
  ExchangeRangeStrings(file, start, end, escape);
  return new RangeElement(tokenKind, options, std::move(start), std::move(end), std::move(escape));
}

// The inner matcher was built from the options and strings, so they stay as constructed and
// a loading file is only read past them: Load makes a range from a file.
void RangeElement::Exchange(SettingsFile& file) {
  const int builtWith = Options;
  LanguageElement::Exchange(file);
  Options = builtWith;
  std::string start = StartMarker;
  std::string end = EndMarker;
  std::string escape = EscapeChar;
  ExchangeRangeStrings(file, start, end, escape);
}

std::string EscapeFromFalseEnd(const std::string& falseEnd, const std::string& endMarker) {
  if (falseEnd.empty() || falseEnd.size() < endMarker.size() ||
      falseEnd.compare(falseEnd.size() - endMarker.size(), endMarker.size(), endMarker) != 0)
    return std::string();
  std::string escape = falseEnd.substr(0, falseEnd.size() - endMarker.size());
  return escape == endMarker ? std::string() : escape;
}
