// File-system queries and folder operations on top of the platform's file functions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Every %NAME% reference replaced by the environment variable's value.
std::string ExpandEnvironment(const std::string& text);
// The path names an existing file or folder.
bool FileExists(const std::string& path);
bool IsReadOnly(const std::string& path);
// The path names an existing folder.
bool IsFolder(const std::string& path);

// A file's name as the code page spells it, for showing and for storing in settings, and
// where the code page lacks some of its characters, the exact name beside it: then every file
// function below that takes a FilePath uses the wide form.
struct FilePath {
  std::string Ansi;
  std::wstring Wide;  // empty when Ansi names the file exactly
};
// The name in both forms; Wide stays empty when the code page holds every character.
FilePath FilePathFromWide(const std::wstring& wide);
bool FileExists(const FilePath& path);
bool IsReadOnly(const FilePath& path);
bool IsFolder(const FilePath& path);
// The file's attributes, or INVALID_FILE_ATTRIBUTES when it cannot be asked.
unsigned long FileAttributes(const FilePath& path);
// Absolute, and every component with its long name; the path itself when that fails.
FilePath FullLongPath(const FilePath& path);

// What tells that another program wrote a file: the time of the last write (a 64-bit file
// time) and the size. A copy put back with an older time, or a file written within the
// time's granularity, still shows as a change.
struct FileStamp {
  uint64_t WriteTime = 0;
  uint64_t Size = 0;
};
inline bool operator==(const FileStamp& a, const FileStamp& b) { return a.WriteTime == b.WriteTime && a.Size == b.Size; }
inline bool operator!=(const FileStamp& a, const FileStamp& b) { return !(a == b); }
// All zero when the file cannot be asked.
FileStamp GetFileStamp(const std::string& path);
FileStamp GetFileStamp(const FilePath& path);

// The temporary file that a write of path goes through: hidden beside it and named after it
// ("notes.txt.qlvsave.tmp"), so that each document has one and the next write replaces one
// that an interrupted write left behind. A name that would exceed the platform's limits is
// cut and made unique by a hash of the whole name; empty when even that does not fit.
std::string SaveTemporaryPath(const std::string& path);
// The same for a name only the wide functions can open; it is cut in whole UTF-16 characters.
std::wstring SaveTemporaryPath(const std::wstring& path);
// Looks name up as the platform looks up programs; when found, name becomes the full path.
bool FindOnSearchPath(std::string& name);
// Creates every missing folder along path; true when the whole path exists as a folder.
bool CreateDirectories(const std::string& path);
// The platform's special folder (a CSIDL value), created when missing.
bool GetSpecialFolder(int id, std::string& path);
// Appends the files matching a wildcard pattern in the platform's order, as bare names or
// joined to the pattern's folder (full paths for a full pattern); list is emptied first unless
// append is set. Folders are not listed.
void ListFiles(const std::string& pattern, std::vector<std::string>& list, bool fullPaths,
               bool append);
