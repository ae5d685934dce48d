// The Languages page's working copy of a definition, and the conversions to and from it.
#pragma once

#include "editor/syntax/LanguageDef.h"
#include "editor/syntax/TokenKind.h"

#include <string>
#include <vector>

// One element as the page edits it. Strings: the words (Words), [marker] (Rest Of Line),
// [start marker, end marker, escape string] (Range).
struct ElementRecord {
  int Kind = WordsKind;
  int TokenKind = Keyword;
  int Options = WholeWord;
  std::vector<std::string> Strings;
};

struct LanguageRecord {
  std::string Name;
  bool MatchCase = true;
  std::vector<std::string> Extensions;
  std::vector<ElementRecord> Elements;
  std::string Folder;  // where its .lang file lives or will live
};

LanguageRecord RecordFromLanguage(const LanguageDef& language);
std::vector<LanguageRecord> RecordsFromList(const LanguageList& languages);
// New element objects are built: existing ones cannot change after construction. A record of
// an unknown kind adds no element.
RefPtr<LanguageDef> LanguageFromRecord(const LanguageRecord& record);

// What "Add" appends: "New Language", case sensitive, nothing else, in folder.
LanguageRecord NewLanguageRecord(const std::string& folder);
// What "Add" appends to the elements: whole keywords, no words yet.
ElementRecord NewElementRecord();

// The element's line in the page's list, e.g. "Keywords" or "// Comment".
std::string ElementListText(const ElementRecord& element);

// The extensions edit: pieces between ";" trimmed of blanks, an empty piece kept, none
// behind a final ";".
std::vector<std::string> SplitExtensions(const std::string& text);
std::string JoinExtensions(const std::vector<std::string>& extensions);
// The word-list edit: one word per line, whatever the line ends, each trimmed of blanks.
std::vector<std::string> SplitWordList(std::string text);
std::string JoinWordList(const std::vector<std::string>& words);
