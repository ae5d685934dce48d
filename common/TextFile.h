// Whole-file text input and output; both functions throw FileError.
#pragma once

#include <string>

// Reads the whole file while other programs may keep reading and writing it. The text ends
// at the first zero byte; with normalize, CR LF and lone CR become LF. A caller that passes
// heldNulByte learns whether the file was cut there: saving such a text over the file would
// destroy everything behind the zero byte.
std::string ReadTextFile(const std::string& path, bool normalize, bool* heldNulByte = nullptr);

// Every byte of the file, zero bytes included, read the same shared way: a document's file
// may be UTF-16, where most ASCII characters carry a zero byte.
std::string ReadFileBytes(const std::string& path);

// Replaces the file's content with text in one piece. The text goes to a temporary file
// beside it first, so a failed or interrupted write leaves the old file as it was. On Windows
// that file is named after the file (SaveTemporaryPath), so the next write removes one that a
// killed write left behind. An existing file keeps its attributes (a hidden file stays
// hidden). A read-only file is refused.
void WriteTextFile(const std::string& path, const std::string& text);

#ifdef _WIN32
// The same for names that only the platform's wide file functions can open; a FileError
// names such a file as the code page spells it.
std::string ReadFileBytes(const std::wstring& path);
void WriteTextFile(const std::wstring& path, const std::string& text);
#endif
