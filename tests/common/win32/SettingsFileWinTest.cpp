// Windows tests of saving settings files over existing, hidden ones.
#include "common/SettingsFile.h"

#include "common/FileError.h"
#include "common/win32/WinApi.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

TEST(SettingsFileWinTest, SavingOverAHiddenFileKeepsItHidden) {
  ScratchFolder scratch;
  const std::string path = scratch.Path("Quilvane.ini");
  scratch.WriteBytes("Quilvane.ini", "Version=10\r\n\r\nA=1\r\n");
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  const DWORD before = GetFileAttributesA(path.c_str());
  {
    SettingsFile file(path, false);
    int a = 2;
    file.ExchangeInt("A", a);
    file.Save();
  }
  EXPECT_EQ("Version=10\r\n\r\nA=2\r\n", scratch.ReadBytes("Quilvane.ini"));
  EXPECT_EQ(before, GetFileAttributesA(path.c_str()));
  EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(1, scratch.EntryCount());
  SettingsFile file(path, true);
  int a = 0;
  file.ExchangeInt("A", a);
  EXPECT_EQ(2, a);
}

TEST(SettingsFileWinTest, SaveOfAReadOnlyFileThrowsAndTheDestructorStaysQuiet) {
  ScratchFolder scratch;
  const std::string path = scratch.Path("ro.ini");
  scratch.WriteBytes("ro.ini", "old");
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  {
    SettingsFile file(path, false);
    EXPECT_THROW(file.Save(), FileError);
  }
  EXPECT_EQ("old", scratch.ReadBytes("ro.ini"));
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}
