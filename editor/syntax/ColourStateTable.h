// The distinct colouring states of a document under small ids, so that a line keeps the
// state at its end in a few bytes and equal states have equal ids.
#pragma once

#include "editor/syntax/ColourState.h"

#include <deque>
#include <string>
#include <unordered_map>

class ColourStateTable {
public:
  static constexpr int Initial = 0;  // no range open, no element going on

  ColourStateTable();
  // The id of state, a new one when no equal state has one yet.
  int Intern(const ColourState& state);
  // Valid for the table's life: states are never moved or dropped, except by Clear.
  const ColourState& State(int id) const { return States[static_cast<std::size_t>(id)]; }
  int Size() const { return static_cast<int>(States.size()); }
  // Back to the initial state alone; every other id becomes unknown.
  void Clear();

private:
  static std::string KeyOf(const ColourState& state);

  std::deque<ColourState> States;
  std::unordered_map<std::string, int> Ids;  // the elements' addresses, Current first
};
