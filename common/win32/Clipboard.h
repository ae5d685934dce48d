// Plain text and dropped-file lists exchanged with the system clipboard.
#pragma once

#include "common/win32/WinApi.h"

#include <string>
#include <vector>

// The clipboard's 8-bit text (CF_TEXT), optionally without word-wrap breaks. False when the
// clipboard cannot be opened or closed or holds no text; text is then left unchanged.
bool GetClipboardText(HWND owner, std::string& text, bool stripSoftBreaks);

// Puts text on the clipboard as CF_TEXT, with every LF written as CR LF when toCrLf is set.
bool SetClipboardText(HWND owner, const std::string& text, bool toCrLf);

// The clipboard's text as UTF-8, from its UTF-16 form (CF_UNICODETEXT), for a UTF-8
// document; otherwise as GetClipboardText.
bool GetClipboardUtf8Text(HWND owner, std::string& text, bool stripSoftBreaks);

// Puts UTF-8 text on the clipboard as UTF-16 (CF_UNICODETEXT) and in the ANSI code page
// (CF_TEXT), where characters outside the code page become its default character.
bool SetClipboardUtf8Text(HWND owner, const std::string& text, bool toCrLf);

// The files of the clipboard's drop list (CF_HDROP) that exist and are not folders, in
// order. True when at least one such file is listed.
bool GetClipboardFiles(HWND owner, std::vector<std::string>& list);

// The contents of the clipboard's dropped files, one after another. A file that cannot be
// read is left out; true when at least one file was read.
bool ReadClipboardFiles(HWND owner, std::string& text, bool normalize);
