// Interning of colouring states: two states are equal when they hold the same elements in
// the same places, so the elements' addresses in order make the key.
#include "editor/syntax/ColourStateTable.h"

#include <cstring>

ColourStateTable::ColourStateTable() { Clear(); }

void ColourStateTable::Clear() {
  States.clear();
  Ids.clear();
  States.emplace_back();
  Ids.emplace(KeyOf(States.front()), Initial);
}

std::string ColourStateTable::KeyOf(const ColourState& state) {
  std::string key((1 + state.RangeStack.size()) * sizeof(const void*), '\0');
  const void* current = state.Current.Get();
  std::memcpy(&key[0], &current, sizeof current);
  std::size_t at = sizeof current;
  for (const RefPtr<LanguageElement>& element : state.RangeStack) {
    const void* address = element.Get();
    std::memcpy(&key[at], &address, sizeof address);
    at += sizeof address;
  }
  return key;
}

int ColourStateTable::Intern(const ColourState& state) {
  if (!state.Current && state.RangeStack.empty()) return Initial;
  const auto found = Ids.emplace(KeyOf(state), Size());
  if (found.second) States.push_back(state);
  return found.first->second;
}
