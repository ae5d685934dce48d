// Planning the deletions and writes of .lang files when the definitions are replaced.
#include "editor/syntax/LanguageFileChanges.h"

#include "editor/syntax/WordList.h"

#include <algorithm>

namespace {

bool SamePathWithoutCase(const std::string& a, const std::string& b) {
  return CompareWithoutCase(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size())) == 0;
}

void AddOnce(std::vector<std::string>& paths, const std::string& path) {
  if (std::find(paths.begin(), paths.end(), path) == paths.end()) paths.push_back(path);
}

}  // namespace

LanguageFileChanges PlanLanguageFiles(const LanguageList& before, const LanguageList& after) {
  LanguageFileChanges changes;
  for (const RefPtr<LanguageDef>& language : after.Languages) AddOnce(changes.Write, language->FilePath());
  for (const RefPtr<LanguageDef>& language : before.Languages) {
    const std::string old = language->FilePath();
    if (std::find(changes.Write.begin(), changes.Write.end(), old) != changes.Write.end()) continue;
    const bool caseOnly = std::any_of(changes.Write.begin(), changes.Write.end(),
                                      [&](const std::string& path) { return SamePathWithoutCase(path, old); });
    AddOnce(caseOnly ? changes.DeleteBefore : changes.DeleteAfter, old);
  }
  return changes;
}
