// Centring windows over their owners; message boxes through a hook, as the system places
// them itself before anyone else sees them.
#include "common/win32/OwnerCentring.h"

#include "common/Centring.h"

namespace {

void CentreOver(HWND window, HWND owner) {
  RECT frame, over;
  GetWindowRect(window, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(owner ? owner : window, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& area = monitor.rcWork;
  if (!owner || !GetWindowRect(owner, &over) || IsIconic(owner)) over = area;
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const int left = CentredStart(over.left, over.right - over.left, width, area.left, area.right - area.left);
  const int top = CentredStart(over.top, over.bottom - over.top, height, area.top, area.bottom - area.top);
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// One box at a time per thread: the hook is set just before the box and gone after it.
thread_local HHOOK BoxHook = nullptr;
thread_local HWND BoxOwner = nullptr;

bool IsDialogClass(HWND window) {
  char name[16] = "";
  return GetClassNameA(window, name, sizeof name) > 0 && lstrcmpA(name, "#32770") == 0;
}

LRESULT CALLBACK CentreBoxOnActivation(int code, WPARAM wParam, LPARAM lParam) {
  HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && BoxHook && IsDialogClass(window)) {
    UnhookWindowsHookEx(BoxHook);
    BoxHook = nullptr;
    CentreOver(window, BoxOwner);
    return 0;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void CentreOnOwner(HWND window) {
  HWND owner = GetWindow(window, GW_OWNER);
  CentreOver(window, owner ? GetAncestor(owner, GA_ROOT) : nullptr);
}

int MessageBoxOver(HWND owner, const std::string& text, const char* caption, UINT type) {
  if (owner && !BoxHook) {
    BoxOwner = GetAncestor(owner, GA_ROOT);
    BoxHook = SetWindowsHookExA(WH_CBT, CentreBoxOnActivation, nullptr, GetCurrentThreadId());
  }
  const int answer = MessageBoxA(owner, text.c_str(), caption, type);
  if (BoxHook) {
    UnhookWindowsHookEx(BoxHook);
    BoxHook = nullptr;
  }
  return answer;
}
