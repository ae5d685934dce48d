// The messages that report a refused read or write of a document, naming the file.
#pragma once

#include <string>

struct FileError;

enum class FileAccess { Read, Write };

// The standard text for the common causes (locked, missing, disk full); any other error is
// an unexpected one, followed by the system's own text for its code.
std::string FileErrorMessage(const FileError& error, FileAccess access);

// What a name given as a document turned out to be instead of a file.
enum class NotAFile { Folder, Device };

// "'C:\work' is a folder, not a file." or "'CON' is a device, not a file."
std::string NotAFileMessage(const std::string& path, NotAFile what);
