// Working copies of language definitions: built from definitions, turned back into new ones.
#include "editor/syntax/LanguageRecord.h"

#include "common/LineEnds.h"
#include "common/StringList.h"
#include "editor/syntax/LanguageElements.h"
#include "editor/syntax/TokenKind.h"

namespace {

ElementRecord RecordFromElement(const LanguageElement& element) {
  ElementRecord record;
  record.Kind = element.GetKind();
  record.TokenKind = element.TokenKind;
  record.Options = element.Options;
  for (int i = 0; i < element.StringCount(); ++i) record.Strings.push_back(element.StringAt(i));
  if (const auto* range = dynamic_cast<const RangeElement*>(&element)) {
    record.Strings.push_back(range->EndMarker);
    record.Strings.push_back(range->EscapeChar);
  }
  return record;
}

// A record edited by hand may hold fewer strings than its kind reads.
std::string StringOf(const ElementRecord& record, std::size_t index) {
  return index < record.Strings.size() ? record.Strings[index] : std::string();
}

RefPtr<LanguageElement> ElementFromRecord(const ElementRecord& record) {
  switch (record.Kind) {
  case WordsKind: return new WordsElement(record.TokenKind, record.Options, record.Strings);
  case RestOfLineKind: return new RestOfLineElement(record.TokenKind, record.Options, StringOf(record, 0));
  case RangeKind:
    return new RangeElement(record.TokenKind, record.Options, StringOf(record, 0), StringOf(record, 1),
                            StringOf(record, 2));
  default: return nullptr;
  }
}

}  // namespace

LanguageRecord RecordFromLanguage(const LanguageDef& language) {
  LanguageRecord record;
  record.Name = language.Name;
  record.MatchCase = language.MatchCase;
  record.Extensions = language.Extensions;
  record.Folder = language.Folder;
  for (const RefPtr<LanguageElement>& element : language.Elements) record.Elements.push_back(RecordFromElement(*element));
  return record;
}

std::vector<LanguageRecord> RecordsFromList(const LanguageList& languages) {
  std::vector<LanguageRecord> records;
  for (const RefPtr<LanguageDef>& language : languages.Languages) records.push_back(RecordFromLanguage(*language));
  return records;
}

RefPtr<LanguageDef> LanguageFromRecord(const LanguageRecord& record) {
  RefPtr<LanguageDef> language(new LanguageDef);
  language->Name = record.Name;
  language->MatchCase = record.MatchCase;
  language->Extensions = record.Extensions;
  language->Folder = record.Folder;
  for (const ElementRecord& element : record.Elements) {
    RefPtr<LanguageElement> built = ElementFromRecord(element);
    if (built) language->AddElement(built);
  }
  return language;
}

LanguageRecord NewLanguageRecord(const std::string& folder) {
  LanguageRecord record;
  record.Name = "New Language";
  record.Folder = folder;
  return record;
}

ElementRecord NewElementRecord() {
  return ElementRecord();
}

std::string ElementListText(const ElementRecord& element) {
  const std::string name = ItemName(element.TokenKind, true);
  switch (element.Kind) {
  case WordsKind: return name + "s";
  case RestOfLineKind: return StringOf(element, 0) + " " + name;
  case RangeKind: return StringOf(element, 0) + " " + name + " " + StringOf(element, 1);
  default: return name;
  }
}

std::vector<std::string> SplitExtensions(const std::string& text) {
  StringList pieces;
  SplitText(text, ";", pieces);
  return pieces;
}

std::string JoinExtensions(const std::vector<std::string>& extensions) {
  return JoinText(extensions, "; ");
}

std::vector<std::string> SplitWordList(std::string text) {
  NormalizeLineEnds(text);
  StringList words;
  SplitText(text, "\n", words);
  return words;
}

std::string JoinWordList(const std::vector<std::string>& words) {
  return JoinText(words, "\r\n");
}
