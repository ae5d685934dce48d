// The status bar's picture of the clipboard: its text on one line, or its list of files.
#pragma once

#include <string>
#include <vector>

// What the status bar shows when the clipboard holds neither text nor files.
inline constexpr char NoClipboardTextStatus[] = "<No text is in the text>";

// The first 500 characters of the text (LF line breaks), each LF shown as the two characters
// \n and each tab as tabWidth blanks, so the status bar shows it on one line and never takes
// a tab for its own alignment mark. utf8: the text is UTF-8, and 500 characters may take
// more bytes; a character is never cut.
std::string ClipboardTextStatus(const std::string& text, int tabWidth, bool utf8 = false);

// "File: " and the path for one file, else "Files: " and the paths joined by "; ".
std::string ClipboardFilesStatus(const std::vector<std::string>& files);
