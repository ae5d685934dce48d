// The command lines of Setup and Purgerun.
#include <gtest/gtest.h>

#include "setup/SetupOptions.h"
#include "uninstall/PurgerunOptions.h"

namespace {

TEST(SetupOptionsTest, NoArgumentsShowTheDialog) {
  const SetupOptions options = ParseSetupOptions({});
  EXPECT_FALSE(options.Silent);
  EXPECT_TRUE(options.Desktop);
  EXPECT_TRUE(options.SendTo);
  EXPECT_TRUE(options.Folder.empty());
  EXPECT_TRUE(options.Error.empty());
}

TEST(SetupOptionsTest, SilentOptionsIgnoreCaseAndFolderTakesTheRestOfTheLine) {
  const SetupOptions options = ParseSetupOptions({"/s", "/NoDesktop", "/NOSENDTO", "/D=C:\\My", "Tools\\Q"});
  EXPECT_TRUE(options.Silent);
  EXPECT_FALSE(options.Desktop);
  EXPECT_FALSE(options.SendTo);
  EXPECT_EQ("C:\\My Tools\\Q", options.Folder);
  EXPECT_TRUE(options.Error.empty());
}

TEST(SetupOptionsTest, UnknownOptionAndEmptyFolderAreErrorsWithTheUsage) {
  SetupOptions options = ParseSetupOptions({"/S", "/X"});
  EXPECT_EQ(std::string("Unknown option '/X'.\n") + SetupUsage, options.Error);
  options = ParseSetupOptions({"/S", "/D="});
  EXPECT_EQ(std::string("The option /D= names no folder.\n") + SetupUsage, options.Error);
}

TEST(PurgerunOptionsTest, SilentAndTheStartersHandle) {
  PurgerunOptions options = ParsePurgerunOptions({});
  EXPECT_FALSE(options.Silent);
  EXPECT_EQ(0u, options.WaitFor);
  options = ParsePurgerunOptions({"/s", "/WaitFor=1234"});
  EXPECT_TRUE(options.Silent);
  EXPECT_EQ(1234u, options.WaitFor);
  EXPECT_TRUE(options.Error.empty());
}

TEST(PurgerunOptionsTest, InstallationFolderKeepsItsSpelling) {
  EXPECT_EQ("", ParsePurgerunOptions({"/S"}).InstallDir);
  const PurgerunOptions options = ParsePurgerunOptions({"/installdir=C:\\Program Files\\Quilvane", "/S"});
  EXPECT_EQ("C:\\Program Files\\Quilvane", options.InstallDir);
  EXPECT_TRUE(options.Silent);
  EXPECT_TRUE(options.Error.empty());
  EXPECT_FALSE(ParsePurgerunOptions({"/INSTALLDIR="}).Error.empty());
}

TEST(PurgerunOptionsTest, AnythingElseIsAnError) {
  EXPECT_EQ("Unknown option '/WAITFOR=x'.\nUsage: Purgerun.exe [/S]", ParsePurgerunOptions({"/WAITFOR=x"}).Error);
  EXPECT_FALSE(ParsePurgerunOptions({"/S", "C:\\"}).Error.empty());
}

}  // namespace
