// Native stand-in for the whole-file text functions, so portable code can be tested on real files.
#include "common/TextFile.h"

#include "common/FileError.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void ThrowFileError(const std::string& path) {
  throw FileError{path, static_cast<unsigned long>(errno)};
}

// A folder opens for reading here but has no length to speak of.
long FileLength(std::FILE* file, const std::string& path) {
  struct stat status {};
  if (fstat(fileno(file), &status) != 0) ThrowFileError(path);
  if (!S_ISREG(status.st_mode)) throw FileError{path, static_cast<unsigned long>(EISDIR)};
  if (std::fseek(file, 0, SEEK_END) != 0) ThrowFileError(path);
  const long length = std::ftell(file);
  if (length < 0 || std::fseek(file, 0, SEEK_SET) != 0) ThrowFileError(path);
  return length;
}

void WriteAll(int descriptor, const std::string& text, const std::string& path) {
  FilePtr file(fdopen(descriptor, "wb"));
  if (!file) {
    const int error = errno;
    close(descriptor);
    throw FileError{path, static_cast<unsigned long>(error)};
  }
  if (std::fwrite(text.data(), 1, text.size(), file.get()) != text.size()) ThrowFileError(path);
  if (std::fflush(file.get()) != 0 || fsync(fileno(file.get())) != 0) ThrowFileError(path);
  if (std::fclose(file.release()) != 0) ThrowFileError(path);
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) ThrowFileError(path);
  std::string text(static_cast<std::size_t>(FileLength(file.get(), path)), '\0');
  text.resize(std::fread(&text[0], 1, text.size(), file.get()));
  if (std::ferror(file.get())) ThrowFileError(path);
  return text;
}

void WriteTextFile(const std::string& path, const std::string& text) {
  std::string temporary = path + ".XXXXXX";
  const int descriptor = mkstemp(&temporary[0]);
  if (descriptor < 0) ThrowFileError(path);
  try {
    WriteAll(descriptor, text, path);
    if (std::rename(temporary.c_str(), path.c_str()) != 0) ThrowFileError(path);
  } catch (const FileError&) {
    std::remove(temporary.c_str());
    throw;
  }
}
