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
// The time of the last write as a 64-bit file time; 0 when the file cannot be asked.
uint64_t GetFileWriteTime(const std::string& path);
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
