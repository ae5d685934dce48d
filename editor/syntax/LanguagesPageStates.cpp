// The Languages page's enable and show rules.
#include "editor/syntax/LanguagesPageStates.h"

#include "editor/syntax/LanguageElement.h"

LanguagesPageStates LanguagesPageStatesFor(const LanguagesPageSelection& selection) {
  LanguagesPageStates states{};
  const bool element = selection.LanguageSelected && selection.ElementIndex >= 0;
  states.LanguageControls = selection.LanguageSelected;
  states.ElementControls = element;
  states.Escape = element && !selection.WholeWordChecked;
  states.AllowNesting = element && selection.SpanLinesChecked;
  states.Up = element && selection.ElementIndex >= 1;
  states.Down = element && selection.ElementIndex < selection.ElementCount - 1;
  states.ShowStartMarker = selection.ShownKind == RestOfLineKind || selection.ShownKind == RangeKind;
  states.ShowRangeControls = selection.ShownKind == RangeKind;
  states.ShowWordList = selection.ShownKind == WordsKind || selection.ShownKind < 0;
  return states;
}
