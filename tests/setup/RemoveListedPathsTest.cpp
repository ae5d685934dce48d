// Purgerun's reading of Uninstall.log and its removal order, on an in-memory file system.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "uninstall/RemovalPlatform.h"
#include "uninstall/RemoveListedPaths.h"
#include "uninstall/UninstallLogEntries.h"

namespace {

// Folders are entries whose value is true; a folder goes only when nothing lies inside.
class FakeRemovalPlatform : public RemovalPlatform {
public:
  std::map<std::string, bool> Entries;
  std::set<std::string> ReadOnly;
  std::set<std::string> Locked;
  std::vector<std::string> Touched;

  bool ReadKind(const std::string& path, bool& isFolder) override {
    Touched.push_back(path);
    auto entry = Entries.find(path);
    if (entry == Entries.end()) return false;
    isFolder = entry->second;
    return true;
  }
  void ClearReadOnly(const std::string& path) override { ReadOnly.erase(path); }
  bool RemoveFolder(const std::string& path) override {
    const std::string inside = path.back() == '\\' ? path : path + '\\';
    for (const auto& entry : Entries) {
      if (entry.first != path && entry.first.compare(0, inside.size(), inside) == 0) return false;
    }
    return Entries.erase(path) > 0;
  }
  bool RemoveFile(const std::string& path) override {
    if (ReadOnly.count(path) || Locked.count(path)) return false;
    return Entries.erase(path) > 0;
  }
};

TEST(UninstallLogEntriesTest, SplitsAtCrLfKeepsEmptyPiecesAndTrimsSpacesOnly) {
  EXPECT_EQ((std::vector<std::string>{"C:\\a", "", "C:\\b c", "\tC:\\t\t", "C:\\x\ny"}),
            UninstallLogEntries("  C:\\a \r\n\r\nC:\\b c  \r\n\tC:\\t\t\r\nC:\\x\ny"));
  EXPECT_EQ((std::vector<std::string>{"C:\\a\r", "C:\\b"}), UninstallLogEntries("C:\\a\r\r\nC:\\b"));
}

class RemoveListedPathsTest : public ::testing::Test {
protected:
  RemoveListedPathsTest() {
    Platform.Entries = {{"C:\\Q\\", true}, {"C:\\Q\\Quilvane.exe", false}, {"C:\\Q\\Uninstall.log", false},
                        {"C:\\L", true}, {"C:\\L\\C.lang", false}};
  }
  FakeRemovalPlatform Platform;
};

TEST_F(RemoveListedPathsTest, FilesBeforeTheirFoldersRemoveEverything) {
  const std::string failures = RemoveListedPaths(
      Platform, UninstallLogEntries("C:\\Q\\Quilvane.exe\r\nC:\\L\\C.lang\r\nC:\\L\r\nC:\\Q\\Uninstall.log\r\nC:\\Q\\"));
  EXPECT_EQ("", failures);
  EXPECT_TRUE(Platform.Entries.empty());
  EXPECT_EQ("Uninstall completed successfully!", UninstallFinishedText(failures));
}

TEST_F(RemoveListedPathsTest, BlanksAroundAPathAndMissingPathsDoNoHarm) {
  const std::string failures =
      RemoveListedPaths(Platform, UninstallLogEntries("  C:\\Q\\Quilvane.exe  \r\nC:\\Gone.txt\r\n\r\nC:\\L\\C.lang"));
  EXPECT_EQ("", failures);
  EXPECT_EQ(0u, Platform.Entries.count("C:\\Q\\Quilvane.exe"));
  EXPECT_EQ(0u, Platform.Entries.count("C:\\L\\C.lang"));
}

TEST_F(RemoveListedPathsTest, ReadOnlyFileIsRemoved) {
  Platform.ReadOnly.insert("C:\\Q\\Quilvane.exe");
  EXPECT_EQ("", RemoveListedPaths(Platform, {"C:\\Q\\Quilvane.exe"}));
  EXPECT_EQ(0u, Platform.Entries.count("C:\\Q\\Quilvane.exe"));
}

TEST_F(RemoveListedPathsTest, FolderWithTheUsersOwnFileStaysAndIsReported) {
  Platform.Entries["C:\\L\\Mine.lang"] = false;
  const std::string failures =
      RemoveListedPaths(Platform, {"C:\\L\\C.lang", "C:\\L", "C:\\Q\\Quilvane.exe", "C:\\Q\\Uninstall.log", "C:\\Q\\"});
  // The last entry succeeded, so the failure keeps its line feed.
  EXPECT_EQ("C:\\L\n", failures);
  EXPECT_EQ("The following files or folders could not be removed:\n\nC:\\L\n", UninstallFinishedText(failures));
  EXPECT_EQ(1u, Platform.Entries.count("C:\\L\\Mine.lang"));
  EXPECT_EQ(0u, Platform.Entries.count("C:\\L\\C.lang"));
  EXPECT_EQ(0u, Platform.Entries.count("C:\\Q\\"));
}

TEST_F(RemoveListedPathsTest, FailedLastEntryEndsWithoutLineFeedAndEveryEntryIsTried) {
  Platform.Locked = {"C:\\Q\\Quilvane.exe", "C:\\L\\C.lang"};
  EXPECT_EQ("C:\\Q\\Quilvane.exe\nC:\\L\\C.lang", RemoveListedPaths(Platform, {"C:\\Q\\Quilvane.exe", "C:\\L\\C.lang"}));
}

TEST_F(RemoveListedPathsTest, RelativePathsAreReportedAndNeverTouched) {
  EXPECT_EQ("Quilvane.exe\n..\\L\n", RemoveListedPaths(Platform, {"Quilvane.exe", "..\\L", "C:\\L\\C.lang"}));
  EXPECT_EQ((std::vector<std::string>{"C:\\L\\C.lang"}), Platform.Touched);
  EXPECT_TRUE(IsAbsolutePath("\\\\server\\share\\x"));
  EXPECT_FALSE(IsAbsolutePath("C:x"));
  EXPECT_FALSE(IsAbsolutePath("\\x"));
}

}  // namespace
