// The message that reports a refused read or write of a document, naming the file.
#pragma once

#include <string>

struct FileError;

enum class FileAccess { Read, Write };

// The standard text for the common causes (locked, missing, disk full); any other error is
// an unexpected one, followed by the system's own text for its code.
std::string FileErrorMessage(const FileError& error, FileAccess access);
