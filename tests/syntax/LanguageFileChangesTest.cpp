// Which .lang files are deleted before and after the new definitions are written.
#include "editor/syntax/LanguageFileChanges.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

LanguageList ListOf(const std::vector<std::string>& names) {
  LanguageList list;
  for (const std::string& name : names) {
    RefPtr<LanguageDef> language(new LanguageDef);
    language->Name = name;
    language->Folder = "C:\\Lang\\";
    list.Languages.push_back(language);
  }
  return list;
}

using Paths = std::vector<std::string>;

}  // namespace

TEST(LanguageFileChanges, EveryNewDefinitionIsWrittenAndUnchangedFilesStay) {
  const LanguageFileChanges changes = PlanLanguageFiles(ListOf({"C++", "Java"}), ListOf({"C++", "Java", "Lua"}));
  EXPECT_EQ((Paths{"C:\\Lang\\C++.lang", "C:\\Lang\\Java.lang", "C:\\Lang\\Lua.lang"}), changes.Write);
  EXPECT_TRUE(changes.DeleteBefore.empty());
  EXPECT_TRUE(changes.DeleteAfter.empty());
}

TEST(LanguageFileChanges, RenamingOrRemovingDeletesTheOldFileAfterTheWrites) {
  const LanguageFileChanges changes = PlanLanguageFiles(ListOf({"Pascal", "Basic"}), ListOf({"Delphi"}));
  EXPECT_EQ(Paths{"C:\\Lang\\Delphi.lang"}, changes.Write);
  EXPECT_EQ((Paths{"C:\\Lang\\Pascal.lang", "C:\\Lang\\Basic.lang"}), changes.DeleteAfter);
  EXPECT_TRUE(changes.DeleteBefore.empty());
}

TEST(LanguageFileChanges, ARenameInCaseOnlyDeletesFirst) {
  // Deleting afterwards would remove the file just written under the new spelling.
  const LanguageFileChanges changes = PlanLanguageFiles(ListOf({"Html"}), ListOf({"HTML"}));
  EXPECT_EQ(Paths{"C:\\Lang\\Html.lang"}, changes.DeleteBefore);
  EXPECT_EQ(Paths{"C:\\Lang\\HTML.lang"}, changes.Write);
  EXPECT_TRUE(changes.DeleteAfter.empty());
}
