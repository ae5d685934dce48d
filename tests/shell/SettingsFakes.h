// Stand-ins for the platform and the message boxes of the settings, over a scratch folder.
#pragma once

#include "common/CommonFolders.h"
#include "common/FileError.h"
#include "common/Paths.h"
#include "editor/shell/ErrorReporter.h"
#include "editor/shell/SettingsPlatform.h"
#include "tests/common/ScratchFolder.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

// Files live in a scratch folder; a name given with backslashes is a nested path on Windows
// and one file name with backslashes in it elsewhere, so the path functions (which cut at
// backslashes) see the same folders on every platform. Files of the platform itself
// (charmap.exe, cmd.exe) are only pretended.
class FakePlatform : public SettingsPlatform {
public:
  explicit FakePlatform(const ScratchFolder& scratch) : Scratch(scratch) {}

  bool FileExists(const std::string& path) override {
    return PretendedFiles.count(path) != 0 || std::filesystem::exists(path);
  }
  std::string ExpandEnvironment(const std::string& text) override {
    std::string result = text;
    for (const auto& [name, value] : Environment) {
      const std::string reference = "%" + name + "%";
      for (std::size_t at = result.find(reference); at != std::string::npos;
           at = result.find(reference, at + value.size()))
        result.replace(at, reference.size(), value);
    }
    return result;
  }
  bool FindOnSearchPath(std::string& name) override {
    if (SearchPath.count(name) == 0) return false;
    name = SearchPath[name];
    return true;
  }
  // Sorted by name, as an NTFS folder lists them.
  std::vector<std::string> ListFiles(const std::string& pattern) override {
    const std::string folder = DirectoryOf(pattern);
    const std::string suffix = FileNameOf(pattern).substr(1);  // behind the "*"
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Scratch.Root())) {
      const std::string path = entry.path().string();
      if (!entry.is_regular_file() || path.compare(0, folder.size(), folder) != 0) continue;
      const std::string name = path.substr(folder.size());
      if (name.find_first_of("\\/") == std::string::npos && name.size() >= suffix.size() &&
          name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        found.push_back(path);
    }
    std::sort(found.begin(), found.end());
    return found;
  }
  bool CopyReplacing(const std::string& from, const std::string& to) override {
    // Removed first: overwrite_existing is not honoured by every standard library.
    std::error_code failed;
    if (std::filesystem::is_regular_file(to)) std::filesystem::remove(to, failed);
    std::filesystem::copy_file(from, to, failed);
    return !failed;
  }
  int ScreenPixelsPerInch() override { return PixelsPerInch; }

  std::set<std::string> PretendedFiles;
  std::map<std::string, std::string> Environment;
  std::map<std::string, std::string> SearchPath;  // program name -> full path found
  int PixelsPerInch = 96;

private:
  const ScratchFolder& Scratch;
};

class RecordingReporter : public ErrorReporter {
public:
  void ShowError(const std::string& text) override { Errors.push_back(text); }
  void ShowFileError(const FileError& error) override { FileErrors.push_back(error.FileName); }

  std::vector<std::string> Errors;
  std::vector<std::string> FileErrors;  // the files named
};

// A program folder and a shared data folder inside the scratch folder, a platform with
// cmd.exe and charmap.exe, and the settings file beside the program.
struct SettingsScene {
  SettingsScene() {
    Platform.Environment["SystemRoot"] = "C:\\Windows";
    Platform.PretendedFiles.insert("C:\\Windows\\System32\\charmap.exe");
    Platform.SearchPath["cmd.exe"] = "C:\\Windows\\System32\\cmd.exe";
    Folders.ExeDir = Scratch.Path("program") + "\\";
    Folders.ExePath = Folders.ExeDir + "Quilvane.exe";
    Folders.ProgramFilesDir = "C:\\Program Files";
    Folders.SharedDataDir = Scratch.Path("shared");
    Folders.UserDataDir = Folders.ExeDir;
  }

  // name with backslashes for folders, relative to the scratch folder.
  void WriteFile(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path path = Scratch.Root() / name;
    std::filesystem::create_directories(path.parent_path());
    Scratch.WriteBytes(name, bytes);
  }
  std::string SettingsPath() const { return Scratch.Path("Quilvane.ini"); }

  ScratchFolder Scratch;
  FakePlatform Platform{Scratch};
  RecordingReporter Reporter;
  CommonFolders Folders;
};
