// A language definition: name, extensions, case rule and the ordered elements, with the two
// lookup structures the tokenizer consults; and the application's list of definitions.
#pragma once

#include "common/RefCounted.h"
#include "editor/syntax/LanguageElement.h"
#include "editor/syntax/MarkerTrie.h"
#include "editor/syntax/WordList.h"

#include <string>
#include <vector>

class SettingsFile;

// Shared: the view and the Languages page may hold a definition that the list has replaced.
class LanguageDef : public RefCounted {
public:
  // Registers the element's strings (in the word list with WholeWord, else the marker trie)
  // and appends it.
  void AddElement(RefPtr<LanguageElement> element);
  // Empties both lookups and the elements; name, folder, extensions and MatchCase stay.
  void Clear();
  // The content of a .lang file; loading takes Name and Folder from the file's path.
  void Exchange(SettingsFile& file);
  std::string FilePath() const;

  MarkerTrie<LanguageElement*> Markers;  // values point into Elements
  WordList<LanguageElement*> Words;
  bool MatchCase = true;
  std::vector<RefPtr<LanguageElement>> Elements;
  std::string Name;
  std::string Folder;
  std::vector<std::string> Extensions;
};

class LanguageList {
public:
  bool FindByName(const std::string& name) const;  // without case
  // The first definition whose extensions hold ext (without case); null when none.
  LanguageDef* FindByExtension(const std::string& ext) const;

  std::vector<RefPtr<LanguageDef>> Languages;
};
