// The installation's steps in their fixed order. Only a folder that cannot be created stops
// it; every later failure is collected and the installation goes on, so that as much as
// possible is in place and the user learns everything that went wrong at once.
//
// Uninstall.log is written as the installation goes: each thing made is listed the moment it
// exists, so that whatever stops the installation, the log on disk lists everything there is
// to remove, in an order that removes it. A program file that cannot be written is removed
// again, and without all program files no shortcut is made: it would start nothing.
#include "setup/Installer.h"

#include "common/Constants.h"
#include "common/Paths.h"
#include "setup/InstallFolder.h"
#include "setup/InstallMessages.h"
#include "setup/InstallPlatform.h"
#include "setup/ShortcutNames.h"

namespace {

// The program files, copied in this order from the distribution.
const char* const ProgramFiles[] = {"Quilvane.exe", HelpFileName, "Purgerun.exe", "Uninstall.exe"};
const char ShortcutDescription[] = "Shortcut to Quilvane";
const char UninstallShortcutDescription[] = "Shortcut to Quilvane uninstaller";
// The uninstaller shortcut's name in older versions.
const char OldUninstallShortcutName[] = "Quilvane Uninstaller.lnk";

class Installation {
public:
  Installation(InstallPlatform& platform, const InstallRequest& request)
      : Platform(platform), Request(request), InstallDir(WithTrailingBackslash(request.InstallDir)),
        LanguagesDir(JoinPath(request.SharedDataDir, "Languages")), LogPath(JoinPath(InstallDir, UninstallLogName)) {}

  InstallOutcome Run() {
    if (!CreateFolders()) return Outcome;
    StartLog();
    LogOldSettings();
    MoveOldLanguageFiles();
    const bool programsInstalled = CopyProgramFiles();
    CopyLanguageFiles();
    Record(LanguagesDir);
    if (programsInstalled) CreateShortcuts();
    FinishLog();
    Outcome.Message = InstallFinishedText(Outcome.Errors);
    if (!programsInstalled) Outcome.Message += "\n" + (LogWritten ? LoggedLeftoversText(LogPath) : UnloggedLeftoversText(LeftInPlace()));
    return Outcome;
  }

private:
  bool CreateFolders() {
    for (const std::string& folder : {InstallDir, LanguagesDir}) {
      if (!Platform.CreateFolders(folder)) {
        Outcome.Stopped = true;
        Outcome.Message = CouldNotCreateDirectoryText(folder);
        return false;
      }
    }
    return true;
  }

  // The folders exist now, and so does the log: the entries that end it are held there from
  // the start.
  void StartLog() {
    for (const std::string& path : {InstallDir, Request.SharedDataDir, LogPath, LanguagesDir}) Outcome.Log.Hold(path);
    WriteLog();
  }

  // The closing entries move from held to listed, which leaves the text as it is; the last
  // write decides whether the log on disk is complete.
  void FinishLog() {
    for (const std::string& path : {LogPath, Request.SharedDataDir, InstallDir}) Outcome.Log.Add(path);
    WriteLog();
    if (!LogWritten) Fail(CouldNotWriteText(LogPath));
  }

  void Record(const std::string& path) {
    Outcome.Log.Add(path);
    WriteLog();
  }

  void WriteLog() { LogWritten = Platform.WriteText(LogPath, Outcome.Log.Text()); }

  // A settings file that an older version kept beside the program goes with the program.
  void LogOldSettings() {
    const std::string settings = JoinPath(InstallDir, SettingsFileName);
    if (Platform.Exists(settings)) Record(settings);
  }

  // Older versions kept the language files in the program folder; they now live in the
  // shared folder, where the copies below then leave them alone.
  void MoveOldLanguageFiles() {
    for (const std::string& name : LanguageFileNames(InstallDir)) {
      const std::string destination = JoinPath(LanguagesDir, name);
      if (!Platform.Move(JoinPath(InstallDir, name), destination)) Fail(CouldNotMoveText(destination));
    }
  }

  // False when a program file could not be written. A file the distribution lacks is only
  // reported: the rest is a working installation that a later one may complete.
  bool CopyProgramFiles() {
    bool written = true;
    for (const char* name : ProgramFiles) {
      const std::string source = JoinPath(Request.DistributionDir, name);
      const std::string destination = JoinPath(InstallDir, name);
      if (Platform.Copy(source, destination, true)) {
        Platform.ClearReadOnly(destination);
        Record(destination);
        continue;
      }
      Fail(CouldNotInstallText(name));
      if (!Platform.Exists(source)) continue;
      written = false;
      RemoveFailedCopy(destination);
    }
    return written;
  }

  // A copy that failed on the way (a full drive) leaves a truncated file, which must not pass
  // for the program; one that cannot even be removed is listed, so that Uninstall removes it.
  void RemoveFailedCopy(const std::string& destination) {
    if (!Platform.Exists(destination)) return;
    Platform.Delete(destination);
    if (Platform.Exists(destination)) Record(destination);
  }

  // A language file already in place may hold the user's changes, so it is kept; it is
  // listed all the same, as the installation provides it.
  void CopyLanguageFiles() {
    for (const std::string& name : LanguageFileNames(Request.DistributionDir)) {
      const std::string destination = JoinPath(LanguagesDir, name);
      const bool existed = Platform.Exists(destination);
      if (Platform.Copy(JoinPath(Request.DistributionDir, name), destination, false)) {
        Platform.ClearReadOnly(destination);
      } else if (!existed && Platform.Exists(destination)) {
        Platform.Delete(destination);
      }
      Record(destination);
    }
  }

  std::vector<std::string> LanguageFileNames(const std::string& folder) {
    return Platform.ListFileNames(JoinPath(folder, std::string("*") + LanguageFileExtension));
  }

  void CreateShortcuts() {
    const std::string target = JoinPath(InstallDir, "Quilvane.exe");
    if (Request.DesktopShortcut) PlaceShortcut(Request.DesktopDir, target, DesktopShortcutFailed);
    if (Request.SendToShortcut) PlaceShortcut(Request.SendToDir, target, SendToShortcutFailed);
    CreateProgramGroup(target);
  }

  // A special folder the platform could not name gets no shortcut.
  void PlaceShortcut(const std::string& folder, const std::string& target, const std::string& failure,
                     const char* name = ShortcutName, const char* description = ShortcutDescription) {
    const std::string link = JoinPath(folder, name);
    if (folder.empty() || !Platform.CreateShortcut(link, target, description)) {
      Fail(failure);
      return;
    }
    Record(link);
  }

  void CreateProgramGroup(const std::string& target) {
    const std::string group =
        Request.CommonProgramsDir.empty() ? std::string() : JoinPath(Request.CommonProgramsDir, ProductName) + '\\';
    if (group.empty() || !Platform.CreateFolder(group)) {
      Fail(ProgramGroupFailed);
      return;
    }
    Outcome.Log.Hold(group);
    WriteLog();
    PlaceShortcut(group, target, GroupShortcutFailed);
    PlaceShortcut(group, JoinPath(InstallDir, "Uninstall.exe"), GroupUninstallerShortcutFailed,
                  UninstallShortcutName, UninstallShortcutDescription);
    Record(group);
    const std::string oldShortcut = JoinPath(group, OldUninstallShortcutName);
    if (Platform.Exists(oldShortcut)) Platform.Delete(oldShortcut);
  }

  // What the log would have listed, as far as it is there.
  std::vector<std::string> LeftInPlace() {
    std::vector<std::string> left;
    for (const std::string& path : Outcome.Log.Paths()) {
      if (Platform.Exists(path)) left.push_back(path);
    }
    return left;
  }

  void Fail(const std::string& line) { Outcome.Errors += line; }

  InstallPlatform& Platform;
  const InstallRequest& Request;
  const std::string InstallDir;
  const std::string LanguagesDir;
  const std::string LogPath;
  bool LogWritten = false;
  InstallOutcome Outcome;
};

}  // namespace

InstallOutcome Install(InstallPlatform& platform, const InstallRequest& request) {
  return Installation(platform, request).Run();
}
