// Whole-file text input and output on Windows: shared reading and a replace-on-success write.
// Everything goes through the wide file functions, which an ANSI name reaches converted from
// the code page exactly as the ANSI functions would convert it.
#include "common/TextFile.h"

#include "common/FileError.h"
#include "common/win32/CodePage.h"
#include "common/win32/FileSystem.h"
#include "common/win32/WinApi.h"

namespace {

// Closes a file handle when it goes out of scope.
class FileHandle {
public:
  explicit FileHandle(HANDLE handle) : Handle(handle) {}
  ~FileHandle() {
    if (IsOpen()) CloseHandle(Handle);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool IsOpen() const { return Handle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return Handle; }
  // Closes now so that the caller learns of a failure; false when closing failed.
  bool Close() {
    const BOOL closed = CloseHandle(Handle);
    Handle = INVALID_HANDLE_VALUE;
    return closed != FALSE;
  }

private:
  HANDLE Handle;
};

[[noreturn]] void ThrowLastError(const std::string& path) {
  throw FileError{path, GetLastError()};
}

// Attributes that make MoveFileEx refuse to replace a file.
constexpr DWORD BlockingAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;

// The document's own temporary file, made afresh: one that an interrupted write left behind
// is deleted first, whatever attributes it was given since, so that nothing it may link to
// is written through it. No other program shares it while it is written, so two writes of
// the same document cannot mix their bytes.
void WriteTemporaryFile(const std::wstring& temporary, const std::string& text, const std::string& path) {
  SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(temporary.c_str());
  FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN,
                              nullptr));
  if (!file.IsOpen()) ThrowLastError(path);
  if (text.size() > MAXDWORD) throw FileError{path, ERROR_FILE_TOO_LARGE};
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(text.size());
  if (!WriteFile(file.Get(), text.data(), size, &written, nullptr)) ThrowLastError(path);
  if (written != size) throw FileError{path, ERROR_DISK_FULL};
  if (!FlushFileBuffers(file.Get())) ThrowLastError(path);
  if (!file.Close()) ThrowLastError(path);
}

// Moves the temporary file over the old one; the old file keeps its content and
// attributes when the move fails.
void MoveOverOldFile(const std::wstring& temporary, const std::wstring& file, const std::string& path,
                     DWORD oldAttributes) {
  const bool blocking = oldAttributes != INVALID_FILE_ATTRIBUTES && (oldAttributes & BlockingAttributes) != 0;
  if (blocking && !SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL)) ThrowLastError(path);
  if (MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return;
  const DWORD error = GetLastError();
  if (blocking) SetFileAttributesW(file.c_str(), oldAttributes);
  throw FileError{path, error};
}

DWORD WritableAttributes(const std::wstring& file, const std::string& path) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return attributes;
  if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) throw FileError{path, ERROR_ACCESS_DENIED};
  return attributes;
}

// An existing file gets its old attributes back; a new one loses the hidden attribute of the
// temporary file it was, and keeps what the platform gave it.
void ShowAsWritten(const std::wstring& path, DWORD oldAttributes) {
  if (oldAttributes != INVALID_FILE_ATTRIBUTES) {
    SetFileAttributesW(path.c_str(), oldAttributes);
    return;
  }
  const DWORD created = GetFileAttributesW(path.c_str());
  if (created == INVALID_FILE_ATTRIBUTES || !(created & FILE_ATTRIBUTE_HIDDEN)) return;
  const DWORD shown = created & ~FILE_ATTRIBUTE_HIDDEN;
  SetFileAttributesW(path.c_str(), shown ? shown : FILE_ATTRIBUTE_NORMAL);
}

// path names the file in reports; the code page's form of a wide name may have lost letters.
std::string ReadBytes(const std::wstring& name, const std::string& path) {
  FileHandle file(CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) ThrowLastError(path);
  LARGE_INTEGER length;
  if (!GetFileSizeEx(file.Get(), &length)) ThrowLastError(path);
  if (static_cast<unsigned long long>(length.QuadPart) >= MAXDWORD) throw FileError{path, ERROR_FILE_TOO_LARGE};
  std::string text(static_cast<std::size_t>(length.QuadPart), '\0');
  DWORD read = 0;
  if (!text.empty() && !ReadFile(file.Get(), &text[0], static_cast<DWORD>(text.size()), &read, nullptr))
    ThrowLastError(path);
  text.resize(read);
  return text;
}

void WriteThrough(const std::wstring& file, const std::wstring& temporary, const std::string& path,
                  const std::string& text) {
  const DWORD attributes = WritableAttributes(file, path);
  if (temporary.empty()) throw FileError{path, ERROR_FILENAME_EXCED_RANGE};
  try {
    WriteTemporaryFile(temporary, text, path);
    MoveOverOldFile(temporary, file, path, attributes);
  } catch (const FileError&) {
    DeleteFileW(temporary.c_str());
    throw;
  }
  // The content is in place; the attributes are restored as far as the platform lets us.
  ShowAsWritten(file, attributes);
}

std::string AnsiFrom(const std::wstring& path) {
  return FilePathFromWide(path).Ansi;
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  return ReadBytes(WideFromAnsi(path), path);
}

std::string ReadFileBytes(const std::wstring& path) {
  return ReadBytes(path, AnsiFrom(path));
}

void WriteTextFile(const std::string& path, const std::string& text) {
  const std::string temporary = SaveTemporaryPath(path);
  WriteThrough(WideFromAnsi(path), WideFromAnsi(temporary), path, text);
}

void WriteTextFile(const std::wstring& path, const std::string& text) {
  WriteThrough(path, SaveTemporaryPath(path), AnsiFrom(path), text);
}
