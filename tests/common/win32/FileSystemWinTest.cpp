// Tests of the file-system functions, the special folders and the product's locations.
#include "common/win32/FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "common/CommonFolders.h"
#include "common/Paths.h"
#include "common/win32/ProductLocations.h"
#include "common/win32/SystemFolders.h"
#include "common/win32/WinApi.h"

namespace {

// A fresh folder under the temporary folder, removed with everything in it at the end.
class FileSystemWinTest : public testing::Test {
protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    Base = JoinPath(temp, "QuilvaneFsTest" + std::to_string(GetCurrentProcessId()));
    std::filesystem::remove_all(Base);
    ASSERT_TRUE(CreateDirectoryA(Base.c_str(), nullptr));
  }
  void TearDown() override { std::filesystem::remove_all(Base); }

  std::string In(const std::string& name) const { return JoinPath(Base, name); }
  static void MakeFile(const std::string& path) { std::ofstream(path) << "x"; }

  std::string Base;
};

CommonFolders FoldersIn(const std::string& base) {
  FolderSources sources;
  sources.ExePath = JoinPath(base, "Program\\Quilvane.exe");
  sources.LocalAppDataFolder = JoinPath(base, "Local");
  sources.SharedDocumentsFolder = JoinPath(base, "Shared");
  return MakeCommonFolders(sources);
}

}  // namespace

TEST_F(FileSystemWinTest, CreateDirectoriesCreatesTheWholeChain) {
  std::string deep = In("a\\b\\c");
  EXPECT_TRUE(CreateDirectories(deep + "\\"));
  EXPECT_TRUE(FileExists(In("a\\b")));
  EXPECT_TRUE(FileExists(deep));
  EXPECT_TRUE(CreateDirectories(deep));
  EXPECT_TRUE(CreateDirectories(Base.substr(0, 3)));  // the drive root exists already

  MakeFile(In("file"));
  EXPECT_FALSE(CreateDirectories(In("file\\sub")));
  EXPECT_FALSE(CreateDirectories(In("file")));
}

TEST_F(FileSystemWinTest, ListFilesGivesFilesOnly) {
  MakeFile(In("a.lang"));
  MakeFile(In("b.lang"));
  MakeFile(In("c.txt"));
  CreateDirectoryA(In("d.lang").c_str(), nullptr);
  std::vector<std::string> list = {"old"};
  ListFiles(In("*.lang"), list, false, false);
  std::sort(list.begin(), list.end());
  EXPECT_EQ(list, (std::vector<std::string>{"a.lang", "b.lang"}));

  ListFiles(In("*.txt"), list, true, true);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[2], In("c.txt"));

  ListFiles(In("*.none"), list, true, false);
  EXPECT_TRUE(list.empty());
}

TEST_F(FileSystemWinTest, FileAttributesAndStamp) {
  std::string file = In("f.txt");
  EXPECT_FALSE(FileExists(file));
  EXPECT_EQ(GetFileStamp(file), FileStamp{});
  MakeFile(file);
  EXPECT_TRUE(FileExists(file));
  EXPECT_TRUE(FileExists(Base));
  EXPECT_TRUE(IsFolder(Base));
  EXPECT_FALSE(IsFolder(file));
  EXPECT_FALSE(IsReadOnly(file));
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(IsReadOnly(file));
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);

  HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(handle, "12345", 5, &written, nullptr);
  FILETIME time = {0x12345678, 0x01D00000};
  SetFileTime(handle, nullptr, nullptr, &time);
  CloseHandle(handle);
  EXPECT_EQ(GetFileStamp(file).WriteTime, 0x01D0000012345678u);
  EXPECT_EQ(GetFileStamp(file).Size, 5u);
}

TEST(FileSystemWin, TheSaveTemporaryFileIsNamedAfterItsFileAndFitsThePlatformsLimits) {
  EXPECT_EQ(SaveTemporaryPath("C:\\work\\notes.txt"), "C:\\work\\notes.txt.qlvsave.tmp");
  EXPECT_EQ(SaveTemporaryPath("notes.txt"), "notes.txt.qlvsave.tmp");
  // A long name is cut to the longest name one folder entry may have, and two names that
  // share the start stay apart while the letter case does not count.
  const std::string folder = "C:\\";
  const std::string longName(240, 'a');
  const std::string first = SaveTemporaryPath(folder + longName + "1.txt");
  const std::string second = SaveTemporaryPath(folder + longName + "2.txt");
  EXPECT_EQ(first.size(), folder.size() + 255);
  EXPECT_EQ(first.rfind(folder + longName.substr(0, 234) + "~", 0), 0u);
  EXPECT_EQ(first.substr(first.size() - 12), ".qlvsave.tmp");
  EXPECT_NE(first, second);
  const std::string shouted = SaveTemporaryPath(folder + std::string(240, 'A') + "1.TXT");
  EXPECT_EQ(shouted.substr(folder.size() + 234), first.substr(folder.size() + 234));
  // The whole path stays below MAX_PATH.
  const std::string deepFolder = "C:\\" + std::string(200, 'd') + "\\";
  EXPECT_EQ(SaveTemporaryPath(deepFolder + std::string(50, 'n')).size(), static_cast<size_t>(MAX_PATH - 1));
  EXPECT_EQ(SaveTemporaryPath("C:\\" + std::string(240, 'd') + "\\n.txt"), "");
}

TEST(FileSystemWin, FindOnSearchPathGivesTheFullPath) {
  std::string name = "cmd.exe";
  ASSERT_TRUE(FindOnSearchPath(name));
  EXPECT_EQ(name.substr(1, 2), ":\\");
  std::string file = FileNameOf(name);
  CharLowerA(&file[0]);
  EXPECT_EQ(file, "cmd.exe");
  EXPECT_TRUE(FileExists(name));

  std::string missing = "NoSuchProgramQv81.exe";
  EXPECT_FALSE(FindOnSearchPath(missing));
  EXPECT_EQ(missing, "NoSuchProgramQv81.exe");
}

TEST(FileSystemWin, ExpandEnvironmentReplacesKnownVariables) {
  SetEnvironmentVariableA("QUILVANE_TEST_VAR", "abc");
  EXPECT_EQ(ExpandEnvironment("x%QUILVANE_TEST_VAR%y"), "xabcy");
  EXPECT_EQ(ExpandEnvironment("%QUILVANE_NO_SUCH_VAR%"), "%QUILVANE_NO_SUCH_VAR%");
  std::string longValue(1000, 'v');
  SetEnvironmentVariableA("QUILVANE_TEST_VAR", longValue.c_str());
  EXPECT_EQ(ExpandEnvironment("%QUILVANE_TEST_VAR%!"), longValue + "!");
  SetEnvironmentVariableA("QUILVANE_TEST_VAR", nullptr);
}

TEST(FileSystemWin, SpecialAndCommonFoldersExist) {
  std::string local;
  ASSERT_TRUE(GetSpecialFolder(CSIDL_LOCAL_APPDATA, local));
  EXPECT_TRUE(FileExists(local));

  const CommonFolders& folders = GetCommonFolders();
  EXPECT_EQ(&folders, &GetCommonFolders());
  EXPECT_TRUE(FileExists(folders.ExePath));
  EXPECT_EQ(folders.ExeDir, DirectoryOf(folders.ExePath));
  EXPECT_TRUE(FileExists(folders.ProgramFilesDir));
  EXPECT_TRUE(FileExists(DirectoryOf(folders.SharedDataDir)));
  EXPECT_EQ(folders.UserDataDir, JoinPath(local, "Quilvane"));
  char temp[MAX_PATH] = "";
  GetEnvironmentVariableA("Temp", temp, MAX_PATH);
  EXPECT_EQ(folders.TempDir, temp);
}

TEST_F(FileSystemWinTest, SettingsFileOnFirstRunGoesToTheUserFolder) {
  CommonFolders folders = FoldersIn(Base);
  CreateDirectories(folders.ExeDir);
  EXPECT_EQ(GetSettingsFilePath(folders), In("Local\\Quilvane\\Quilvane.ini"));
  EXPECT_TRUE(FileExists(folders.UserDataDir));
}

TEST_F(FileSystemWinTest, SettingsFileBesideTheProgramKeepsBeingUsed) {
  CommonFolders folders = FoldersIn(Base);
  CreateDirectories(folders.ExeDir);
  MakeFile(In("Program\\Quilvane.ini"));
  EXPECT_EQ(GetSettingsFilePath(folders), In("Program\\Quilvane.ini"));
  EXPECT_FALSE(FileExists(In("Local")));

  CreateDirectories(folders.UserDataDir);
  MakeFile(In("Local\\Quilvane\\Quilvane.ini"));
  EXPECT_EQ(GetSettingsFilePath(folders), In("Local\\Quilvane\\Quilvane.ini"));
}

TEST_F(FileSystemWinTest, SettingsFileBesideTheProgramWhenNoUserFolderCanBeMade) {
  CommonFolders folders = FoldersIn(Base);
  MakeFile(In("Local"));
  EXPECT_EQ(GetSettingsFilePath(folders), In("Program\\Quilvane.ini"));
}

TEST_F(FileSystemWinTest, LanguagesFolderFallsBackToTheProgramFolder) {
  CommonFolders folders = FoldersIn(Base);
  EXPECT_EQ(GetLanguagesDir(folders), In("Program\\"));
  CreateDirectories(In("Shared\\Quilvane\\Languages"));
  EXPECT_EQ(GetLanguagesDir(folders), In("Shared\\Quilvane\\Languages"));
}
