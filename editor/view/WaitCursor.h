// Shows the wait cursor while a long operation of the view runs.
#pragma once

#include "editor/view/ViewHost.h"

class WaitCursor {
public:
  explicit WaitCursor(ViewHost& host, bool show = true) : Host(host), Shown(show) {
    if (Shown) Host.BeginWaitCursor();
  }
  ~WaitCursor() {
    if (Shown) Host.EndWaitCursor();
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

private:
  ViewHost& Host;
  bool Shown;
};
