// The installation's steps in their fixed order. Only a folder that cannot be created stops
// it; every later failure is collected and the installation goes on, so that as much as
// possible is in place and the user learns everything that went wrong at once.
#include "setup/Installer.h"

#include "common/Constants.h"
#include "common/Paths.h"
#include "setup/InstallFolder.h"
#include "setup/InstallMessages.h"
#include "setup/InstallPlatform.h"

namespace {

// The program files, copied in this order from the distribution.
const char* const ProgramFiles[] = {"Quilvane.exe", HelpFileName, "Purgerun.exe", "Uninstall.exe"};
const char ShortcutName[] = "Quilvane.lnk";
const char ShortcutDescription[] = "Shortcut to Quilvane";
const char UninstallShortcutName[] = "Uninstall Quilvane.lnk";
const char UninstallShortcutDescription[] = "Shortcut to Quilvane uninstaller";
// The uninstaller shortcut's name in older versions.
const char OldUninstallShortcutName[] = "Quilvane Uninstaller.lnk";

class Installation {
public:
  Installation(InstallPlatform& platform, const InstallRequest& request)
      : Platform(platform), Request(request), InstallDir(WithTrailingBackslash(request.InstallDir)),
        LanguagesDir(JoinPath(request.SharedDataDir, "Languages")) {}

  InstallOutcome Run() {
    if (!CreateFolders()) return Outcome;
    LogOldSettings();
    MoveOldLanguageFiles();
    CopyProgramFiles();
    CopyLanguageFiles();
    Outcome.Log.Add(LanguagesDir);
    const std::string target = JoinPath(InstallDir, "Quilvane.exe");
    if (Request.DesktopShortcut) PlaceShortcut(Request.DesktopDir, target, DesktopShortcutFailed);
    if (Request.SendToShortcut) PlaceShortcut(Request.SendToDir, target, SendToShortcutFailed);
    CreateProgramGroup(target);
    WriteLog();
    Outcome.Message = InstallFinishedText(Outcome.Errors);
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

  // A settings file that an older version kept beside the program goes with the program.
  void LogOldSettings() {
    const std::string settings = JoinPath(InstallDir, SettingsFileName);
    if (Platform.Exists(settings)) Outcome.Log.Add(settings);
  }

  // Older versions kept the language files in the program folder; they now live in the
  // shared folder, where the copies below then leave them alone.
  void MoveOldLanguageFiles() {
    for (const std::string& name : LanguageFileNames(InstallDir)) {
      const std::string destination = JoinPath(LanguagesDir, name);
      if (!Platform.Move(JoinPath(InstallDir, name), destination)) Fail(CouldNotMoveText(destination));
    }
  }

  void CopyProgramFiles() {
    for (const char* name : ProgramFiles) {
      const std::string destination = JoinPath(InstallDir, name);
      if (Platform.Copy(JoinPath(Request.DistributionDir, name), destination, true)) {
        Platform.ClearReadOnly(destination);
        Outcome.Log.Add(destination);
      } else {
        Fail(CouldNotInstallText(name));
      }
    }
  }

  // A language file already in place may hold the user's changes, so it is kept; it is
  // listed all the same, as the installation provides it.
  void CopyLanguageFiles() {
    for (const std::string& name : LanguageFileNames(Request.DistributionDir)) {
      const std::string destination = JoinPath(LanguagesDir, name);
      if (Platform.Copy(JoinPath(Request.DistributionDir, name), destination, false)) {
        Platform.ClearReadOnly(destination);
      }
      Outcome.Log.Add(destination);
    }
  }

  std::vector<std::string> LanguageFileNames(const std::string& folder) {
    return Platform.ListFileNames(JoinPath(folder, std::string("*") + LanguageFileExtension));
  }

  // A special folder the platform could not name gets no shortcut.
  void PlaceShortcut(const std::string& folder, const std::string& target, const std::string& failure,
                     const char* name = ShortcutName, const char* description = ShortcutDescription) {
    const std::string link = JoinPath(folder, name);
    if (folder.empty() || !Platform.CreateShortcut(link, target, description)) {
      Fail(failure);
      return;
    }
    Outcome.Log.Add(link);
  }

  void CreateProgramGroup(const std::string& target) {
    const std::string group =
        Request.CommonProgramsDir.empty() ? std::string() : JoinPath(Request.CommonProgramsDir, ProductName) + '\\';
    if (group.empty() || !Platform.CreateFolder(group)) {
      Fail(ProgramGroupFailed);
      return;
    }
    PlaceShortcut(group, target, GroupShortcutFailed);
    PlaceShortcut(group, JoinPath(InstallDir, "Uninstall.exe"), GroupUninstallerShortcutFailed,
                  UninstallShortcutName, UninstallShortcutDescription);
    Outcome.Log.Add(group);
    const std::string oldShortcut = JoinPath(group, OldUninstallShortcutName);
    if (Platform.Exists(oldShortcut)) Platform.Delete(oldShortcut);
  }

  // A log that cannot be written would leave an installation that nothing can remove, so
  // the user hears of it in the final message.
  void WriteLog() {
    const std::string logPath = JoinPath(InstallDir, UninstallLogName);
    Outcome.Log.Add(logPath);
    Outcome.Log.Add(Request.SharedDataDir);
    Outcome.Log.Add(InstallDir);
    if (!Platform.WriteText(logPath, Outcome.Log.Text())) Fail(CouldNotWriteText(logPath));
  }

  void Fail(const std::string& line) { Outcome.Errors += line; }

  InstallPlatform& Platform;
  const InstallRequest& Request;
  const std::string InstallDir;
  const std::string LanguagesDir;
  InstallOutcome Outcome;
};

}  // namespace

InstallOutcome Install(InstallPlatform& platform, const InstallRequest& request) {
  return Installation(platform, request).Run();
}
