// Purgerun's reading of Uninstall.log and its removal order, on an in-memory file system.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "uninstall/RemovalPlatform.h"
#include "uninstall/RemovalScope.h"
#include "uninstall/RemoveListedPaths.h"
#include "uninstall/UninstallLogEntries.h"

namespace {

// Entries are keyed by their normal form; folders are those whose value is true, and a folder
// goes only when nothing lies inside. Normal forms are lower case with "." and ".." resolved;
// LongNames maps a short spelling to the long one.
class FakeRemovalPlatform : public RemovalPlatform {
public:
  std::map<std::string, bool> Entries;
  std::map<std::string, std::string> LongNames;
  std::set<std::string> Links;
  std::set<std::string> ReadOnly;
  std::set<std::string> Locked;
  std::vector<std::string> Touched;

  std::string NormalPath(const std::string& path) override {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path + '\\') {
      if (c != '\\') {
        part += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        continue;
      }
      if (part == ".." && parts.size() > 1) parts.pop_back();
      else if (!part.empty() && part != "." && part != "..") parts.push_back(part);
      part.clear();
    }
    std::string normal;
    for (const std::string& piece : parts) normal += (normal.empty() ? "" : "\\") + piece;
    if (parts.size() == 1) normal += '\\';
    const auto alias = LongNames.find(normal);
    return alias == LongNames.end() ? normal : alias->second;
  }
  bool IsLink(const std::string& path) override { return Links.count(path) > 0; }
  bool ReadKind(const std::string& path, bool& isFolder) override {
    Touched.push_back(path);
    auto entry = Entries.find(path);
    if (entry == Entries.end()) return false;
    isFolder = entry->second;
    return true;
  }
  void ClearReadOnly(const std::string& path) override { ReadOnly.erase(path); }
  bool RemoveFolder(const std::string& path) override {
    for (const auto& entry : Entries) {
      if (entry.first.compare(0, path.size() + 1, path + '\\') == 0) return false;
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
    Platform.Entries = {{"c:\\q", true}, {"c:\\q\\quilvane.exe", false}, {"c:\\q\\uninstall.log", false},
                        {"c:\\s", true}, {"c:\\s\\languages", true}, {"c:\\s\\languages\\c.lang", false},
                        {"c:\\windows\\win.ini", false}, {"c:\\users\\me\\notes.txt", false}};
  }
  RemovalReport Remove(const std::vector<std::string>& paths) { return RemoveListedPaths(Platform, Scope, paths); }

  FakeRemovalPlatform Platform;
  RemovalScope Scope{InstallPlaces{"c:\\q", "c:\\s", "c:\\desktop", "c:\\sendto", "c:\\programs"}};
};

TEST_F(RemoveListedPathsTest, FilesBeforeTheirFoldersRemoveEverything) {
  const RemovalReport report = RemoveListedPaths(
      Platform, Scope,
      UninstallLogEntries("C:\\Q\\Quilvane.exe\r\nC:\\S\\Languages\\C.lang\r\nC:\\S\\Languages\r\nC:\\Q\\Uninstall.log\r\n"
                          "C:\\S\r\nC:\\Q\\"));
  EXPECT_TRUE(report.Complete());
  EXPECT_EQ(2u, Platform.Entries.size());
  EXPECT_EQ("Uninstall completed successfully!", UninstallFinishedText(report));
}

TEST_F(RemoveListedPathsTest, BlanksAroundAPathAndMissingPathsDoNoHarm) {
  const RemovalReport report = RemoveListedPaths(
      Platform, Scope, UninstallLogEntries("  C:\\Q\\Quilvane.exe  \r\nC:\\Q\\Gone.txt\r\n\r\nC:\\S\\Languages\\C.lang"));
  EXPECT_TRUE(report.Complete());
  EXPECT_EQ(0u, Platform.Entries.count("c:\\q\\quilvane.exe"));
  EXPECT_EQ(0u, Platform.Entries.count("c:\\s\\languages\\c.lang"));
}

TEST_F(RemoveListedPathsTest, ReadOnlyFileIsRemoved) {
  Platform.ReadOnly.insert("c:\\q\\quilvane.exe");
  EXPECT_TRUE(Remove({"C:\\Q\\Quilvane.exe"}).Complete());
  EXPECT_EQ(0u, Platform.Entries.count("c:\\q\\quilvane.exe"));
}

TEST_F(RemoveListedPathsTest, FolderWithTheUsersOwnFileStaysAndIsReported) {
  Platform.Entries["c:\\s\\languages\\mine.lang"] = false;
  const RemovalReport report =
      Remove({"C:\\S\\Languages\\C.lang", "C:\\S\\Languages", "C:\\Q\\Quilvane.exe", "C:\\Q\\Uninstall.log", "C:\\Q\\"});
  // The last entry succeeded, so the failure keeps its line feed.
  EXPECT_EQ("C:\\S\\Languages\n", report.Failures);
  EXPECT_EQ("The following files or folders could not be removed:\n\nC:\\S\\Languages\n", UninstallFinishedText(report));
  EXPECT_EQ(1u, Platform.Entries.count("c:\\s\\languages\\mine.lang"));
  EXPECT_EQ(0u, Platform.Entries.count("c:\\s\\languages\\c.lang"));
  EXPECT_EQ(0u, Platform.Entries.count("c:\\q"));
}

TEST_F(RemoveListedPathsTest, FailedLastEntryEndsWithoutLineFeedAndEveryEntryIsTried) {
  Platform.Locked = {"c:\\q\\quilvane.exe", "c:\\s\\languages\\c.lang"};
  EXPECT_EQ("C:\\Q\\Quilvane.exe\nC:\\S\\Languages\\C.lang",
            Remove({"C:\\Q\\Quilvane.exe", "C:\\S\\Languages\\C.lang"}).Failures);
}

TEST_F(RemoveListedPathsTest, LinesNamingWhatSetupDoesNotMakeAreLeftAloneAndListed) {
  const std::vector<std::string> outside = {"C:\\windows\\win.ini", "C:\\Q\\..\\Users\\me\\notes.txt",
                                            "Quilvane.exe", "..\\S\\Languages\\C.lang", "C:\\S\\Languages\\notes.txt"};
  std::vector<std::string> log = outside;
  log.push_back("C:\\Q\\Quilvane.exe");
  const RemovalReport report = Remove(log);
  EXPECT_EQ(outside, report.Skipped);
  EXPECT_EQ("", report.Failures);
  EXPECT_FALSE(report.Complete());
  EXPECT_EQ((std::vector<std::string>{"c:\\q\\quilvane.exe"}), Platform.Touched);
  EXPECT_EQ(1u, Platform.Entries.count("c:\\windows\\win.ini"));
  EXPECT_EQ(1u, Platform.Entries.count("c:\\users\\me\\notes.txt"));
  EXPECT_EQ("The following entries of Uninstall.log were left alone, as Setup did not install them:\n\n"
            "C:\\windows\\win.ini\nC:\\Q\\..\\Users\\me\\notes.txt\nQuilvane.exe\n..\\S\\Languages\\C.lang\n"
            "C:\\S\\Languages\\notes.txt",
            UninstallFinishedText(report));
}

TEST_F(RemoveListedPathsTest, OtherSpellingsOfAnInsidePathAreRemoved) {
  Platform.LongNames["c:\\q\\quilva~1.exe"] = "c:\\q\\quilvane.exe";
  Platform.Entries["c:\\q\\sub"] = true;
  EXPECT_TRUE(Remove({"C:\\Q\\QUILVA~1.EXE", "c:\\q\\.\\SUB\\\\", "C:\\Q\\sub\\..\\Uninstall.log"}).Complete());
  EXPECT_EQ(0u, Platform.Entries.count("c:\\q\\quilvane.exe"));
  EXPECT_EQ(0u, Platform.Entries.count("c:\\q\\sub"));
  EXPECT_EQ(0u, Platform.Entries.count("c:\\q\\uninstall.log"));
}

TEST_F(RemoveListedPathsTest, PathThroughALinkInsideTheInstallationIsLeftAlone) {
  Platform.Links = {"c:\\q\\docs"};
  Platform.Entries["c:\\q\\docs"] = true;
  Platform.Entries["c:\\q\\docs\\notes.txt"] = false;
  const RemovalReport report = Remove({"C:\\Q\\Docs\\notes.txt"});
  EXPECT_EQ((std::vector<std::string>{"C:\\Q\\Docs\\notes.txt"}), report.Skipped);
  EXPECT_EQ(1u, Platform.Entries.count("c:\\q\\docs\\notes.txt"));
  EXPECT_TRUE(Platform.Touched.empty());
}

TEST_F(RemoveListedPathsTest, FailuresAndSkippedLinesMakeOneMessage) {
  Platform.Locked = {"c:\\q\\quilvane.exe"};
  EXPECT_EQ("The following files or folders could not be removed:\n\nC:\\Q\\Quilvane.exe\n\n"
            "The following entries of Uninstall.log were left alone, as Setup did not install them:\n\nC:\\windows\\win.ini",
            UninstallFinishedText(Remove({"C:\\Q\\Quilvane.exe", "C:\\windows\\win.ini"})));
  EXPECT_EQ("The following files or folders could not be removed:\n\nC:\\Q\\Quilvane.exe\n\n"
            "The following entries of Uninstall.log were left alone, as Setup did not install them:\n\nC:\\windows\\win.ini",
            UninstallFinishedText(Remove({"C:\\windows\\win.ini", "C:\\Q\\Quilvane.exe"})));
}

}  // namespace
