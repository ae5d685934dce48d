// The installation's order, its log and its failure texts, on an in-memory file system.
#include <gtest/gtest.h>

#include "setup/InstallFolder.h"
#include "setup/InstallMessages.h"
#include "setup/Installer.h"
#include "tests/setup/FakeInstallPlatform.h"

namespace {

const std::string Dist = "D:\\dist\\";
const std::string Target = "C:\\Program Files\\Quilvane\\";
const std::string Languages = "C:\\Users\\Public\\Documents\\Quilvane\\Languages";
const std::string Group = "C:\\ProgramData\\Programs\\Quilvane\\";
const std::string Shared = "C:\\Users\\Public\\Documents\\Quilvane";
// The entries that end every log: the log itself, SharedDataDir, the installation folder.
const std::string Closing = Target + "Uninstall.log\r\n" + Shared + "\r\n" + Target;
const std::string LanguageEntries = Languages + "\\C.lang\r\n" + Languages + "\\SQL.lang\r\n" + Languages + "\r\n";

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class InstallerTest : public ::testing::Test {
protected:
  InstallerTest() {
    for (const char* name : {"Quilvane.exe", "QuilvaneHelp.html", "Purgerun.exe", "Uninstall.exe", "C.lang", "SQL.lang"}) {
      Platform.Files[Dist + name] = std::string("new ") + name;
    }
    Request.InstallDir = "C:\\Program Files\\Quilvane";
    Request.DistributionDir = Dist;
    Request.SharedDataDir = "C:\\Users\\Public\\Documents\\Quilvane";
    Request.DesktopDir = "C:\\Users\\Public\\Desktop";
    Request.SendToDir = "C:\\Users\\me\\SendTo";
    Request.CommonProgramsDir = "C:\\ProgramData\\Programs";
  }

  InstallOutcome Run() { return Install(Platform, Request); }

  FakeInstallPlatform Platform;
  InstallRequest Request;
};

TEST_F(InstallerTest, FreshInstallationWritesTheLogInRemovalOrderWithoutFinalLineEnd) {
  const InstallOutcome outcome = Run();
  const std::string expected =
      Target + "Quilvane.exe\r\n" + Target + "QuilvaneHelp.html\r\n" + Target + "Purgerun.exe\r\n" +
      Target + "Uninstall.exe\r\n" + Languages + "\\C.lang\r\n" + Languages + "\\SQL.lang\r\n" + Languages +
      "\r\n" "C:\\Users\\Public\\Desktop\\Quilvane.lnk\r\n" "C:\\Users\\me\\SendTo\\Quilvane.lnk\r\n" + Group +
      "Quilvane.lnk\r\n" + Group + "Uninstall Quilvane.lnk\r\n" + Group + "\r\n" + Target + "Uninstall.log\r\n"
      "C:\\Users\\Public\\Documents\\Quilvane\r\n" + Target;
  EXPECT_EQ(expected, Platform.Files[Target + "Uninstall.log"]);
  EXPECT_EQ(expected, outcome.Log.Text());
  EXPECT_FALSE(outcome.Failed());
  EXPECT_EQ("Installation completed successfully!", outcome.Message);
  EXPECT_EQ("new Quilvane.exe", Platform.Files[Target + "Quilvane.exe"]);
  EXPECT_EQ("new SQL.lang", Platform.Files[Languages + "\\SQL.lang"]);
}

TEST_F(InstallerTest, ShortcutsPointAtTheInstalledProgramsWithTheirDescriptions) {
  Run();
  const auto has = [&](const std::string& call) {
    return std::find(Platform.Calls.begin(), Platform.Calls.end(), call) != Platform.Calls.end();
  };
  EXPECT_TRUE(has("shortcut C:\\Users\\Public\\Desktop\\Quilvane.lnk -> " + Target + "Quilvane.exe (Shortcut to Quilvane)"));
  EXPECT_TRUE(has("shortcut " + Group + "Uninstall Quilvane.lnk -> " + Target +
                  "Uninstall.exe (Shortcut to Quilvane uninstaller)"));
}

TEST_F(InstallerTest, UncheckedShortcutsAreNeitherMadeNorLogged) {
  Request.DesktopShortcut = false;
  Request.SendToShortcut = false;
  const InstallOutcome outcome = Run();
  const std::string log = outcome.Log.Text();
  EXPECT_EQ(std::string::npos, log.find("Desktop"));
  EXPECT_EQ(std::string::npos, log.find("SendTo"));
  EXPECT_NE(std::string::npos, log.find(Group + "Quilvane.lnk"));
}

TEST_F(InstallerTest, OlderInstallationKeepsItsSettingsInTheLogAndItsLanguageFilesMoved) {
  Platform.Folders.insert(Target);
  Platform.Files[Target + "Quilvane.ini"] = "settings";
  Platform.Files[Target + "C.lang"] = "user's C";
  Platform.Files[Target + "Old.lang"] = "old";
  const InstallOutcome outcome = Run();
  EXPECT_EQ(0u, outcome.Log.Text().find(Target + "Quilvane.ini\r\n" + Target + "Quilvane.exe\r\n"));
  EXPECT_EQ("user's C", Platform.Files[Languages + "\\C.lang"]);
  EXPECT_EQ("old", Platform.Files[Languages + "\\Old.lang"]);
  EXPECT_EQ(0u, Platform.Files.count(Target + "C.lang"));
  // Moved files that the distribution does not carry are not the installation's own.
  EXPECT_EQ(std::string::npos, outcome.Log.Text().find("Old.lang"));
  EXPECT_FALSE(outcome.Failed());
}

TEST_F(InstallerTest, ExistingLanguageFileIsKeptButLoggedAndCopiesLoseReadOnly) {
  Platform.Files[Languages + "\\C.lang"] = "edited by the user";
  Platform.ReadOnly.insert(Dist + "Quilvane.exe");
  Platform.ReadOnly.insert(Dist + "SQL.lang");
  const InstallOutcome outcome = Run();
  EXPECT_EQ("edited by the user", Platform.Files[Languages + "\\C.lang"]);
  EXPECT_NE(std::string::npos, outcome.Log.Text().find(Languages + "\\C.lang\r\n"));
  EXPECT_EQ(0u, Platform.ReadOnly.count(Target + "Quilvane.exe"));
  EXPECT_EQ(0u, Platform.ReadOnly.count(Languages + "\\SQL.lang"));
  EXPECT_FALSE(outcome.Failed());
}

TEST_F(InstallerTest, MissingUninstallExeIsReportedAndEverythingElseInstalled) {
  Platform.Files.erase(Dist + "Uninstall.exe");
  const InstallOutcome outcome = Run();
  EXPECT_EQ("The following errors occurred during installation:\n\nCould not install file 'Uninstall.exe'\n",
            outcome.Message);
  EXPECT_EQ(std::string::npos, outcome.Log.Text().find(Target + "Uninstall.exe"));
  EXPECT_EQ(1u, Platform.Files.count(Target + "Purgerun.exe"));
  EXPECT_EQ(1u, Platform.Files.count(Target + "Uninstall.log"));
  // The uninstaller shortcut is made all the same: a later installation may bring the program.
  EXPECT_EQ(1u, Platform.Files.count(Group + "Uninstall Quilvane.lnk"));
}

TEST_F(InstallerTest, FailuresAreCollectedOnePerLineInTheOrderTheyHappened) {
  Platform.Folders.insert(Target);
  Platform.Files[Target + "Old.lang"] = "old";
  Platform.FailingPaths.insert(Languages + "\\Old.lang");
  Platform.FailingPaths.insert(Languages + "\\SQL.lang");
  Platform.ShortcutsFail = true;
  const InstallOutcome outcome = Run();
  EXPECT_EQ("Could not move file from existing install to new location '" + Languages + "\\Old.lang'\n"
            "Could not create shortcut in Desktop\n"
            "Could not create shortcut in Send To\n"
            "Could not create Quilvane shortcut in Program Group\n"
            "Could not create Quilvane uninstaller shortcut in Program Group\n",
            outcome.Errors);
  // A language file of the distribution is listed even when its copy failed.
  EXPECT_NE(std::string::npos, outcome.Log.Text().find(Languages + "\\SQL.lang\r\n" + Languages + "\r\n" + Group + "\r\n"));
}

TEST_F(InstallerTest, ProgramGroupThatCannotBeMadeIsReportedAndLeftOutOfTheLog) {
  Platform.FailingPaths.insert(Group);
  const InstallOutcome outcome = Run();
  EXPECT_EQ("Could not create Quilvane Program Group\n", outcome.Errors);
  EXPECT_EQ(std::string::npos, outcome.Log.Text().find("Programs"));
}

TEST_F(InstallerTest, SpecialFoldersThePlatformCouldNotNameGiveFailuresNotRelativeShortcuts) {
  Request.DesktopDir.clear();
  Request.CommonProgramsDir.clear();
  const InstallOutcome outcome = Run();
  EXPECT_EQ("Could not create shortcut in Desktop\nCould not create Quilvane Program Group\n", outcome.Errors);
  EXPECT_EQ(0u, Platform.Files.count("Quilvane.lnk"));
}

TEST_F(InstallerTest, OldUninstallerShortcutInTheGroupIsDeleted) {
  Platform.Files[Group + "Quilvane Uninstaller.lnk"] = "old";
  Run();
  EXPECT_EQ(0u, Platform.Files.count(Group + "Quilvane Uninstaller.lnk"));
}

TEST_F(InstallerTest, FolderThatCannotBeCreatedStopsBeforeAnythingIsCopied) {
  Platform.FailingPaths.insert(Target);
  InstallOutcome outcome = Run();
  EXPECT_TRUE(outcome.Stopped);
  EXPECT_EQ("Could not create directory '" + Target + "'.", outcome.Message);
  EXPECT_TRUE(Platform.Calls.empty());

  Platform.FailingPaths = {Languages};
  outcome = Run();
  EXPECT_TRUE(outcome.Stopped);
  EXPECT_EQ("Could not create directory '" + Languages + "'.", outcome.Message);
  EXPECT_TRUE(Platform.Calls.empty());
}

TEST_F(InstallerTest, LogThatCannotBeWrittenIsReported) {
  Platform.FailingPaths.insert(Target + "Uninstall.log");
  const InstallOutcome outcome = Run();
  EXPECT_EQ("Could not write file '" + Target + "Uninstall.log'\n", outcome.Errors);
  EXPECT_EQ("The following errors occurred during installation:\n\n" + outcome.Errors, outcome.Message);
}

TEST_F(InstallerTest, LogOnDiskListsEverythingMadeSoFarAfterEveryStep) {
  const InstallOutcome outcome = Run();
  ASSERT_LT(2u, Platform.Writes.size());
  // Written as soon as the folders exist, before anything is copied into them.
  EXPECT_EQ(Languages + "\r\n" + Closing, Platform.Writes[0]);
  EXPECT_EQ(Target + "Quilvane.exe\r\n" + Languages + "\r\n" + Closing, Platform.Writes[1]);
  for (const std::string& text : Platform.Writes) EXPECT_TRUE(EndsWith(text, "\r\n" + Closing)) << text;
  // The group folder is listed behind its shortcuts while they are being made.
  const std::string whileTheGroupIsMade = "\r\n" + Group + "Quilvane.lnk\r\n" + Group + "\r\n" + Closing;
  EXPECT_TRUE(std::any_of(Platform.Writes.begin(), Platform.Writes.end(),
                          [&](const std::string& text) { return EndsWith(text, whileTheGroupIsMade); }));
  EXPECT_EQ(outcome.Log.Text(), Platform.Writes.back());
}

TEST_F(InstallerTest, TruncatedProgramFileIsRemovedAndNoShortcutIsMade) {
  Platform.TruncatedCopies.insert(Target + "Quilvane.exe");
  const InstallOutcome outcome = Run();
  EXPECT_EQ(0u, Platform.Files.count(Target + "Quilvane.exe"));
  EXPECT_EQ(1u, Platform.Files.count(Target + "Purgerun.exe"));
  for (const std::string& call : Platform.Calls) EXPECT_NE(0u, call.find("shortcut")) << call;
  EXPECT_EQ(0u, Platform.Folders.count(Group));
  const std::string log = Target + "QuilvaneHelp.html\r\n" + Target + "Purgerun.exe\r\n" + Target + "Uninstall.exe\r\n" +
                          LanguageEntries + Closing;
  EXPECT_EQ(log, Platform.Files[Target + "Uninstall.log"]);
  EXPECT_EQ("The following errors occurred during installation:\n\nCould not install file 'Quilvane.exe'\n\n"
            "No shortcuts were made, as the program files could not all be installed. The files that were installed "
            "are listed in '" + Target + "Uninstall.log'; Uninstall.exe or Purgerun.exe in that folder removes them.",
            outcome.Message);
  EXPECT_TRUE(outcome.Failed());
}

TEST_F(InstallerTest, ProgramFileThatCannotBeReplacedNorRemovedIsListedAtItsPlace) {
  Platform.Files[Target + "Purgerun.exe"] = "old Purgerun.exe, held open";
  Platform.FailingPaths.insert(Target + "Purgerun.exe");
  Platform.Undeletable.insert(Target + "Purgerun.exe");
  const InstallOutcome outcome = Run();
  EXPECT_EQ(0u, outcome.Log.Text().find(Target + "Quilvane.exe\r\n" + Target + "QuilvaneHelp.html\r\n" + Target +
                                        "Purgerun.exe\r\n" + Target + "Uninstall.exe\r\n" + LanguageEntries + Closing));
  EXPECT_EQ("Could not install file 'Purgerun.exe'\n", outcome.Errors);
  EXPECT_EQ(0u, Platform.Files.count("C:\\Users\\Public\\Desktop\\Quilvane.lnk"));
}

TEST_F(InstallerTest, WithoutAnyLogTheMessageListsWhatIsLeft) {
  Platform.TruncatedCopies.insert(Target + "Uninstall.exe");
  Platform.FailingPaths.insert(Target + "Uninstall.log");
  Platform.Folders.insert(Shared + "\\");
  const InstallOutcome outcome = Run();
  EXPECT_EQ("The following errors occurred during installation:\n\nCould not install file 'Uninstall.exe'\n"
            "Could not write file '" + Target + "Uninstall.log'\n\n"
            "No shortcuts were made, as the program files could not all be installed. Uninstall.log could not be "
            "written either, so these files and folders are left for you to remove:\n" +
            Target + "Quilvane.exe\n" + Target + "QuilvaneHelp.html\n" + Target + "Purgerun.exe\n" + Languages +
            "\\C.lang\n" + Languages + "\\SQL.lang\n" + Languages + "\n" + Shared + "\n" + Target,
            outcome.Message);
}

TEST_F(InstallerTest, TruncatedLanguageFileIsRemovedButStaysListed) {
  Platform.TruncatedCopies.insert(Languages + "\\SQL.lang");
  const InstallOutcome outcome = Run();
  EXPECT_EQ(0u, Platform.Files.count(Languages + "\\SQL.lang"));
  EXPECT_NE(std::string::npos, outcome.Log.Text().find(LanguageEntries));
  EXPECT_FALSE(outcome.Failed());
}

TEST(InstallFolderTest, BrowsedFolderGetsTheProductFolderOnce) {
  EXPECT_EQ("D:\\Tools\\Quilvane", BrowsedInstallFolder("D:\\Tools"));
  EXPECT_EQ("D:\\Tools\\Quilvane", BrowsedInstallFolder("D:\\Tools\\Quilvane"));
  EXPECT_EQ("D:\\Tools\\Quilvane", BrowsedInstallFolder("D:\\Tools\\Quilvane\\\\"));
  EXPECT_EQ("D:\\Quilvane", BrowsedInstallFolder("D:\\"));
  // Compared byte for byte, as the folder's own spelling is kept.
  EXPECT_EQ("D:\\quilvane\\Quilvane", BrowsedInstallFolder("D:\\quilvane"));
  EXPECT_EQ("D:\\MyQuilvane", BrowsedInstallFolder("D:\\MyQuilvane"));
}

TEST(InstallFolderTest, TrailingBackslashIsAddedOnce) {
  EXPECT_EQ("C:\\A\\", WithTrailingBackslash("C:\\A"));
  EXPECT_EQ("C:\\A\\", WithTrailingBackslash("C:\\A\\"));
}

}  // namespace
