// Loading the language files at start-up: folders, order, first of a name wins, first failure stops.
#include "editor/shell/LanguageFiles.h"

#include "editor/syntax/LanguageDef.h"
#include "tests/shell/SettingsFakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// A definition without elements whose only extension tells which file it came from.
std::string LangFile(const std::string& extension, int version = 10) {
  return "Version=" + std::to_string(version) + "\r\n\r\nExtensionsCount=1\r\n=" + extension +
         "\r\nMatchCase=True\r\n\r\nLangElemCount=0\r\n\r\n";
}

struct LanguageFilesTest : ::testing::Test {
  void Load() {
    LoadLanguageFiles(Languages, Scene.Folders, Scene.Platform, Scene.Reporter);
  }
  // Name and extension of each loaded definition, in list order.
  Strings Loaded() const {
    Strings names;
    for (const RefPtr<LanguageDef>& language : Languages.Languages)
      names.push_back(language->Name + ":" + language->Extensions.at(0));
    return names;
  }

  SettingsScene Scene;
  LanguageList Languages;
};

TEST_F(LanguageFilesTest, SharedFolderFirstThenTheProgramFolderAndTheFirstOfANameWins) {
  Scene.WriteFile("shared\\Languages\\cpp.lang", LangFile("cpp"));
  Scene.WriteFile("shared\\Languages\\html.lang", LangFile("html"));
  Scene.WriteFile("program\\CPP.lang", LangFile("cxx"));
  Scene.WriteFile("program\\basic.lang", LangFile("bas"));
  Scene.WriteFile("program\\readme.txt", "not a language");
  Load();
  EXPECT_EQ(Loaded(), (Strings{"cpp:cpp", "html:html", "basic:bas"}));
  EXPECT_TRUE(Scene.Reporter.Errors.empty());
  EXPECT_EQ(Languages.Languages[2]->Folder, Scene.Folders.ExeDir);
}

TEST_F(LanguageFilesTest, WithoutASharedFolderTheProgramFolderStillLoads) {
  Scene.WriteFile("program\\basic.lang", LangFile("bas"));
  Load();
  EXPECT_EQ(Loaded(), (Strings{"basic:bas"}));
}

TEST_F(LanguageFilesTest, TheListIsEmptiedFirst) {
  Languages.Languages.push_back(RefPtr<LanguageDef>(new LanguageDef));
  Load();
  EXPECT_TRUE(Languages.Languages.empty());
}

TEST_F(LanguageFilesTest, ADamagedFileStopsTheLoadingWithItsMessage) {
  Scene.WriteFile("shared\\Languages\\a.lang", LangFile("a"));
  Scene.WriteFile("shared\\Languages\\b.lang", "Version=10\r\n\r\nExtensionsCount=1\r\n");
  Scene.WriteFile("shared\\Languages\\c.lang", LangFile("c"));
  Scene.WriteFile("program\\d.lang", LangFile("d"));
  Load();
  EXPECT_EQ(Loaded(), (Strings{"a:a"}));
  const std::string path = Scene.Folders.SharedDataDir + "\\Languages\\b.lang";
  EXPECT_EQ(Scene.Reporter.Errors,
            (Strings{"Could not find field '' when loading file '" + path +
                     "'. The file may be corrupted. You should either replace the file with a valid copy or "
                     "delete the file from disk.\n\nA copy was kept as '" + path + ".bak'."}));
  EXPECT_EQ(Scene.Scratch.ReadBytes("shared\\Languages\\b.lang.bak"), "Version=10\r\n\r\nExtensionsCount=1\r\n");
}

TEST_F(LanguageFilesTest, ANewerFileNamesItselfAndStopsTheLoading) {
  Scene.WriteFile("program\\a.lang", LangFile("a"));
  Scene.WriteFile("program\\b.lang", LangFile("b", 11));
  Scene.WriteFile("program\\c.lang", LangFile("c"));
  Load();
  EXPECT_EQ(Loaded(), (Strings{"a:a"}));
  EXPECT_EQ(Scene.Reporter.Errors,
            (Strings{"The version of file '" + Scene.Folders.ExeDir +
                     "b.lang' is newer than the version of Quilvane. Quilvane could not load one or more "
                     "language files.\n\nA copy was kept as '" + Scene.Folders.ExeDir + "b.lang.bak'."}));
}

TEST_F(LanguageFilesTest, OlderFilesLoadToo) {
  Scene.WriteFile("program\\old.lang",
                  "Version=7\r\n\r\nLanguageName=Whatever\r\nExtensionsCount=1\r\n=old\r\nMatchCase=False\r\n\r\n"
                  "LangElemCount=0\r\n\r\n");
  Load();
  EXPECT_EQ(Loaded(), (Strings{"old:old"}));
  EXPECT_FALSE(Languages.Languages[0]->MatchCase);
}

}  // namespace
