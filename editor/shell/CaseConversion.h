// The case conversions of Edit > Advanced: lower, upper, title and toggle case.
#pragma once

#include <string>

class TextView;

enum CaseMode { LowerCase = 0, UpperCase = 1, TitleCase = 2, ToggleCase = 3 };

// Letters and their cases as the platform knows them for the user's code page, which has
// letters beyond the ASCII ones.
class CaseMapping {
public:
  virtual ~CaseMapping() = default;
  virtual void ToLower(std::string& text) const = 0;
  virtual void ToUpper(std::string& text) const = 0;
  virtual bool IsLetter(unsigned char c) const = 0;
  virtual bool IsUpper(unsigned char c) const = 0;
};

// Title case upper-cases the first letter of each word and lower-cases the rest; any
// non-letter (digits too) ends a word, except an apostrophe behind a letter, so "don't"
// stays one word. Toggle case swaps the case of every letter.
std::string ConvertCase(std::string text, int mode, const CaseMapping& mapping);

// The view's selection converted as one undoable step; it stays selected. Word-wrap breaks
// inside it are no characters of the text, so they do not end a word. Nothing happens
// without a selection.
void ConvertSelectionCase(TextView& view, int mode, const CaseMapping& mapping);
