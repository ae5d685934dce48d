// The recent-files list: front insertion, case-blind duplicates, the maximum, storage.
#include "editor/shell/RecentFileList.h"

#include "common/SettingsFile.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Paths = std::vector<std::string>;

TEST(RecentFileList, NewestFirstAndCutToFifteenByDefault) {
  RecentFileList recent;
  EXPECT_EQ(recent.GetMax(), 15);
  for (int i = 0; i < 17; ++i) recent.Add("C:\\f" + std::to_string(i) + ".txt");
  ASSERT_EQ(recent.Paths().size(), 15u);
  EXPECT_EQ(recent.Paths().front(), "C:\\f16.txt");
  EXPECT_EQ(recent.Paths().back(), "C:\\f2.txt");
}

TEST(RecentFileList, AddingAPathAgainInOtherLettersMovesItToTheFrontOnce) {
  RecentFileList recent;
  recent.Add("C:\\src\\Main.cpp");
  recent.Add("C:\\b.txt");
  recent.Add("c:\\SRC\\main.CPP");
  EXPECT_EQ(recent.Paths(), (Paths{"c:\\SRC\\main.CPP", "C:\\b.txt"}));
}

TEST(RecentFileList, RemoveTakesTheEntryEqualWithoutCase) {
  RecentFileList recent;
  recent.Add("C:\\a.txt");
  recent.Add("C:\\b.txt");
  recent.Remove("c:\\A.TXT");
  EXPECT_EQ(recent.Paths(), (Paths{"C:\\b.txt"}));
  recent.Remove("C:\\missing.txt");
  EXPECT_EQ(recent.Paths(), (Paths{"C:\\b.txt"}));
}

TEST(RecentFileList, SetMaxCutsAndValuesBelowOneKeepNothing) {
  RecentFileList recent;
  for (const char* path : {"C:\\a", "C:\\b", "C:\\c"}) recent.Add(path);
  recent.SetMax(2);
  EXPECT_EQ(recent.Paths(), (Paths{"C:\\c", "C:\\b"}));
  recent.SetMax(-3);
  EXPECT_EQ(recent.GetMax(), 0);
  EXPECT_TRUE(recent.Paths().empty());
  recent.Add("C:\\d");
  EXPECT_TRUE(recent.Paths().empty());
}

TEST(RecentFileList, StoredAsMaximumAndCountedList) {
  ScratchFolder scratch;
  RecentFileList recent;
  recent.SetMax(2);
  recent.Add("C:\\a b=c.txt");
  recent.Add("D:\\x.cpp");
  {
    SettingsFile file(scratch.Path("recent.ini"), false);
    recent.Exchange(file);
  }
  EXPECT_EQ(scratch.ReadBytes("recent.ini"),
            "Version=10\r\n\r\nMaxRecentFiles=2\r\nRecentFilesCount=2\r\n=D:\\x.cpp\r\n=C:\\a b=c.txt\r\n");
  RecentFileList loaded;
  SettingsFile file(scratch.Path("recent.ini"), true);
  loaded.Exchange(file);
  EXPECT_EQ(loaded.GetMax(), 2);
  EXPECT_EQ(loaded.Paths(), recent.Paths());
}

TEST(RecentFileList, ALoadedListLongerThanTheMaximumStaysUntilTheNextAdd) {
  ScratchFolder scratch;
  scratch.WriteBytes("recent.ini",
                     "Version=10\r\n\r\nMaxRecentFiles=1\r\nRecentFilesCount=3\r\n=C:\\a\r\n=C:\\b\r\n=C:\\c\r\n");
  RecentFileList recent;
  SettingsFile file(scratch.Path("recent.ini"), true);
  recent.Exchange(file);
  EXPECT_EQ(recent.Paths().size(), 3u);
  recent.Add("C:\\b");
  EXPECT_EQ(recent.Paths(), (Paths{"C:\\b"}));
}

TEST(RecentFileList, ANegativeStoredMaximumReadsAsZero) {
  ScratchFolder scratch;
  scratch.WriteBytes("recent.ini", "Version=10\r\n\r\nMaxRecentFiles=-4\r\nRecentFilesCount=0\r\n");
  RecentFileList recent;
  SettingsFile file(scratch.Path("recent.ini"), true);
  recent.Exchange(file);
  EXPECT_EQ(recent.GetMax(), 0);
}

}  // namespace
