// Which normalised paths the uninstaller may remove: what Setup makes, and nothing beside it.
#include <gtest/gtest.h>

#include "uninstall/RemovalScope.h"

namespace {

const InstallPlaces Places{"c:\\program files\\quilvane", "c:\\users\\public\\documents\\quilvane",
                           "c:\\users\\public\\desktop", "c:\\users\\me\\sendto", "c:\\programdata\\programs"};

bool Allowed(const RemovalScope& scope, const std::string& path, std::string* baseOut = nullptr) {
  std::string base;
  const bool allowed = scope.Allows(path, base);
  if (baseOut) *baseOut = base;
  return allowed;
}

TEST(RemovalScopeTest, InstallationFolderAndEverythingInsideIt) {
  const RemovalScope scope(Places);
  std::string base;
  EXPECT_TRUE(Allowed(scope, "c:\\program files\\quilvane", &base));
  EXPECT_EQ(Places.InstallDir, base);
  EXPECT_TRUE(Allowed(scope, "c:\\program files\\quilvane\\quilvane.exe"));
  EXPECT_TRUE(Allowed(scope, "c:\\program files\\quilvane\\sub\\deep\\file.txt"));
  // A prefix counts only up to a backslash.
  EXPECT_FALSE(Allowed(scope, "c:\\program files\\quilvane2\\quilvane.exe"));
  EXPECT_FALSE(Allowed(scope, "c:\\program files\\quilvan"));
  EXPECT_FALSE(Allowed(scope, "c:\\program files"));
  EXPECT_FALSE(Allowed(scope, "c:\\windows\\win.ini"));
}

TEST(RemovalScopeTest, SharedDataFolderItsLanguagesFolderAndLanguageFilesDirectlyInIt) {
  const RemovalScope scope(Places);
  const std::string shared = Places.SharedDataDir;
  std::string base;
  EXPECT_TRUE(Allowed(scope, shared + "\\languages\\c.lang", &base));
  EXPECT_EQ(shared, base);
  EXPECT_TRUE(Allowed(scope, shared + "\\languages"));
  EXPECT_TRUE(Allowed(scope, shared));
  EXPECT_FALSE(Allowed(scope, shared + "\\languages\\notes.txt"));
  EXPECT_FALSE(Allowed(scope, shared + "\\languages\\sub\\c.lang"));
  EXPECT_FALSE(Allowed(scope, shared + "\\quilvane.ini"));
  EXPECT_FALSE(Allowed(scope, shared + "\\c.lang"));
  EXPECT_FALSE(Allowed(scope, "c:\\users\\public\\documents\\report.doc"));
}

TEST(RemovalScopeTest, ShortcutsByTheirExactNames) {
  const RemovalScope scope(Places);
  const std::string group = "c:\\programdata\\programs\\quilvane";
  std::string base;
  EXPECT_TRUE(Allowed(scope, group + "\\uninstall quilvane.lnk", &base));
  EXPECT_EQ(Places.CommonProgramsDir, base);
  EXPECT_TRUE(Allowed(scope, group + "\\quilvane.lnk"));
  EXPECT_TRUE(Allowed(scope, group));
  EXPECT_TRUE(Allowed(scope, "c:\\users\\public\\desktop\\quilvane.lnk", &base));
  EXPECT_EQ(Places.DesktopDir, base);
  EXPECT_TRUE(Allowed(scope, "c:\\users\\me\\sendto\\quilvane.lnk"));
  EXPECT_FALSE(Allowed(scope, group + "\\other.lnk"));
  EXPECT_FALSE(Allowed(scope, "c:\\programdata\\programs\\quilvane.lnk"));
  EXPECT_FALSE(Allowed(scope, "c:\\users\\public\\desktop\\report.doc"));
  EXPECT_FALSE(Allowed(scope, "c:\\users\\public\\desktop"));
  EXPECT_FALSE(Allowed(scope, "c:\\users\\me\\sendto\\uninstall quilvane.lnk"));
}

TEST(RemovalScopeTest, PlacesThePlatformCouldNotNameHoldNothing) {
  const RemovalScope scope(InstallPlaces{"c:\\q", "", "", "", ""});
  EXPECT_FALSE(Allowed(scope, "\\languages\\c.lang"));
  EXPECT_FALSE(Allowed(scope, "\\quilvane.lnk"));
  EXPECT_FALSE(Allowed(scope, "quilvane\\quilvane.lnk"));
  EXPECT_FALSE(Allowed(scope, ""));
  EXPECT_TRUE(Allowed(scope, "c:\\q\\quilvane.exe"));
}

TEST(RemovalScopeTest, ADriveItselfIsNoInstallationFolder) {
  EXPECT_FALSE(Allowed(RemovalScope(InstallPlaces{"c:\\", "", "", "", ""}), "c:\\windows\\win.ini"));
  EXPECT_FALSE(Allowed(RemovalScope(InstallPlaces{"c:\\", "", "", "", ""}), "c:\\"));
  EXPECT_FALSE(Allowed(RemovalScope(InstallPlaces{"\\\\server\\share", "", "", "", ""}), "\\\\server\\share\\x.txt"));
}

}  // namespace
