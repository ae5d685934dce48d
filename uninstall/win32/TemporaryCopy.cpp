// Copies the uninstaller out of the installation folder into a folder of its own.
#include "uninstall/win32/TemporaryCopy.h"

#include "common/Constants.h"
#include "common/Paths.h"
#include "common/win32/WinApi.h"

namespace {

const char PurgerunName[] = "Purgerun.exe";

}  // namespace

bool TemporaryCopy::Make(const std::string& sourceDir) {
  return MakeFolder() && CopyHere(sourceDir, PurgerunName) && CopyHere(sourceDir, UninstallLogName);
}

std::string TemporaryCopy::Program() const {
  return JoinPath(Dir, PurgerunName);
}

// A name no other run uses: the process id, and a counter against left-overs of old runs.
bool TemporaryCopy::MakeFolder() {
  char temp[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, temp);
  if (length == 0 || length >= MAX_PATH) {
    Problem = "Could not find the folder for temporary files.";
    return false;
  }
  const std::string base = JoinPath(std::string(temp, length), "QuilvaneUninstall" + std::to_string(GetCurrentProcessId()));
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const std::string candidate = base + "-" + std::to_string(attempt) + "\\";
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      Dir = candidate;
      return true;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  Problem = "Could not create a temporary folder in '" + std::string(temp, length) + "'.";
  return false;
}

bool TemporaryCopy::CopyHere(const std::string& sourceDir, const char* name) {
  const std::string source = JoinPath(sourceDir, name);
  if (CopyFileA(source.c_str(), JoinPath(Dir, name).c_str(), FALSE)) return true;
  Problem = "Could not copy '" + source + "' to '" + Dir + "'.";
  return false;
}

bool TemporaryCopy::TakeIn(const std::string& programPath) {
  const std::string destination = JoinPath(Dir, FileNameOf(programPath));
  if (!MoveFileA(programPath.c_str(), destination.c_str())) return false;
  TakenFrom = programPath;
  Taken = destination;
  return true;
}

void TemporaryCopy::PutBack() const {
  if (!Taken.empty()) MoveFileA(Taken.c_str(), TakenFrom.c_str());
}

// The running programs cannot delete themselves; the files go before their folder.
void TemporaryCopy::ScheduleRemoval() const {
  if (Dir.empty()) return;
  for (const std::string& path : {Program(), JoinPath(Dir, UninstallLogName), Taken, Dir}) {
    if (!path.empty()) MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  }
}
