// A distribution folder assembled from the built programs, and the places an installation
// into the default folder touches, cleared before and after each test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/win32/WinApi.h"
#include "tests/common/ScratchFolder.h"

struct ShellLink {
  std::string Target;
  std::string WorkingFolder;
  std::string Description;
};

// The link's fields as IShellLinkA reads them back; empty when the link cannot be loaded.
ShellLink ReadShellLink(const std::string& path);
bool PathExists(const std::string& path);
// The file's bytes; empty when it cannot be read.
std::string FileBytes(const std::string& path);

class InstallationTest : public ::testing::Test {
protected:
  InstallationTest();
  ~InstallationTest() override;

  std::string DistPath(const std::string& name) const { return Dist.Path(name); }
  // Runs Setup.exe of the distribution with the arguments and returns its exit code.
  DWORD RunSetup(const std::vector<std::string>& arguments, std::string& output);
  // Uninstall.log as the default installation should write it.
  std::string ExpectedLog(bool desktop, bool sendTo, bool oldSettings) const;

  ScratchFolder Dist;
  std::vector<std::string> LanguageNames;  // of the distribution, in the platform's order
  std::string InstallDir;                  // with its trailing backslash
  std::string SharedDataDir;
  std::string LanguagesDir;
  std::string DesktopLink;
  std::string SendToLink;
  std::string Group;                       // with its trailing backslash

private:
  void Clear() const;
};
