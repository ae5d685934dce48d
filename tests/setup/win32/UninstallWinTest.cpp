// Uninstall.exe and Purgerun removing an installation that Setup made.
#include <gtest/gtest.h>

#include <fstream>

#include "common/Constants.h"
#include "common/Paths.h"
#include "common/win32/WinApi.h"
#include "tests/setup/win32/InstallationFixture.h"
#include "tests/setup/win32/InstallerProcess.h"
#include "tests/shell/win32/EditorProcess.h"

namespace {

// The files the system deletes at its next restart, as MoveFileEx recorded them.
std::string PendingDeletions() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return "";
  }
  std::string value(65536, '\0');
  DWORD size = static_cast<DWORD>(value.size());
  const LONG read = RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(&value[0]), &size);
  RegCloseKey(key);
  value.resize(read == ERROR_SUCCESS ? size : 0);
  return value;
}

class UninstallWinTest : public InstallationTest {
protected:
  void InstallSilently() {
    std::string output;
    ASSERT_EQ(0u, RunSetup({"/S"}, output)) << output;
  }
};

TEST_F(UninstallWinTest, UninstallExeRemovesTheListedPathsAndKeepsTheUsersFile) {
  InstallSilently();
  const std::string mine = JoinPath(LanguagesDir, "Mine.lang");
  std::ofstream(mine, std::ios::binary) << "my own language";
  const std::string readOnly = InstallDir + "Quilvane.exe";
  ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));

  InstallerProcess starter(InstallDir + "Uninstall.exe", {});
  HWND question = WaitForAnyWindow("Uninstall");
  EXPECT_EQ("This will uninstall Quilvane. Continue?", EditorProcess::MessageBoxText(question));
  // Uninstall.exe no longer lies in the installation folder while the copy asks.
  EXPECT_FALSE(PathExists(InstallDir + "Uninstall.exe"));
  EditorProcess::Press(question, IDYES);
  HWND finished = WaitForAnyWindow("Finished");
  EXPECT_EQ("The following files or folders could not be removed:\n\n" + LanguagesDir + "\n" + SharedDataDir + "\n",
            EditorProcess::MessageBoxText(finished));
  SaveWindowShot(finished, "uninstall-finished.png");
  EditorProcess::Press(finished, IDOK);
  // It waits for the removal and ends with its result.
  EXPECT_EQ(1u, starter.WaitForExit());

  for (const std::string& path : {readOnly, DesktopLink, SendToLink, Group, InstallDir, JoinPath(LanguagesDir, LanguageNames.front())}) {
    EXPECT_FALSE(PathExists(path)) << path;
  }
  EXPECT_TRUE(PathExists(mine));
  // The temporary copy that ran and the uninstaller itself are left to the next restart,
  // files before their folder.
  const std::string pending = PendingDeletions();
  const std::size_t program = pending.find("QuilvaneUninstall");
  EXPECT_NE(std::string::npos, program);
  const std::size_t log = pending.find("Uninstall.log", program);
  EXPECT_NE(std::string::npos, log);
  EXPECT_NE(std::string::npos, pending.find("Uninstall.exe", log));
}

TEST_F(UninstallWinTest, AnsweringNoThroughUninstallExeKeepsTheUninstallerInPlace) {
  InstallSilently();
  InstallerProcess starter(InstallDir + "Uninstall.exe", {});
  HWND question = WaitForAnyWindow("Uninstall");
  ASSERT_NE(nullptr, question);
  EditorProcess::Press(question, IDNO);
  EXPECT_EQ(0u, starter.WaitForExit());
  EXPECT_EQ(FileBytes(DistPath("Uninstall.exe")), FileBytes(InstallDir + "Uninstall.exe"));
  EXPECT_EQ(ExpectedLog(true, true, false), FileBytes(InstallDir + UninstallLogName));
}

TEST_F(UninstallWinTest, AnsweringNoRemovesNothing) {
  InstallSilently();
  InstallerProcess purgerun(InstallDir + "Purgerun.exe", {});
  HWND question = purgerun.WaitForWindow("Uninstall");
  ASSERT_NE(nullptr, question);
  EditorProcess::Press(question, IDNO);
  EXPECT_EQ(0u, purgerun.WaitForExit());
  EXPECT_TRUE(PathExists(InstallDir + "Quilvane.exe"));
  EXPECT_TRUE(PathExists(Group + "Quilvane.lnk"));
}

TEST_F(UninstallWinTest, SilentUninstallThroughUninstallExeRemovesEverything) {
  InstallSilently();
  InstallerProcess starter(InstallDir + "Uninstall.exe", {"/S"});
  EXPECT_EQ(0u, starter.WaitForExit());
  EXPECT_EQ("Uninstall completed successfully!\n", starter.Output());
  EXPECT_FALSE(PathExists(InstallDir));
  EXPECT_FALSE(PathExists(SharedDataDir));
  EXPECT_FALSE(PathExists(LanguagesDir));
  EXPECT_FALSE(PathExists(Group));
  EXPECT_FALSE(PathExists(DesktopLink));
}

TEST_F(UninstallWinTest, SilentUninstallExeEndsWithTheResultOfTheRemoval) {
  InstallSilently();
  std::ofstream(JoinPath(LanguagesDir, "Mine.lang"), std::ios::binary) << "my own language";
  InstallerProcess starter(InstallDir + "Uninstall.exe", {"/S"});
  EXPECT_EQ(1u, starter.WaitForExit());
  EXPECT_EQ("The following files or folders could not be removed:\n\n" + LanguagesDir + "\n" + SharedDataDir + "\n\n",
            starter.Output());
  EXPECT_FALSE(PathExists(InstallDir));
}

TEST_F(UninstallWinTest, LogThatIsNotTextRemovesNothingAndNamesTheInstallationsLog) {
  InstallSilently();
  const std::string logPath = InstallDir + UninstallLogName;
  const std::string log = FileBytes(logPath);
  std::ofstream(logPath, std::ios::binary) << log.substr(0, 20) << '\0' << log.substr(20);
  InstallerProcess starter(InstallDir + "Uninstall.exe", {"/S"});
  EXPECT_EQ(1u, starter.WaitForExit());
  EXPECT_EQ("The installation log '" + logPath + "' is damaged: it is not a text file. Nothing was removed.\n",
            starter.Output());
  for (const char* name : {"Quilvane.exe", "Purgerun.exe", "Uninstall.exe"}) EXPECT_TRUE(PathExists(InstallDir + name)) << name;
  EXPECT_TRUE(PathExists(Group + "Quilvane.lnk"));
  EXPECT_TRUE(PathExists(JoinPath(LanguagesDir, LanguageNames.front())));
}

TEST_F(UninstallWinTest, LogWithoutEntriesSaysSoAndRemovesNothing) {
  ScratchFolder folder;
  const std::string program = folder.Path("Purgerun.exe");
  ASSERT_TRUE(CopyFileA(DistPath("Purgerun.exe").c_str(), program.c_str(), FALSE));
  folder.WriteBytes(UninstallLogName, "  \r\n\r\n\t\n ");
  InstallerProcess silent(program, {"/S"});
  EXPECT_EQ(1u, silent.WaitForExit());
  EXPECT_EQ("The installation log '" + folder.Path(UninstallLogName) + "' lists no files or folders. Nothing was removed.\n",
            silent.Output());

  InstallerProcess asking(program, {});
  EditorProcess::Press(asking.WaitForWindow("Uninstall"), IDYES);
  HWND error = asking.WaitForWindow("Error");
  ASSERT_NE(nullptr, error);
  EXPECT_EQ("The installation log '" + folder.Path(UninstallLogName) + "' lists no files or folders. Nothing was removed.",
            EditorProcess::MessageBoxText(error));
  EditorProcess::Press(error, IDOK);
  EXPECT_EQ(1u, asking.WaitForExit());
  EXPECT_TRUE(PathExists(program));
}

TEST_F(UninstallWinTest, MissingLogEndsWithAMessageNamingTheFile) {
  ScratchFolder folder;
  const std::string program = folder.Path("Purgerun.exe");
  ASSERT_TRUE(CopyFileA(DistPath("Purgerun.exe").c_str(), program.c_str(), FALSE));
  InstallerProcess silent(program, {"/S"});
  EXPECT_EQ(1u, silent.WaitForExit());
  EXPECT_EQ(0u, silent.Output().find("Could not read the installation log '" + folder.Path(UninstallLogName) + "':\n"))
      << silent.Output();

  InstallerProcess asking(program, {});
  EditorProcess::Press(asking.WaitForWindow("Uninstall"), IDYES);
  HWND error = asking.WaitForWindow("Error");
  ASSERT_NE(nullptr, error);
  EXPECT_NE(std::string::npos, EditorProcess::MessageBoxText(error).find(folder.Path(UninstallLogName)));
  EditorProcess::Press(error, IDOK);
  EXPECT_EQ(1u, asking.WaitForExit());
}

TEST_F(UninstallWinTest, SilentPurgerunReportsWhatStayed) {
  ScratchFolder folder;
  const std::string program = folder.Path("Purgerun.exe");
  ASSERT_TRUE(CopyFileA(DistPath("Purgerun.exe").c_str(), program.c_str(), FALSE));
  CreateDirectoryA(folder.Path("Full").c_str(), nullptr);
  folder.WriteBytes("Full\\kept.txt", "x");
  folder.WriteBytes("gone.txt", "x");
  folder.WriteBytes(UninstallLogName, "  " + folder.Path("gone.txt") + "  \r\n" + folder.Path("Full") + "\r\n" +
                                          folder.Path("never-there.txt"));
  InstallerProcess purgerun(program, {"/S"});
  EXPECT_EQ(1u, purgerun.WaitForExit());
  EXPECT_EQ("The following files or folders could not be removed:\n\n" + folder.Path("Full") + "\n\n", purgerun.Output());
  EXPECT_FALSE(PathExists(folder.Path("gone.txt")));
  EXPECT_TRUE(PathExists(folder.Path("Full\\kept.txt")));
}

}  // namespace
