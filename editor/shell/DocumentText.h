// The texts a document shows and is written as: untitled name, caption, line breaks for the
// file, the Recent popup's items, the Open dialog's name and the messages that name a file.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// "Untitled", then "." and the extension unless it is empty.
std::string UntitledName(const std::string& defaultExtension);
// A path that begins with "Untitled." or is "Untitled" (letter case counts).
bool IsUntitled(const std::string& path);

// The path, "*" when modified, " [Read Only]" when read-only; no program name.
std::string CaptionText(const std::string& path, bool modified, bool readOnly);

// The editor's LF text as the file is written: newLineType 0 writes CR LF, 1 CR, any other
// value LF.
std::string ToNewLineType(std::string text, int newLineType);

// The Recent popup's item for position index (0-based): "&0 path" to "&9 path", then
// "&A path" to "&Z path", then the bare path. An "&" of the path is doubled, so that the
// menu shows it instead of taking the letter after it as the item's mnemonic.
std::string RecentItemText(int index, const std::string& path);

// Whether a file or folder exists at a path; the platform supplies it.
using PathExists = std::function<bool(const std::string& path)>;
// The file the Open dialog's choice names. A name without an extension gets "." and the
// default extension, unless a file of that very name exists: choosing Makefile opens it.
std::string OpenDialogPath(const std::string& chosen, const std::string& defaultExtension, const PathExists& exists);

// The messages of opening and saving, each naming the file.
std::string MissingFileMessage(const std::string& path);
std::string ReadOnlyTargetMessage(const std::string& path);
std::string BinaryFileMessage(const std::string& path);
// A UTF-16 file with an odd byte count or unpaired surrogates: count units show as U+FFFD.
std::string ReplacedUnitsMessage(const std::string& path, const char* encodingName, std::size_t count);
// Saving over that file would write the replacements in place of what it holds.
std::string ReplacedUnitsQuestion(const std::string& path);
// Saving as ANSI loses count characters that the code page cannot hold; examples names some.
std::string AnsiLossQuestion(std::size_t count, const std::string& examples);
// Saving as UTF-16 loses count bytes of the text that are not UTF-8.
std::string InvalidUtf8Question(std::size_t count);
// The reload question after another program changed the file.
std::string ExternalChangeQuestion(const std::string& path, bool modified);
