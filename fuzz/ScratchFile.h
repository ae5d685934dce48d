// The file of fixed name per fuzzing process that each input is written to before loading.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// In memory (/dev/shm) when the system has it, so millions of inputs cost no disk writes.
// Removed when the process ends normally; keep one as a function-local static.
class ScratchFile {
public:
  explicit ScratchFile(const std::string& name)
      : Path(FolderPath() + "/quilvane-fuzz-" + std::to_string(getpid()) + "-" + name) {}
  ~ScratchFile() { std::remove(Path.c_str()); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  void Write(const std::uint8_t* data, std::size_t size) const {
    std::ofstream(Path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }

  const std::string Path;

private:
  static std::string FolderPath() {
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
    return std::filesystem::temp_directory_path().string();
  }
};

// Reports a broken property the way libFuzzer records a crash: the input is kept.
[[noreturn]] inline void FuzzFailure(const char* what) {
  std::fprintf(stderr, "fuzz property broken: %s\n", what);
  std::abort();
}
