// Building the Open dialog's filters from the language list and naming its entries.
#include "editor/shell/OpenFilter.h"

#include "common/StringList.h"
#include "editor/syntax/LanguageDef.h"

#include <vector>

namespace {

constexpr char AllFilesFilterName[] = "AllFilesFilterName";
constexpr char TextFilesFilterName[] = "TextFilesFilterName";

bool ClaimsTextFiles(const LanguageList& languages) {
  for (const RefPtr<LanguageDef>& language : languages.Languages)
    if (FindString(language->Extensions, "txt", false) >= 0) return true;
  return false;
}

// The entries' names in list order.
std::vector<std::string> FilterNames(const LanguageList& languages) {
  std::vector<std::string> names{AllFilesFilterName};
  for (const RefPtr<LanguageDef>& language : languages.Languages)
    if (!language->Extensions.empty()) names.push_back(language->Name);
  if (!ClaimsTextFiles(languages)) names.push_back(TextFilesFilterName);
  return names;
}

std::string LanguageFilter(const LanguageDef& language) {
  std::vector<std::string> patterns;
  for (const std::string& extension : language.Extensions) patterns.push_back("*." + extension);
  return language.Name + " Files (" + JoinText(language.Extensions, "; ") + ")|" +
         JoinText(patterns, ";") + "|";
}

}  // namespace

std::string BuildOpenFilter(const LanguageList& languages) {
  std::string filter = "All Files|*.*|";
  for (const RefPtr<LanguageDef>& language : languages.Languages)
    if (!language->Extensions.empty()) filter += LanguageFilter(*language);
  if (!ClaimsTextFiles(languages)) filter += "Text Files (txt)|*.txt|";
  return filter + "|";
}

int FilterIndex(const LanguageList& languages, const std::string& name) {
  const std::vector<std::string> names = FilterNames(languages);
  const int index = FindString(names, name, true);
  return !name.empty() && index >= 0 ? index + 1 : 1;
}

std::string FilterName(const LanguageList& languages, int index) {
  const std::vector<std::string> names = FilterNames(languages);
  if (index < 1 || index > static_cast<int>(names.size())) return "";
  return names[static_cast<std::size_t>(index - 1)];
}
