// The wait cursor for as long as a long operation (a file, a filter tool) runs.
#pragma once

#include "common/win32/WinApi.h"

class WaitCursorScope {
public:
  WaitCursorScope() : Previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~WaitCursorScope() { SetCursor(Previous); }
  WaitCursorScope(const WaitCursorScope&) = delete;
  WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
  HCURSOR Previous;
};
