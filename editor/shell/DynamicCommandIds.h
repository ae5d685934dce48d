// The pool of menu command ids for items made at run time (recent files, tools).
#pragma once

#include <vector>

class DynamicCommandIds {
public:
  static constexpr unsigned FirstId = 40000;

  // The id released last, if any, else one never handed out before.
  unsigned Allocate();
  // Gives an id back for reuse. Ids below FirstId belong to the fixed commands, and an id
  // that is not handed out at the moment (never allocated, or released already) is
  // ignored: taking it in would later give two menu items the same command.
  void Release(unsigned id);
  // Whether id is one this pool hands out (it may be free at the moment).
  static bool IsDynamic(unsigned id) { return id >= FirstId; }

private:
  bool IsHandedOut(unsigned id) const;

  unsigned NextId = FirstId;
  std::vector<unsigned> Released;  // a stack: the last released is the next reused
};
