// The element classes: a list of words, a rest-of-line marker, a range between markers.
#pragma once

#include "editor/syntax/LanguageElement.h"
#include "editor/syntax/MarkerTrie.h"
#include "editor/syntax/WordList.h"

#include <memory>
#include <string>
#include <vector>

class WordsElement : public LanguageElement {
public:
  WordsElement(int tokenKind, int options, std::vector<std::string> words);
  static RefPtr<LanguageElement> Load(SettingsFile& file, int tokenKind, int options);

  int Match(ColourState& state, std::string_view line, int pos, bool matchCase) override;
  ElementKind GetKind() const override { return WordsKind; }
  void Exchange(SettingsFile& file) override;
  int StringCount() const override { return static_cast<int>(Words.size()); }
  std::string StringAt(int index) const override { return Words[static_cast<std::size_t>(index)]; }

  std::vector<std::string> Words;
};

class RestOfLineElement : public LanguageElement {
public:
  RestOfLineElement(int tokenKind, int options, std::string marker);
  static RefPtr<LanguageElement> Load(SettingsFile& file, int tokenKind, int options);

  int Match(ColourState& state, std::string_view line, int pos, bool matchCase) override;
  ElementKind GetKind() const override { return RestOfLineKind; }
  void Exchange(SettingsFile& file) override;
  int StringCount() const override { return 1; }
  std::string StringAt(int) const override { return Marker; }

  std::string Marker;
};

// Inner matcher values: skipped escapes, a nested start, an end.
enum RangeMark { EscapedEscape = 1, EscapedEnd = 2, NestedStart = 3, RangeEnd = 4 };

class RangeElement : public LanguageElement {
public:
  RangeElement(int tokenKind, int options, std::string startMarker, std::string endMarker, std::string escapeChar);
  // Reads "StartMarker", "EndMarker" and "EscapeChar" (or the older "FalseEnd").
  static RefPtr<LanguageElement> Load(SettingsFile& file, int tokenKind, int options);

  int Match(ColourState& state, std::string_view line, int pos, bool matchCase) override;
  ElementKind GetKind() const override { return RangeKind; }
  void Exchange(SettingsFile& file) override;
  int StringCount() const override { return 1; }
  std::string StringAt(int) const override { return StartMarker; }

  const std::string StartMarker;
  const std::string EndMarker;
  const std::string EscapeChar;

private:
  // Built once from the strings: a word list for whole-word ranges, else a marker trie.
  std::unique_ptr<MarkerTrie<int>> InnerMarkers;
  std::unique_ptr<WordList<int>> InnerWords;
};

// The escape string of a range from a file before version 8: its "FalseEnd" without the
// end marker at its end, or empty.
std::string EscapeFromFalseEnd(const std::string& falseEnd, const std::string& endMarker);
