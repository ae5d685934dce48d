// The test window around a real view, and the key, mouse and scroll messages sent to it.
#include "tests/view/win32/ViewWindowFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char TopClassName[] = "ViewTestTop";

void RegisterTopClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = TopClassName;
    return RegisterClassA(&windowClass) != 0;
  }();
  EXPECT_TRUE(registered);
}

bool IsExtendedKey(int key) {
  switch (key) {
  case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_LEFT: case VK_UP: case VK_RIGHT:
  case VK_DOWN: case VK_INSERT: case VK_DELETE:
    return true;
  default:
    return false;
  }
}

// lParam of a key message: repeat count 1, the scan code, the extended flag, and for key-up
// the previous-state and transition bits.
LPARAM KeyParam(int key, bool up) {
  LPARAM param = 1 | static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC) & 0xFF) << 16;
  if (IsExtendedKey(key)) param |= LPARAM(1) << 24;
  if (up) param |= LPARAM(3) << 30;
  return param;
}

void SetKey(BYTE* state, int key, bool down) { state[key] = down ? 0x80 : 0; }

int PhysicalKeyOf(char c) {
  switch (c) {
  case '\n': return VK_RETURN;
  case '\t': return VK_TAB;
  case '\b': return VK_BACK;
  default: return 0;
  }
}

}  // namespace

RefPtr<ColorScheme> DefaultScheme(const std::string& name) {
  ColorSchemeList list;
  list.AddDefaultSchemes();
  for (const RefPtr<ColorScheme>& scheme : list.Schemes)
    if (scheme->Name == name) return scheme;
  ADD_FAILURE() << "no default scheme " << name;
  return nullptr;
}

HeldKeys::HeldKeys(int key, int modifiers) {
  GetKeyboardState(Saved);
  BYTE state[256];
  std::copy(Saved, Saved + 256, state);
  const bool shift = (modifiers & ModShift) != 0, ctrl = (modifiers & ModCtrl) != 0, alt = (modifiers & ModAlt) != 0;
  SetKey(state, VK_SHIFT, shift);
  SetKey(state, VK_LSHIFT, shift);
  SetKey(state, VK_RSHIFT, false);
  SetKey(state, VK_CONTROL, ctrl);
  SetKey(state, VK_LCONTROL, ctrl);
  SetKey(state, VK_RCONTROL, false);
  SetKey(state, VK_MENU, alt);
  SetKey(state, VK_LMENU, alt);
  SetKey(state, VK_RMENU, false);
  if (key != 0) SetKey(state, key, true);
  SetKeyboardState(state);
}

HeldKeys::~HeldKeys() { SetKeyboardState(Saved); }

void SendKeyInput(int key, bool down) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(key);
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  EXPECT_EQ(SendInput(1, &input, sizeof input), 1u);
}

void PressPhysically(int key, bool down) {
  SendKeyInput(key, down);
  // Taking the posted messages off the queue also brings the thread's key state up to date;
  // dispatching them would type the key a second time.
  MSG message;
  while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
}

void PressButtonPhysically(bool down) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  const bool swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
  if (down) input.mi.dwFlags = swapped ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  else input.mi.dwFlags = swapped ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  EXPECT_EQ(SendInput(1, &input, sizeof input), 1u);
  MSG message;
  while (PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) ||
         PeekMessageA(&message, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE)) {
  }
}

ViewWindowFixture::ViewWindowFixture(const ViewWindowOptions& options) {
  RegisterTopClass(&TopWindowProc);
  RECT frame = {0, 0, options.Width + options.Margin, options.Height + options.Margin};
  const DWORD topStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  AdjustWindowRectEx(&frame, topStyle, FALSE, 0);
  TopWindow = CreateWindowExA(0, TopClassName, "View test", topStyle, 20, 20, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  EXPECT_NE(TopWindow, nullptr);
  ShowWindow(TopWindow, SW_SHOW);
  SetForegroundWindow(TopWindow);

  const RECT rect = {0, 0, options.Width, options.Height};
  EXPECT_TRUE(View.CreateView(TopWindow, rect, options.Style, options.ExStyle, ViewControlId, options.Language,
                              options.Scheme));
  SetFocus(View.Window());
  Pump();
  UpdateWindow(TopWindow);
  Notifications.clear();
}

ViewWindowFixture::~ViewWindowFixture() {
  if (TopWindow) DestroyWindow(TopWindow);
  Pump();
}

LRESULT CALLBACK ViewWindowFixture::TopWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* fixture = reinterpret_cast<ViewWindowFixture*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (fixture && message == WM_COMMAND) {
    fixture->Notifications.push_back(
        {static_cast<int>(HIWORD(wParam)), static_cast<int>(LOWORD(wParam)), reinterpret_cast<HWND>(lParam)});
    return 0;
  }
  if (fixture && message == WM_ENTERIDLE && wParam == MSGF_MENU) {
    RECT placed = {};
    GetWindowRect(reinterpret_cast<HWND>(lParam), &placed);
    fixture->Menus.push_back(placed);
    if (fixture->CloseMenus) EndMenu();
    return 0;
  }
  if (fixture && message == WM_NCDESTROY) fixture->TopWindow = nullptr;
  return DefWindowProcA(window, message, wParam, lParam);
}

void ViewWindowFixture::UseFixedFont(BYTE quality) {
  HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, quality, FIXED_PITCH | FF_MODERN, "Courier New");
  ASSERT_NE(font, nullptr);
  View.SetFont(font);  // the view keeps its own copy
  DeleteObject(font);
  Pump();
}

Image ViewWindowFixture::CaptureView() const {
  // The caret is drawn by inverting pixels; a blink must not decide a pixel check.
  const bool hidden = HideCaret(Window()) != FALSE;
  Image image = CaptureWindow(Window());
  if (hidden) ShowCaret(Window());
  return image;
}

POINT ViewWindowFixture::ClientOrigin() const {
  RECT frame;
  GetWindowRect(Window(), &frame);
  POINT origin = {0, 0};
  ClientToScreen(Window(), &origin);
  return POINT{origin.x - frame.left, origin.y - frame.top};
}

std::vector<int> ViewWindowFixture::NotificationCodes() const {
  std::vector<int> codes;
  for (const ViewNotification& n : Notifications) codes.push_back(n.Code);
  return codes;
}

LRESULT ViewWindowFixture::SendKey(UINT message, int key, int modifiers) {
  HeldKeys held(message == WM_KEYDOWN ? key : 0, modifiers);
  return SendMessageA(Window(), message, static_cast<WPARAM>(key), KeyParam(key, message == WM_KEYUP));
}

LRESULT ViewWindowFixture::KeyDown(int key, int modifiers) { return SendKey(WM_KEYDOWN, key, modifiers); }

LRESULT ViewWindowFixture::KeyUp(int key, int modifiers) { return SendKey(WM_KEYUP, key, modifiers); }

LRESULT ViewWindowFixture::Press(int key, int modifiers) {
  const LRESULT result = KeyDown(key, modifiers);
  KeyUp(key, modifiers);
  return result;
}

void ViewWindowFixture::TypeOne(char c) {
  const int key = PhysicalKeyOf(c);
  if (key != 0) PressPhysically(key, true);
  SendMessageA(Window(), WM_CHAR, c == '\n' ? '\r' : static_cast<unsigned char>(c), 1);
  if (key != 0) PressPhysically(key, false);
}

void ViewWindowFixture::Type(const std::string& keys) {
  for (char c : keys) TypeOne(c);
}

LRESULT ViewWindowFixture::Mouse(UINT message, int x, int y, WPARAM keys) {
  return SendMessageA(Window(), message, keys, MAKELPARAM(x, y));
}

LRESULT ViewWindowFixture::Wheel(int delta) {
  POINT point = {10, 10};
  ClientToScreen(Window(), &point);
  const WPARAM wParam = MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(delta)));
  return SendMessageA(Window(), WM_MOUSEWHEEL, wParam, MAKELPARAM(point.x, point.y));
}

LRESULT ViewWindowFixture::Scroll(UINT message, int code, int thumb) {
  return SendMessageA(Window(), message, MAKEWPARAM(code, static_cast<WORD>(thumb)), 0);
}

SCROLLINFO ViewWindowFixture::ScrollBar(int bar) const {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(Window(), bar, &info);
  return info;
}

void ViewWindowFixture::Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void ViewWindowFixture::Repaint() {
  RedrawWindow(TopWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
}
