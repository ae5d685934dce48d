// Which paths of Uninstall.log Purgerun may remove: only what Setup makes. The log is a plain
// file that anyone who can write to the installation folder can edit, while the uninstaller
// runs with administrator rights; a line naming any other file must not make it go.
#pragma once

#include <string>

// The places Setup installs into, each in the platform's normal form (see
// RemovalPlatform::NormalPath); an empty one holds nothing.
struct InstallPlaces {
  std::string InstallDir;         // the folder the log came from
  std::string SharedDataDir;
  std::string DesktopDir;
  std::string SendToDir;
  std::string CommonProgramsDir;
};

class RemovalScope {
public:
  explicit RemovalScope(const InstallPlaces& places);

  // True when Setup makes the path (given in normal form): anything inside the installation
  // folder and the folder itself; SharedDataDir, its Languages folder and the language files
  // directly in that; the program group folder with its two shortcuts; the Desktop and Send
  // To shortcuts. base is then the place the path lies in: the folders between it and the
  // path are Setup's own and must be real folders, not links that lead elsewhere.
  bool Allows(const std::string& path, std::string& base) const;

private:
  bool InsideInstallDir(const std::string& path) const;
  bool SharedData(const std::string& path) const;
  bool ProgramGroup(const std::string& path) const;

  InstallPlaces Places;
  std::string Languages;  // SharedDataDir's Languages folder
  std::string Group;      // the program group folder
};
