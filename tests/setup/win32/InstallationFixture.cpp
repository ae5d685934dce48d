// Builds the test's distribution from the programs beside the test and clears the product's
// installation places around every test.
#include "tests/setup/win32/InstallationFixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/Constants.h"
#include "common/Paths.h"
#include "common/StringList.h"
#include "common/win32/FileSystem.h"
#include "common/win32/SystemFolders.h"
#include "common/win32/WinApi.h"
#include "tests/setup/win32/InstallerProcess.h"

namespace {

std::string TestProgramDir() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return DirectoryOf(std::string(path, length));
}

std::string SpecialFolder(int id) {
  std::string path;
  EXPECT_TRUE(GetSpecialFolder(id, path)) << id;
  return path;
}

void RemoveAll(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove_all(path, ignored);
}

}  // namespace

bool PathExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

ShellLink ReadShellLink(const std::string& path) {
  ShellLink result;
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(wide, STGM_READ))) {
    char text[MAX_PATH] = "";
    link->GetPath(text, MAX_PATH, nullptr, 0);
    result.Target = text;
    link->GetWorkingDirectory(text, MAX_PATH);
    result.WorkingFolder = text;
    link->GetDescription(text, MAX_PATH);
    result.Description = text;
  }
  if (file) file->Release();
  if (link) link->Release();
  CoUninitialize();
  return result;
}

InstallationTest::InstallationTest() {
  const std::string programs = TestProgramDir();
  for (const char* name : {"Setup.exe", "Quilvane.exe", "Purgerun.exe", "Uninstall.exe"}) {
    EXPECT_TRUE(CopyFileA(JoinPath(programs, name).c_str(), Dist.Path(name).c_str(), FALSE)) << name;
  }
  const std::string source = QUILVANE_SOURCE_DIR;
  std::filesystem::copy_file(source + "/help/QuilvaneHelp.html", Dist.Path(HelpFileName));
  for (const auto& entry : std::filesystem::directory_iterator(source + "/languages")) {
    std::filesystem::copy_file(entry.path(), Dist.Root() / entry.path().filename());
  }
  ListFiles(Dist.Path(std::string("*") + LanguageFileExtension), LanguageNames, false, false);

  const CommonFolders& folders = GetCommonFolders();
  InstallDir = JoinPath(folders.ProgramFilesDir, ProductName) + "\\";
  SharedDataDir = folders.SharedDataDir;
  LanguagesDir = JoinPath(SharedDataDir, "Languages");
  DesktopLink = JoinPath(SpecialFolder(CSIDL_COMMON_DESKTOPDIRECTORY), "Quilvane.lnk");
  SendToLink = JoinPath(SpecialFolder(CSIDL_SENDTO), "Quilvane.lnk");
  Group = JoinPath(SpecialFolder(CSIDL_COMMON_PROGRAMS), ProductName) + "\\";
  Clear();
}

InstallationTest::~InstallationTest() {
  Clear();
}

void InstallationTest::Clear() const {
  for (const std::string& path : {InstallDir, SharedDataDir, Group, DesktopLink, SendToLink}) RemoveAll(path);
}

DWORD InstallationTest::RunSetup(const std::vector<std::string>& arguments, std::string& output) {
  InstallerProcess setup(Dist.Path("Setup.exe"), arguments);
  const DWORD code = setup.WaitForExit();
  output = setup.Output();
  return code;
}

std::string InstallationTest::ExpectedLog(bool desktop, bool sendTo, bool oldSettings) const {
  StringList lines;
  if (oldSettings) lines.push_back(InstallDir + SettingsFileName);
  for (const char* name : {"Quilvane.exe", HelpFileName, "Purgerun.exe", "Uninstall.exe"}) lines.push_back(InstallDir + name);
  for (const std::string& name : LanguageNames) lines.push_back(JoinPath(LanguagesDir, name));
  lines.push_back(LanguagesDir);
  if (desktop) lines.push_back(DesktopLink);
  if (sendTo) lines.push_back(SendToLink);
  lines.push_back(Group + "Quilvane.lnk");
  lines.push_back(Group + "Uninstall Quilvane.lnk");
  lines.push_back(Group);
  lines.push_back(InstallDir + UninstallLogName);
  lines.push_back(SharedDataDir);
  lines.push_back(InstallDir);
  return JoinText(lines, "\r\n");
}
