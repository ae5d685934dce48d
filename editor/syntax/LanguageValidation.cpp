// Validation of the Languages page's records, reporting the first failure.
#include "editor/syntax/LanguageValidation.h"

#include "common/Constants.h"
#include "common/Paths.h"
#include "editor/syntax/ColourLine.h"
#include "editor/syntax/WordList.h"

#include <algorithm>

namespace {

bool SameName(const std::string& a, const std::string& b, bool matchCase) {
  if (matchCase) return a == b;
  return CompareWithoutCase(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size())) == 0;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string TrimBlanks(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

void CleanWords(std::vector<std::string>& words, bool matchCase, bool sort) {
  std::vector<std::string> kept;
  for (const std::string& word : words) {
    if (word.empty()) continue;
    const bool seen = std::any_of(kept.begin(), kept.end(),
                                  [&](const std::string& k) { return SameName(k, word, matchCase); });
    if (!seen) kept.push_back(word);
  }
  if (sort) std::sort(kept.begin(), kept.end());  // byte order: char_traits compares unsigned
  words = kept;
}

bool TrimStrings(ElementRecord& element, std::string& message) {
  for (std::string& text : element.Strings) {
    text = TrimBlanks(text);
    if (text.find_first_of(" \t") != std::string::npos) {
      message = "'" + text + "' contains white space. Language element strings cannot contain white space.";
      return false;
    }
  }
  return true;
}

// Kinds that read fewer strings get the ones they read, so the checks below can index them.
void CompleteStrings(ElementRecord& element) {
  const std::size_t needed = element.Kind == RangeKind ? 3 : element.Kind == RestOfLineKind ? 1 : 0;
  if (element.Strings.size() < needed) element.Strings.resize(needed);
}

bool CheckRange(ElementRecord& element, bool matchCase, std::string& message) {
  const std::string& start = element.Strings[0];
  const std::string& end = element.Strings[1];
  const std::string& escape = element.Strings[2];
  if (end.empty()) {
    message = "End marker cannot be empty.";
    return false;
  }
  // An escape equal to the end marker is accepted: doubling the end marker is how quotes are
  // escaped in SQL or in C#'s verbatim strings, and the tokenizer skips the doubled marker.
  if (!(element.Options & WholeWord) && !escape.empty() && SameName(escape, start, matchCase) &&
      !SameName(escape, end, matchCase)) {
    message = "Escape char cannot be the same as the start marker.";
    return false;
  }
  if (!(element.Options & SpanLines)) element.Options &= ~AllowNesting;
  if ((element.Options & AllowNesting) && SameName(start, end, matchCase)) {
    message = "Start and End marker cannot be the same if the Allow Nesting option is selected.";
    return false;
  }
  return true;
}

bool CheckOptions(ElementRecord& element, bool matchCase, std::string& message) {
  if (element.Kind == WordsKind || element.Kind == RestOfLineKind) element.Options &= ~(SpanLines | AllowNesting);
  if ((element.Kind == RestOfLineKind || element.Kind == RangeKind) && element.Strings[0].empty()) {
    message = "Start marker cannot be empty.";
    return false;
  }
  return element.Kind != RangeKind || CheckRange(element, matchCase, message);
}

bool CheckIdentifiers(const ElementRecord& element, std::string& message) {
  const bool wholeWord = (element.Options & WholeWord) != 0;
  for (const std::string& text : element.Strings) {
    if (text.empty() || IsIdentifier(text) == wholeWord) continue;
    message = "'" + text +
              "' is not consistent with Whole Word option. Language element strings should be valid identifiers "
              "if and only if the Whole Word option is selected. Valid identifiers begin with a letter or "
              "underscore and consist of only letters, numbers, and underscores.";
    return false;
  }
  return true;
}

bool CheckName(const std::string& name, std::string& message) {
  if (name.empty()) {
    message = "Language name cannot be empty.";
    return false;
  }
  if (name.find_first_of(ForbiddenFileNameChars) != std::string::npos) {
    message = "Language name '" + name +
              "' is not valid. Language names cannot contain any of the following characters:\n\t" +
              ForbiddenFileNameChars;
    return false;
  }
  return true;
}

bool CheckExtensions(std::vector<std::string>& extensions, std::string& message) {
  for (std::string& extension : extensions) {
    extension = TrimBlanks(extension);
    extension.erase(0, extension.find_first_not_of('.') == std::string::npos ? extension.size()
                                                                             : extension.find_first_not_of('.'));
    if (!IsValidExtension(extension)) {
      message = InvalidExtensionMessage(extension);
      return false;
    }
  }
  return true;
}

}  // namespace

// The same rule as the tokenizer's identifier runs, so that a whole word can be matched.
bool IsIdentifier(const std::string& text) {
  if (text.empty()) return false;
  const int length = static_cast<int>(text.size());
  const CharRun run = NextRun(text.data(), length, 0);
  return run.Class == RunIdentifier && run.Length == length;
}

bool ValidateElement(ElementRecord& element, bool matchCase, std::string& message) {
  CompleteStrings(element);
  if (element.Kind == WordsKind) CleanWords(element.Strings, matchCase, (element.Options & WholeWord) != 0);
  return TrimStrings(element, message) && CheckOptions(element, matchCase, message) &&
         CheckIdentifiers(element, message);
}

bool ValidateLanguage(LanguageRecord& record, ValidationFailure& failure) {
  failure.Element = -1;
  if (!CheckName(record.Name, failure.Message) || !CheckExtensions(record.Extensions, failure.Message)) return false;
  for (std::size_t i = 0; i < record.Elements.size(); ++i) {
    if (!ValidateElement(record.Elements[i], record.MatchCase, failure.Message)) {
      failure.Element = static_cast<int>(i);
      return false;
    }
  }
  return true;
}

bool ValidateLanguages(std::vector<LanguageRecord>& records, ValidationFailure& failure) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    for (std::size_t later = i + 1; later < records.size(); ++later) {
      if (!SameName(records[i].Name, records[later].Name, false)) continue;
      failure = {static_cast<int>(later), -1,
                 "More than one language named '" + records[i].Name +
                     "' exists. Language names are not case sensetive."};
      return false;
    }
    failure.Language = static_cast<int>(i);
    if (!ValidateLanguage(records[i], failure)) return false;
  }
  failure = ValidationFailure();
  return true;
}
