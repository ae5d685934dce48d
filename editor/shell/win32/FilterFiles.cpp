// Filter files: written, handed to the child, read back through the same handles and
// removed.
#include "editor/shell/win32/FilterFiles.h"

#include "common/FileError.h"
#include "common/LineEnds.h"
#include "common/TextFile.h"
#include "common/win32/SystemErrorText.h"
#include "common/win32/SystemFolders.h"
#include "editor/shell/FilterRules.h"

#include <vector>

namespace {

constexpr const char* StreamNames[] = {"In", "Out", "Err"};
// How long a deletion waits for a file that is still held open; see DeleteWhenReleased.
constexpr int DeleteAttempts = 100;
constexpr DWORD DeleteRetryDelay = 20;

// A console that the child shared may keep the inherited handles open for a moment after
// the child ended, and the files cannot go before they are released.
void DeleteWhenReleased(const std::string& path) {
  for (int attempt = 0; attempt < DeleteAttempts; ++attempt) {
    if (DeleteFileA(path.c_str())) return;
    const DWORD error = GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) return;
    Sleep(DeleteRetryDelay);
  }
}

}  // namespace

FilterFiles::FilterFiles() {
  const std::string& tempDir = GetCommonFolders().TempDir;
  for (int stream = In; stream < StreamCount; ++stream) {
    Paths[stream] = FilterFileName(tempDir, StreamNames[stream], GetCurrentProcessId());
    Handles[stream] = INVALID_HANDLE_VALUE;
  }
}

FilterFiles::~FilterFiles() {
  for (int stream = In; stream < StreamCount; ++stream) {
    if (Handles[stream] != INVALID_HANDLE_VALUE) CloseHandle(Handles[stream]);
    DeleteWhenReleased(Paths[stream]);
  }
}

bool FilterFiles::Open(const std::string& input, std::string& error) {
  try {
    WriteTextFile(Paths[In], ToCrLf(input));
  } catch (const FileError& failure) {
    error = SystemErrorText(failure.Code);
    return false;
  }
  SetFileAttributesA(Paths[In].c_str(), FILE_ATTRIBUTE_HIDDEN);
  return OpenStream(In, OPEN_EXISTING, error) && OpenStream(Out, CREATE_ALWAYS, error) &&
         OpenStream(Err, CREATE_ALWAYS, error);
}

// Not shared, so that nothing else reads or changes the streams while the child runs.
bool FilterFiles::OpenStream(Stream stream, DWORD disposition, std::string& error) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  Handles[stream] = CreateFileA(Paths[stream].c_str(), GENERIC_READ | GENERIC_WRITE, 0, &inheritable, disposition,
                                FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (Handles[stream] != INVALID_HANDLE_VALUE) return true;
  error = SystemErrorText(GetLastError());
  return false;
}

void FilterFiles::SetStandardHandles(STARTUPINFOA& startup) const {
  startup.dwFlags |= STARTF_USESTDHANDLES;
  startup.hStdInput = Handles[In];
  startup.hStdOutput = Handles[Out];
  startup.hStdError = Handles[Err];
}

std::string FilterFiles::ReadOutput() const {
  return ReadStream(Out);
}

std::string FilterFiles::ReadErrors() const {
  return ReadStream(Err);
}

// Through the handle the child wrote to: opening the file anew could collide with handles
// that the child's console still holds.
std::string FilterFiles::ReadStream(Stream stream) const {
  HANDLE file = Handles[stream];
  std::string text;
  if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return text;
  std::vector<char> buffer(65536);
  DWORD read = 0;
  while (ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) && read > 0)
    text.append(buffer.data(), read);
  text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
  NormalizeLineEnds(text);
  return text;
}
