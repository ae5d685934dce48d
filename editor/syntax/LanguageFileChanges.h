// Which .lang files confirming the Languages page deletes, and when.
#pragma once

#include "editor/syntax/LanguageDef.h"

#include <string>
#include <vector>

// Every definition of the new list is written to its FilePath. A file of the old list that
// no new definition is written to goes: a file whose name changes only in case must go before
// the writes, or the old spelling would stay (the file system does not tell them apart); any
// other one after all writes succeeded, so that a failed write loses no definition.
struct LanguageFileChanges {
  std::vector<std::string> DeleteBefore;
  std::vector<std::string> Write;
  std::vector<std::string> DeleteAfter;
};

LanguageFileChanges PlanLanguageFiles(const LanguageList& before, const LanguageList& after);
