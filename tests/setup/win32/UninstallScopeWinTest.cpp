// Uninstall.exe and Purgerun with an Uninstall.log that names files Setup never made: the
// uninstaller runs with administrator rights, so such lines must leave their files alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/Constants.h"
#include "common/Paths.h"
#include "common/StringList.h"
#include "common/win32/FileSystem.h"
#include "common/win32/WinApi.h"
#include "tests/setup/win32/InstallationFixture.h"
#include "tests/setup/win32/InstallerProcess.h"
#include "tests/shell/win32/EditorProcess.h"

namespace {

const char LeftAloneText[] = "The following entries of Uninstall.log were left alone, as Setup did not install them:\n\n";

// A folder on the Linux side, which Wine shows on drive Z:, outside every Windows folder.
class LinuxFolder {
public:
  LinuxFolder() : Dir("Z:\\tmp\\quilvane-outside-" + std::to_string(GetCurrentProcessId()) + "-" +
                      std::to_string(GetTickCount64())) {
    EXPECT_TRUE(CreateDirectoryA(Dir.c_str(), nullptr)) << Dir;
  }
  ~LinuxFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Dir, ignored);
  }
  std::string Path(const std::string& name) const { return JoinPath(Dir, name); }

private:
  std::string Dir;
};

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Upper(std::string text) {
  CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

std::string ShortPath(const std::string& path) {
  char name[MAX_PATH] = "";
  const DWORD length = GetShortPathNameA(path.c_str(), name, MAX_PATH);
  return std::string(name, length < MAX_PATH ? length : 0);
}

// The path on the Linux side, as Wine maps it.
std::string UnixPath(const std::string& path) {
  using UnixFileName = char*(CDECL*)(LPCWSTR);
  const auto unixFileName = reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
  char* name = unixFileName ? unixFileName(wide) : nullptr;
  if (name == nullptr) return "";
  const std::string result = name;
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

bool IsLink(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// Makes link a symbolic link to target. Wine's CreateSymbolicLink makes nothing, but Wine
// starts Linux programs (without a handle that tells their end) and shows their links as
// reparse points.
bool MakeSymbolicLink(const std::string& link, const std::string& target) {
  std::string line = "ln -s " + UnixPath(target) + " " + UnixPath(link);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA("Z:\\bin\\ln", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EditorProcess::WaitUntil([&] { return IsLink(link); });
  return true;
}

using UninstallScopeWinTest = InstallationTest;

TEST_F(UninstallScopeWinTest, HandEditedLogRemovesOnlyWhatSetupMade) {
  ScratchFolder place;
  const std::string parent = place.Path("inst");
  const std::string installDir = JoinPath(parent, ProductName) + "\\";
  std::string output;
  ASSERT_EQ(0u, RunSetup({"/S", "/D=" + installDir}, output)) << output;

  // What no line of the log may reach.
  const std::string winIni = "C:\\windows\\win.ini";
  const std::string winIniBytes = FileBytes(winIni);
  ASSERT_FALSE(winIniBytes.empty());
  std::string documents;
  ASSERT_TRUE(GetSpecialFolder(CSIDL_PERSONAL, documents));
  const std::string letter = JoinPath(documents, "Quilvane uninstall test letter.txt");
  WriteFile(letter, "Dear reader");
  ASSERT_TRUE(SetFileAttributesA(letter.c_str(), FILE_ATTRIBUTE_READONLY));
  LinuxFolder linux;
  WriteFile(linux.Path("kept.txt"), "on the Linux side");
  ASSERT_TRUE(CreateDirectoryA(linux.Path("Empty").c_str(), nullptr));
  WriteFile(JoinPath(parent, "beside.txt"), "beside the installation");
  const StringList outside = {winIni, Upper(winIni), letter, linux.Path("kept.txt"), linux.Path("Empty") + "\\\\",
                              installDir + "..\\beside.txt", installDir + "Sub\\..\\..\\beside.txt"};

  // Files of the installation folder, in other spellings than the one they were made with.
  const std::string notes = installDir + "Notes for the team.txt";
  WriteFile(notes, "notes");
  const std::string shortNotes = ShortPath(notes);
  ASSERT_NE("", shortNotes);
  ASSERT_NE(notes, shortNotes);
  WriteFile(installDir + "Extra.txt", "extra");
  ASSERT_TRUE(CreateDirectoryA((installDir + "Sub").c_str(), nullptr));
  const StringList inside = {shortNotes, Upper(installDir + "Extra.txt"), installDir + "Sub\\\\\\"};

  const std::string logPath = installDir + UninstallLogName;
  WriteFile(logPath, JoinText(outside, "\r\n") + "\r\n" + JoinText(inside, "\r\n") + "\r\n" + FileBytes(logPath));
  InstallerProcess uninstall(installDir + "Uninstall.exe", {"/S"});
  EXPECT_EQ(1u, uninstall.WaitForExit());
  EXPECT_EQ(LeftAloneText + JoinText(outside, "\n") + "\n", uninstall.Output());

  EXPECT_EQ(winIniBytes, FileBytes(winIni));
  EXPECT_EQ("Dear reader", FileBytes(letter));
  EXPECT_NE(0u, GetFileAttributesA(letter.c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ("on the Linux side", FileBytes(linux.Path("kept.txt")));
  EXPECT_TRUE(PathExists(linux.Path("Empty")));
  EXPECT_EQ("beside the installation", FileBytes(JoinPath(parent, "beside.txt")));
  EXPECT_FALSE(PathExists(installDir));
  EXPECT_FALSE(PathExists(SharedDataDir));
  EXPECT_FALSE(PathExists(Group));
  SetFileAttributesA(letter.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(letter.c_str());
}

TEST_F(UninstallScopeWinTest, PathThroughALinkInTheInstallationFolderIsLeftAlone) {
  ScratchFolder folder;
  const std::string program = folder.Path("Purgerun.exe");
  ASSERT_TRUE(CopyFileA(DistPath("Purgerun.exe").c_str(), program.c_str(), FALSE));
  LinuxFolder linux;
  WriteFile(linux.Path("kept.txt"), "reached through a link");
  ASSERT_TRUE(MakeSymbolicLink(folder.Path("Docs"), linux.Path("")));
  const std::string throughLink = folder.Path("Docs\\kept.txt");
  ASSERT_EQ("reached through a link", FileBytes(throughLink));
  WriteFile(folder.Path("gone.txt"), "x");
  folder.WriteBytes(UninstallLogName, throughLink + "\r\n" + folder.Path("gone.txt"));

  InstallerProcess purgerun(program, {});
  EditorProcess::Press(purgerun.WaitForWindow("Uninstall"), IDYES);
  HWND finished = purgerun.WaitForWindow("Finished");
  ASSERT_NE(nullptr, finished);
  EXPECT_EQ(LeftAloneText + throughLink, EditorProcess::MessageBoxText(finished));
  SaveWindowShot(finished, "uninstall-left-alone.png");
  EditorProcess::Press(finished, IDOK);
  EXPECT_EQ(1u, purgerun.WaitForExit());
  EXPECT_EQ("reached through a link", FileBytes(linux.Path("kept.txt")));
  EXPECT_FALSE(PathExists(folder.Path("gone.txt")));
}

}  // namespace
