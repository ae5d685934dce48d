// The Open dialog's filters: which languages appear, the Text Files entry, names and indexes.
#include "editor/shell/OpenFilter.h"

#include "editor/syntax/LanguageDef.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void AddLanguage(LanguageList& list, const std::string& name, std::vector<std::string> extensions) {
  RefPtr<LanguageDef> language(new LanguageDef);
  language->Name = name;
  language->Extensions = std::move(extensions);
  list.Languages.push_back(language);
}

TEST(OpenFilter, LanguagesWithExtensionsInListOrderThenTextFiles) {
  LanguageList list;
  AddLanguage(list, "C++", {"cpp", "h"});
  AddLanguage(list, "Notes", {});
  AddLanguage(list, "Pascal", {"pas"});
  EXPECT_EQ(BuildOpenFilter(list),
            "All Files|*.*|C++ Files (cpp; h)|*.cpp;*.h|Pascal Files (pas)|*.pas|"
            "Text Files (txt)|*.txt||");
  EXPECT_EQ(FilterName(list, 1), "AllFilesFilterName");
  EXPECT_EQ(FilterName(list, 2), "C++");
  EXPECT_EQ(FilterName(list, 3), "Pascal");
  EXPECT_EQ(FilterName(list, 4), "TextFilesFilterName");
  EXPECT_EQ(FilterName(list, 5), "");
  EXPECT_EQ(FilterName(list, 0), "");
}

TEST(OpenFilter, ALanguageClaimingTxtInAnyCaseReplacesTheTextFilesEntry) {
  LanguageList list;
  AddLanguage(list, "Plain", {"log", "TXT"});
  EXPECT_EQ(BuildOpenFilter(list), "All Files|*.*|Plain Files (log; TXT)|*.log;*.TXT||");
  EXPECT_EQ(FilterIndex(list, "TextFilesFilterName"), 1);
  EXPECT_EQ(FilterName(list, 3), "");
}

TEST(OpenFilter, NoLanguagesLeaveAllFilesAndTextFiles) {
  LanguageList list;
  EXPECT_EQ(BuildOpenFilter(list), "All Files|*.*|Text Files (txt)|*.txt||");
  EXPECT_EQ(FilterIndex(list, "TextFilesFilterName"), 2);
}

TEST(OpenFilter, IndexAndNameRoundTripOverEveryEntry) {
  LanguageList list;
  AddLanguage(list, "C++", {"cpp"});
  AddLanguage(list, "Empty", {});
  AddLanguage(list, "HTML", {"htm", "html"});
  for (int index = 1; index <= 4; ++index) EXPECT_EQ(FilterIndex(list, FilterName(list, index)), index);
}

TEST(OpenFilter, UnknownEmptyOrDifferentlyCasedNamesGiveTheFirstEntry) {
  LanguageList list;
  AddLanguage(list, "C++", {"cpp"});
  EXPECT_EQ(FilterIndex(list, "c++"), 1);
  EXPECT_EQ(FilterIndex(list, "Java"), 1);
  EXPECT_EQ(FilterIndex(list, ""), 1);
  EXPECT_EQ(FilterIndex(list, "C++"), 2);
}

TEST(OpenFilter, ARememberedNameFollowsItsEntryWhenLanguagesComeAndGo) {
  LanguageList list;
  AddLanguage(list, "Pascal", {"pas"});
  const std::string remembered = FilterName(list, 2);
  AddLanguage(list, "Notes", {});  // no extensions: not in the list
  list.Languages.insert(list.Languages.begin(), list.Languages.back());
  list.Languages.pop_back();
  EXPECT_EQ(FilterIndex(list, remembered), 2);
  AddLanguage(list, "C++", {"cpp"});
  list.Languages.insert(list.Languages.begin(), list.Languages.back());
  list.Languages.pop_back();
  EXPECT_EQ(FilterIndex(list, remembered), 3);
  EXPECT_EQ(FilterName(list, 3), "Pascal");
}

}  // namespace
