// The command id pool: released ids are reused last-in first-out before new ones are made.
#include "editor/shell/DynamicCommandIds.h"

#include <algorithm>

unsigned DynamicCommandIds::Allocate() {
  if (Released.empty()) return NextId++;
  const unsigned id = Released.back();
  Released.pop_back();
  return id;
}

void DynamicCommandIds::Release(unsigned id) {
  if (IsHandedOut(id)) Released.push_back(id);
}

// The pool holds a few dozen ids at most (recent files and tools), so a search is cheap.
bool DynamicCommandIds::IsHandedOut(unsigned id) const {
  return IsDynamic(id) && id < NextId && std::find(Released.begin(), Released.end(), id) == Released.end();
}
