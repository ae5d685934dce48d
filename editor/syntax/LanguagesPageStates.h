// Which controls of the Languages page are enabled and shown, from what is selected.
#pragma once

struct LanguagesPageSelection {
  bool LanguageSelected = false;
  int ElementIndex = -1;   // -1: none
  int ElementCount = 0;
  int ShownKind = -1;      // the element kind chosen in its list; -1: none
  bool WholeWordChecked = false;
  bool SpanLinesChecked = false;
};

struct LanguagesPageStates {
  bool LanguageControls;  // remove, name, case, extensions, the element list and its Add
  bool ElementControls;   // remove, kinds, Whole Word, markers, word list, Span Lines
  bool Escape;
  bool AllowNesting;
  bool Up;
  bool Down;
  bool ShowStartMarker;    // Rest Of Line and Range
  bool ShowRangeControls;  // end marker, escape, Span Lines, Allow Nesting
  bool ShowWordList;       // Words, or nothing chosen
};

LanguagesPageStates LanguagesPageStatesFor(const LanguagesPageSelection& selection);
