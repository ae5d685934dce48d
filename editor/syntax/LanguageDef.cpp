// A language definition: registering elements, the .lang file content, and the list lookups.
#include "editor/syntax/LanguageDef.h"

#include "common/Paths.h"
#include "common/SettingsFile.h"
#include "editor/syntax/ExchangeStrings.h"
#include "editor/syntax/LanguageElements.h"

#include <algorithm>

namespace {

// Files before version 10 repeat the language name, which now always comes from the file name.
constexpr int FirstNamelessVersion = 10;

bool EqualWithoutCase(const std::string& a, const std::string& b) {
  return CompareWithoutCase(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size())) == 0;
}

// Reads one element from "LangElemKind" on; an unknown kind rejects the file.
RefPtr<LanguageElement> LoadElement(SettingsFile& file) {
  int kind = 0;
  file.ExchangeInt("LangElemKind", kind);
  if (kind != WordsKind && kind != RestOfLineKind && kind != RangeKind) file.FieldNotFound("LangElemKind");
  int tokenKind = 0;
  int options = 0;
  file.ExchangeInt("TokenKind", tokenKind);
  file.ExchangeInt("Options", options);
  if (kind == WordsKind) return WordsElement::Load(file, tokenKind, options);
  if (kind == RestOfLineKind) return RestOfLineElement::Load(file, tokenKind, options);
  return RangeElement::Load(file, tokenKind, options);
}

void SaveElement(SettingsFile& file, LanguageElement& element) {
  int kind = element.GetKind();
  file.ExchangeInt("LangElemKind", kind);
  element.Exchange(file);
}

}  // namespace

void LanguageDef::AddElement(RefPtr<LanguageElement> element) {
  const bool wholeWord = (element->Options & WholeWord) != 0;
  for (int i = 0; i < element->StringCount(); ++i) {
    if (wholeWord) Words.Add(element->StringAt(i), element.Get());
    else Markers.Add(element->StringAt(i), element.Get());
  }
  Elements.push_back(std::move(element));
}

void LanguageDef::Clear() {
  Markers.Clear();
  Words.Clear();
  Elements.clear();
}

void LanguageDef::Exchange(SettingsFile& file) {
  if (file.IsLoading() && file.GetVersion() < FirstNamelessVersion) {
    std::string dropped;
    file.ExchangeString("LanguageName", dropped);
  }
  ExchangeStrings(file, "Extensions", Extensions);
  file.ExchangeBool("MatchCase", MatchCase);
  file.EndLine();
  int count = static_cast<int>(Elements.size());
  file.ExchangeInt("LangElemCount", count);
  file.EndLine();
  if (file.IsLoading()) {
    Clear();
    Folder = DirectoryOf(file.GetFileName());
    Name = FileTitleOf(file.GetFileName());
  }
  for (int i = 0; i < count; ++i) {
    if (file.IsLoading()) AddElement(LoadElement(file));
    else SaveElement(file, *Elements[static_cast<std::size_t>(i)]);
    file.EndLine();
  }
}

std::string LanguageDef::FilePath() const { return JoinPath(Folder, Name + ".lang"); }

bool LanguageList::FindByName(const std::string& name) const {
  return std::any_of(Languages.begin(), Languages.end(),
                     [&](const RefPtr<LanguageDef>& language) { return EqualWithoutCase(language->Name, name); });
}

LanguageDef* LanguageList::FindByExtension(const std::string& ext) const {
  for (const RefPtr<LanguageDef>& language : Languages) {
    const std::vector<std::string>& extensions = language->Extensions;
    if (std::any_of(extensions.begin(), extensions.end(),
                    [&](const std::string& extension) { return EqualWithoutCase(extension, ext); }))
      return language.Get();
  }
  return nullptr;
}
