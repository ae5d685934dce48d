// Tests of the fallback rules of the product's folders.
#include "common/CommonFolders.h"

#include <gtest/gtest.h>

namespace {

FolderSources ProgramOnly() {
  FolderSources sources;
  sources.ExePath = "D:\\Tools\\Quilvane\\Quilvane.exe";
  return sources;
}

}  // namespace

TEST(CommonFoldersTest, SpecialFoldersComeFirst) {
  FolderSources sources = ProgramOnly();
  sources.ProgramFilesFolder = "C:\\Program Files (x86)";
  sources.SharedDocumentsFolder = "C:\\Users\\Public\\Documents";
  sources.LocalAppDataFolder = "C:\\Users\\ann\\AppData\\Local";
  sources.ProgramFilesVariable = "E:\\Programs";
  sources.AllUsersProfileVariable = "E:\\All";
  sources.UserProfileVariable = "E:\\ann";
  sources.TempVariable = "C:\\Temp";
  CommonFolders folders = MakeCommonFolders(sources);
  EXPECT_EQ(folders.ExePath, "D:\\Tools\\Quilvane\\Quilvane.exe");
  EXPECT_EQ(folders.ExeDir, "D:\\Tools\\Quilvane\\");
  EXPECT_EQ(folders.ProgramFilesDir, "C:\\Program Files (x86)");
  EXPECT_EQ(folders.SharedDataDir, "C:\\Users\\Public\\Documents\\Quilvane");
  EXPECT_EQ(folders.UserDataDir, "C:\\Users\\ann\\AppData\\Local\\Quilvane");
  EXPECT_EQ(folders.TempDir, "C:\\Temp");
}

TEST(CommonFoldersTest, EnvironmentStandsInForMissingSpecialFolders) {
  FolderSources sources = ProgramOnly();
  sources.ProgramFilesVariable = "E:\\Programs";
  sources.AllUsersProfileVariable = "C:\\Documents and Settings\\All Users\\";
  sources.UserProfileVariable = "C:\\Documents and Settings\\ann";
  CommonFolders folders = MakeCommonFolders(sources);
  EXPECT_EQ(folders.ProgramFilesDir, "E:\\Programs");
  EXPECT_EQ(folders.SharedDataDir, "C:\\Documents and Settings\\All Users\\Documents\\Quilvane");
  EXPECT_EQ(folders.UserDataDir,
            "C:\\Documents and Settings\\ann\\Local Settings\\Application Data\\Quilvane");
}

TEST(CommonFoldersTest, FixedFallbacksWhenNothingIsKnown) {
  CommonFolders folders = MakeCommonFolders(ProgramOnly());
  EXPECT_EQ(folders.ProgramFilesDir, "C:\\Program Files");
  EXPECT_EQ(folders.SharedDataDir, "D:\\Tools\\Quilvane\\");
  EXPECT_EQ(folders.UserDataDir, "D:\\Tools\\Quilvane\\");
  EXPECT_EQ(folders.TempDir, "");
}
