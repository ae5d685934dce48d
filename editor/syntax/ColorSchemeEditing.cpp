// Editing a working copy of the colour schemes.
#include "editor/syntax/ColorSchemeEditing.h"

#include <utility>

namespace {

int SchemeCount(const ColorSchemeList& list) {
  return static_cast<int>(list.Schemes.size());
}

}  // namespace

void AddNewScheme(ColorSchemeList& list) {
  RefPtr<ColorScheme> scheme(new ColorScheme);
  if (const ColorScheme* current = list.Current()) {
    scheme->Colors = current->Colors;
    scheme->SelColor = current->SelColor;
  }
  scheme->Name = "New Color Scheme";
  list.Schemes.push_back(scheme);
  list.CurrentColorScheme = SchemeCount(list) - 1;
}

bool DeleteCurrentScheme(ColorSchemeList& list) {
  if (!list.Current()) return false;
  const int index = list.CurrentColorScheme;
  list.Schemes.erase(list.Schemes.begin() + index);
  list.CurrentColorScheme = index < SchemeCount(list) ? index : SchemeCount(list) - 1;
  return true;
}

bool MoveCurrentScheme(ColorSchemeList& list, int delta) {
  if (!list.Current()) return false;
  const int index = list.CurrentColorScheme;
  const int other = index + delta;
  if (other < 0 || other >= SchemeCount(list)) return false;
  std::swap(list.Schemes[static_cast<std::size_t>(index)], list.Schemes[static_cast<std::size_t>(other)]);
  list.CurrentColorScheme = other;
  return true;
}

bool SetCurrentColour(ColorSchemeList& list, int item, Colour colour) {
  ColorScheme* current = list.Current();
  if (!current || item < 0 || item >= ColorItemCount) return false;
  Colour& stored = current->Colors[static_cast<std::size_t>(item)];
  if (stored == colour) return false;
  stored = colour;
  return true;
}

ColorsPageStates ColorsPageStatesFor(const ColorSchemeList& list) {
  const int index = list.CurrentColorScheme;
  const bool current = list.Current() != nullptr;
  return {SchemeCount(list) > 0, current && index >= 1, current && index < SchemeCount(list) - 1};
}
