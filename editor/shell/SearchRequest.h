// What the find dialog asks the main window to do, and the text forms of its two texts.
#pragma once

#include "common/StringList.h"
#include "common/TextSearch.h"

#include <string>

// One instance for the whole run. Only allowEscapes and closeDialogOnFind are stored.
struct SearchRequest {
  std::string findText;     // after escape conversion
  std::string replaceText;  // after escape conversion
  int flags = SearchIgnoreCase;
  bool selectionOnly = false;  // Replace All works inside the selection only
  bool allowEscapes = true;
  bool newSearch = true;  // the next search starts a new pass
  bool doFind = false;
  bool doReplace = false;
  bool doReplaceAll = false;
  bool closeDialogOnFind = true;
  StringList findHistory;     // most recent first
  StringList replaceHistory;  // most recent first

  bool MatchCase() const { return (flags & SearchMatchCase) != 0; }
  bool Backwards() const { return (flags & SearchBackwards) != 0; }
};

// Left to right: "\\" gives a backslash, "\n" a line feed, "\t" a tab; any other backslash
// stays as it is and the character behind it is read normally.
std::string ConvertEscapes(const std::string& text);

// How a converted find text is shown in messages: with escapes allowed, tab, line feed and
// backslash are written as \t, \n and \\ again.
std::string DisplayForm(const std::string& text, bool allowEscapes);

// Moves text to the front of history; an exactly equal entry goes first, empty text is not
// added.
void AddToHistory(StringList& history, const std::string& text);
