// Setup.exe installing from a distribution into Program Files, through its dialog and silently.
#include <gtest/gtest.h>

#include <fstream>

#include "common/Constants.h"
#include "common/Paths.h"
#include "common/StringList.h"
#include "common/win32/WinApi.h"
#include "setup/resources/resource.h"
#include "tests/setup/win32/InstallationFixture.h"
#include "tests/setup/win32/InstallerProcess.h"
#include "tests/shell/win32/EditorProcess.h"

namespace {

void SetFolderText(HWND dialog, const std::string& text) {
  SendMessageA(GetDlgItem(dialog, IDC_SETUP_FOLDER), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool InstallEnabled(HWND dialog) {
  return IsWindowEnabled(GetDlgItem(dialog, IDC_SETUP_INSTALL)) != FALSE;
}

std::string UserName() {
  char name[257] = "";
  DWORD size = sizeof name;
  GetUserNameA(name, &size);
  return name;
}

std::string WithBackslash(const std::string& folder) {
  return folder.empty() || folder.back() == '\\' ? folder : folder + '\\';
}

using SetupWinTest = InstallationTest;

TEST_F(SetupWinTest, DialogInstallsEverythingWithShortcutsAndTheLog) {
  InstallerProcess setup(DistPath("Setup.exe"), {});
  HWND dialog = setup.WaitForWindow("Setup");
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(InstallDir.substr(0, InstallDir.size() - 1), WindowText(GetDlgItem(dialog, IDC_SETUP_FOLDER)));
  EXPECT_EQ("&Send to (for " + UserName() + ")", WindowText(GetDlgItem(dialog, IDC_SETUP_SENDTO)));
  EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(dialog, IDC_SETUP_DESKTOP), BM_GETCHECK, 0, 0));
  EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(dialog, IDC_SETUP_SENDTO), BM_GETCHECK, 0, 0));
  EXPECT_TRUE(InstallEnabled(dialog));
  SaveWindowShot(dialog, "setup-dialog.png");

  SetFolderText(dialog, "");
  EXPECT_FALSE(InstallEnabled(dialog));
  SetFolderText(dialog, "C");
  EXPECT_TRUE(InstallEnabled(dialog));
  SetFolderText(dialog, InstallDir.substr(0, InstallDir.size() - 1));

  EditorProcess::Press(dialog, IDC_SETUP_INSTALL);
  HWND finished = setup.WaitForWindow("Finished");
  ASSERT_NE(nullptr, finished);
  EXPECT_EQ("Installation completed successfully!", EditorProcess::MessageBoxText(finished));
  SaveWindowShot(finished, "setup-finished.png");
  EditorProcess::Press(finished, IDOK);
  EXPECT_EQ(0u, setup.WaitForExit());

  for (const char* name : {"Quilvane.exe", HelpFileName, "Purgerun.exe", "Uninstall.exe"}) {
    EXPECT_EQ(FileBytes(DistPath(name)), FileBytes(InstallDir + name)) << name;
  }
  for (const std::string& name : LanguageNames) EXPECT_TRUE(PathExists(JoinPath(LanguagesDir, name))) << name;
  EXPECT_EQ(ExpectedLog(true, true, false), FileBytes(InstallDir + UninstallLogName));

  for (const std::string& link : {DesktopLink, SendToLink, Group + "Quilvane.lnk"}) {
    const ShellLink shortcut = ReadShellLink(link);
    EXPECT_EQ(InstallDir + "Quilvane.exe", shortcut.Target) << link;
    EXPECT_EQ("Shortcut to Quilvane", shortcut.Description) << link;
    EXPECT_EQ(InstallDir, WithBackslash(shortcut.WorkingFolder)) << link;
  }
  const ShellLink uninstaller = ReadShellLink(Group + "Uninstall Quilvane.lnk");
  EXPECT_EQ(InstallDir + "Uninstall.exe", uninstaller.Target);
  EXPECT_EQ("Shortcut to Quilvane uninstaller", uninstaller.Description);
}

TEST_F(SetupWinTest, ExitClosesWithoutInstalling) {
  InstallerProcess setup(DistPath("Setup.exe"), {});
  HWND dialog = setup.WaitForWindow("Setup");
  ASSERT_NE(nullptr, dialog);
  EditorProcess::Press(dialog, IDC_SETUP_EXIT);
  EXPECT_EQ(0u, setup.WaitForExit());
  EXPECT_FALSE(PathExists(InstallDir));
}

TEST_F(SetupWinTest, FolderThatCannotBeCreatedKeepsTheDialogOpen) {
  InstallerProcess setup(DistPath("Setup.exe"), {});
  HWND dialog = setup.WaitForWindow("Setup");
  ASSERT_NE(nullptr, dialog);
  const std::string folder = Dist.Path("Bad<>Name");
  SetFolderText(dialog, folder);
  EditorProcess::Press(dialog, IDC_SETUP_INSTALL);
  HWND error = setup.WaitForWindow("Error");
  ASSERT_NE(nullptr, error);
  EXPECT_EQ("Could not create directory '" + folder + "\\'.", EditorProcess::MessageBoxText(error));
  EditorProcess::Press(error, IDOK);
  EditorProcess::WaitUntil([&] { return !IsWindow(error); });
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_FALSE(PathExists(SharedDataDir));
  EditorProcess::Press(dialog, IDC_SETUP_EXIT);
  EXPECT_EQ(0u, setup.WaitForExit());
}

TEST_F(SetupWinTest, SilentInstallationWithoutDesktopAndSendToShortcuts) {
  std::string output;
  EXPECT_EQ(0u, RunSetup({"/S", "/NODESKTOP", "/NOSENDTO"}, output));
  EXPECT_EQ("Installation completed successfully!\n", output);
  EXPECT_EQ(ExpectedLog(false, false, false), FileBytes(InstallDir + UninstallLogName));
  EXPECT_FALSE(PathExists(DesktopLink));
  EXPECT_FALSE(PathExists(SendToLink));
  EXPECT_TRUE(PathExists(Group + "Uninstall Quilvane.lnk"));
}

TEST_F(SetupWinTest, SilentInstallationIntoAFolderWithSpacesAndBadOptions) {
  const std::string folder = JoinPath(Dist.Path("My Tools"), "Quilvane");
  std::string output;
  EXPECT_EQ(0u, RunSetup({"/S", "/D=" + folder}, output)) << output;
  EXPECT_TRUE(PathExists(JoinPath(folder, "Quilvane.exe")));
  const std::string log = FileBytes(JoinPath(folder, UninstallLogName));
  EXPECT_EQ(log.size() - folder.size() - 1, log.rfind(folder + "\\"));

  EXPECT_EQ(2u, RunSetup({"/S", "/BOGUS"}, output));
  EXPECT_EQ(0u, output.find("Unknown option '/BOGUS'."));
}

TEST_F(SetupWinTest, InstallingOverAnOlderVersionMovesItsLanguageFiles) {
  ASSERT_TRUE(CreateDirectoryA(InstallDir.c_str(), nullptr));
  const std::string kept = LanguageNames.front();
  std::ofstream(InstallDir + kept, std::ios::binary) << "the user's own colouring";
  std::ofstream(InstallDir + "Older.lang", std::ios::binary) << "older";
  std::ofstream(InstallDir + SettingsFileName, std::ios::binary) << "Version=10";
  std::string output;
  EXPECT_EQ(0u, RunSetup({"/S"}, output)) << output;
  EXPECT_EQ("the user's own colouring", FileBytes(JoinPath(LanguagesDir, kept)));
  EXPECT_EQ("older", FileBytes(JoinPath(LanguagesDir, "Older.lang")));
  EXPECT_FALSE(PathExists(InstallDir + kept));
  EXPECT_EQ(ExpectedLog(true, true, true), FileBytes(InstallDir + UninstallLogName));
}

TEST_F(SetupWinTest, DistributionWithoutUninstallExeInstallsTheRestAndSaysSo) {
  ASSERT_TRUE(DeleteFileA(DistPath("Uninstall.exe").c_str()));
  std::string output;
  EXPECT_EQ(1u, RunSetup({"/S"}, output));
  EXPECT_EQ("The following errors occurred during installation:\n\nCould not install file 'Uninstall.exe'\n\n", output);
  EXPECT_TRUE(PathExists(InstallDir + "Purgerun.exe"));
  EXPECT_FALSE(PathExists(InstallDir + "Uninstall.exe"));
  EXPECT_EQ(std::string::npos, FileBytes(InstallDir + UninstallLogName).find(InstallDir + "Uninstall.exe"));
}

// The editor of an older installation still runs: its file cannot be replaced nor removed.
TEST_F(SetupWinTest, ProgramFileThatCannotBeWrittenLeavesAnInstallationThatUninstallRemoves) {
  ASSERT_TRUE(CreateDirectoryA(InstallDir.c_str(), nullptr));
  const std::string editor = InstallDir + "Quilvane.exe";
  std::ofstream(editor, std::ios::binary) << "the older editor";
  HANDLE held = CreateFileA(editor.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);

  std::string output;
  EXPECT_EQ(1u, RunSetup({"/S"}, output));
  EXPECT_EQ("The following errors occurred during installation:\n\nCould not install file 'Quilvane.exe'\n\n"
            "No shortcuts were made, as the program files could not all be installed. The files that were installed "
            "are listed in '" + InstallDir + "Uninstall.log'; Uninstall.exe or Purgerun.exe in that folder removes them.\n",
            output);
  for (const char* name : {HelpFileName, "Purgerun.exe", "Uninstall.exe"}) {
    EXPECT_EQ(FileBytes(DistPath(name)), FileBytes(InstallDir + name)) << name;
  }
  for (const std::string& path : {DesktopLink, SendToLink, Group}) EXPECT_FALSE(PathExists(path)) << path;
  StringList lines;
  for (const char* name : {"Quilvane.exe", HelpFileName, "Purgerun.exe", "Uninstall.exe"}) lines.push_back(InstallDir + name);
  for (const std::string& name : LanguageNames) lines.push_back(JoinPath(LanguagesDir, name));
  for (const std::string& path : {LanguagesDir, InstallDir + UninstallLogName, SharedDataDir, InstallDir}) lines.push_back(path);
  EXPECT_EQ(JoinText(lines, "\r\n"), FileBytes(InstallDir + UninstallLogName));
  CloseHandle(held);
  EXPECT_EQ("the older editor", FileBytes(editor));

  InstallerProcess uninstall(InstallDir + "Uninstall.exe", {"/S"});
  EXPECT_EQ(0u, uninstall.WaitForExit());
  EXPECT_EQ("Uninstall completed successfully!\n", uninstall.Output());
  EXPECT_FALSE(PathExists(InstallDir));
  EXPECT_FALSE(PathExists(SharedDataDir));
}

TEST_F(SetupWinTest, DialogReportsCollectedFailuresWithTheErrorIcon) {
  ASSERT_TRUE(DeleteFileA(DistPath("Uninstall.exe").c_str()));
  InstallerProcess setup(DistPath("Setup.exe"), {});
  HWND dialog = setup.WaitForWindow("Setup");
  ASSERT_NE(nullptr, dialog);
  EditorProcess::Press(dialog, IDC_SETUP_INSTALL);
  HWND finished = setup.WaitForWindow("Finished");
  ASSERT_NE(nullptr, finished);
  EXPECT_EQ("The following errors occurred during installation:\n\nCould not install file 'Uninstall.exe'\n",
            EditorProcess::MessageBoxText(finished));
  SaveWindowShot(finished, "setup-finished-errors.png");
  EditorProcess::Press(finished, IDOK);
  EXPECT_EQ(0u, setup.WaitForExit());
}

}  // namespace

namespace {

// The manifest a program carries, read from its file without starting it.
std::string ManifestOf(const std::string& program) {
  HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module == nullptr) return "";
  std::string text;
  if (HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
    text.assign(static_cast<const char*>(LockResource(LoadResource(module, resource))), SizeofResource(module, resource));
  }
  FreeLibrary(module);
  return text;
}

TEST_F(SetupWinTest, InstallerAndUninstallersAskForAdministratorRights) {
  for (const char* name : {"Setup.exe", "Purgerun.exe", "Uninstall.exe"}) {
    EXPECT_NE(std::string::npos, ManifestOf(DistPath(name)).find("level=\"requireAdministrator\"")) << name;
  }
  EXPECT_NE(std::string::npos, ManifestOf(DistPath("Quilvane.exe")).find("level=\"asInvoker\""));
}

}  // namespace
