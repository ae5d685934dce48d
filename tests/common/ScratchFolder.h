// A fresh folder in the temporary directory for tests on real files, removed afterwards.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ScratchFolder {
public:
  ScratchFolder() {
    static std::atomic<int> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    Folder = std::filesystem::temp_directory_path() /
             ("quilvane-test-" + std::to_string(ticks) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(Folder);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Folder, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string Path(const std::string& name) const { return (Folder / name).string(); }
  const std::filesystem::path& Root() const { return Folder; }

  // Number of entries in the folder, to see that no temporary file stays behind.
  int EntryCount() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(Folder),
                                          std::filesystem::directory_iterator()));
  }

  void WriteBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }

  std::string ReadBytes(const std::string& name) const {
    std::ifstream file(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }

private:
  std::filesystem::path Folder;
};
