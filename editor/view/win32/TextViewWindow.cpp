// The edit control's window: class registration, binding the window to its object, and the
// translation of every window message into the portable view's operations.
#include "editor/view/win32/TextViewWindow.h"

#include "common/LineEnds.h"
#include "common/HotkeyTable.h"
#include "common/win32/CodePage.h"
#include "common/win32/FontHelpers.h"
#include "common/win32/KeyNames.h"
#include "editor/view/win32/GdiPainter.h"

#include <windowsx.h>

#include <algorithm>
#include <atomic>
#include <mutex>

namespace {

const char ViewClassName[] = "EditCtrl";
const wchar_t WideViewClassName[] = L"EditCtrl";

// Notifications a parent reflects back to its control arrive this far above the message they
// stand for.
constexpr UINT ReflectedBase = WM_USER + 0x1C00;

// The object whose CreateWindowEx is running on this thread: some messages (WM_GETMINMAXINFO)
// come before WM_NCCREATE and its creation parameter, so this is how the first one finds it.
thread_local TextViewWindow* Creating = nullptr;

// Ids given to child views created with id 0; high enough not to meet dialog control ids.
std::atomic<int> NextAutomaticId{0xC000};

int AutomaticId() {
  const int id = NextAutomaticId.fetch_add(1);
  return 0xC000 + (id - 0xC000) % 0x3FFF;
}

// The module that holds this code, so that the class and its windows agree on it even when
// the view is linked into a library.
HINSTANCE ViewModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     ViewClassName, &module);
  return module;
}

bool IsHighSurrogate(unsigned unit) {
  return unit >= 0xD800 && unit < 0xDC00;
}

bool IsLowSurrogate(unsigned unit) {
  return unit >= 0xDC00 && unit < 0xE000;
}

// The hotkey table's modifier flags and the view's are the same bits.
static_assert(ShiftModifier == ModShift && ControlModifier == ModCtrl && AltModifier == ModAlt,
              "one modifier set for keys and hotkeys");

}  // namespace

TextViewWindow::TextViewWindow() : TextView(WindowMeasurer, WindowHost, WindowClipboard) {
  WindowHost.Attach(*this, WindowMeasurer);
}

TextViewWindow::~TextViewWindow() {
  if (Handle) DestroyWindow(Handle);
  if (OwnedFont) DeleteObject(OwnedFont);
  if (ContextMenu) DestroyMenu(ContextMenu);
}

bool TextViewWindow::RegisterViewClass() {
  static std::mutex lock;
  static bool registered = false;
  std::lock_guard<std::mutex> guard(lock);
  if (registered) return true;
  // A Unicode class, so that typed characters beyond the code page reach the view whole.
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = StaticWindowProc;
  windowClass.cbWndExtra = sizeof(LONG_PTR);
  windowClass.hInstance = ViewModule();
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  windowClass.lpszClassName = WideViewClassName;
  registered = RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  return registered;
}

bool TextViewWindow::CreateView(HWND parent, const RECT& rect, DWORD style, DWORD exStyle, int id,
                                RefPtr<LanguageDef> language, RefPtr<ColorScheme> scheme) {
  if (Handle) return false;
  SetLanguage(std::move(language));
  SetColorScheme(std::move(scheme));
  WindowHost.SetScrollBarShown(SB_HORZ, (style & WS_HSCROLL) != 0);
  WindowHost.SetScrollBarShown(SB_VERT, (style & WS_VSCROLL) != 0);
  if (style == 0) style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  const bool child = (style & WS_CHILD) != 0;
  if (id == 0 && child) id = AutomaticId();
  Id = id;
  WindowHost.SetControlId(id);
  if (!RegisterViewClass()) return false;

  // A view created while another one's window is being made leaves that one's binding alone.
  TextViewWindow* const outer = Creating;
  Creating = this;
  HMENU menuOrId = child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
  HWND window = CreateWindowExW(exStyle, WideViewClassName, L"", style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, menuOrId, ViewModule(), this);
  Creating = outer;
  if (!window) return false;
  ShowScrollBarOf(SB_HORZ, WindowHost.ScrollBarShown(SB_HORZ));
  ShowScrollBarOf(SB_VERT, WindowHost.ScrollBarShown(SB_VERT));
  OnSize();
  return true;
}

HWND TextViewWindow::Window() const {
  return Handle;
}

int TextViewWindow::ControlId() const {
  return Id;
}

void TextViewWindow::Bind(HWND window) {
  Handle = window;
  SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(this));
  WindowHost.Bind(window);
  WindowClipboard.SetOwner(window);
}

// The window binds to the object on its first message, whichever that is. Only CreateView's
// own object is taken: a window of the class made by anyone else (a dialog template, say)
// carries creation data of its own and stays an inert default window.
LRESULT CALLBACK TextViewWindow::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* view = reinterpret_cast<TextViewWindow*>(GetWindowLongPtrA(window, 0));
  if (!view) {
    if (!Creating || Creating->Handle) return DefWindowProcW(window, message, wParam, lParam);
    view = Creating;
    view->Bind(window);
  }
  if (message == WM_NCDESTROY) {
    view->OnFinalDestroy(message, wParam, lParam);
    return 0;
  }
  return view->WindowProc(message, wParam, lParam);
}

WNDPROC TextViewWindow::ClassWindowProc() {
  return StaticWindowProc;
}

LRESULT TextViewWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(Handle, message, wParam, lParam);
}

void TextViewWindow::OnFinalMessage(HWND) {}

// After the last message the object outlives its window: every later request is a no-op.
void TextViewWindow::OnFinalDestroy(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = Handle;
  DefWindowProcW(window, message, wParam, lParam);
  SetWindowLongPtrA(window, 0, 0);
  Handle = nullptr;
  WindowHost.Bind(nullptr);
  WindowClipboard.SetOwner(nullptr);
  OnFinalMessage(window);
}

// The window is a Unicode one: a character comes as UTF-16 units, a character beyond the
// basic plane as two of them, one message each.
void TextViewWindow::OnChar(WPARAM wParam) {
  const auto unit = static_cast<unsigned>(wParam & 0xFFFF);
  const unsigned high = PendingHighSurrogate;
  PendingHighSurrogate = 0;
  if (IsHighSurrogate(unit)) {
    PendingHighSurrogate = unit;
    return;
  }
  if (IsLowSurrogate(unit)) {
    if (high) OnUnicodeChar(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
    else WindowHost.Beep();
    return;
  }
  OnUnicodeChar(unit);
}

// A character as a code point, whole even beyond the code page. A single-byte document
// takes what its code page holds; for anything else the view beeps.
void TextViewWindow::OnUnicodeChar(unsigned codePoint) {
  if (!IsUtf8() && codePoint >= 0x80 && codePoint < 0x10000) {
    const WCHAR unit = static_cast<WCHAR>(codePoint);
    char byte = 0;
    BOOL lost = FALSE;
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &unit, 1, &byte, 1, nullptr, &lost) == 1 && !lost) {
      TypeChar(static_cast<unsigned char>(byte));
      return;
    }
  }
  TypeCodePoint(codePoint);
}

LRESULT TextViewWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_KEYDOWN:
    return OnKeyDown(wParam, lParam);
  case WM_KEYUP:
    KeyUp(static_cast<int>(wParam));
    return 0;
  case WM_CHAR:
    OnChar(wParam);
    return 0;
  case WM_UNICHAR:
    if (wParam == UNICODE_NOCHAR) return TRUE;
    OnUnicodeChar(static_cast<unsigned>(wParam));
    return FALSE;
  case WM_SETTEXT: {
    std::string text = lParam ? AnsiFromWide(reinterpret_cast<const wchar_t*>(lParam)) : "";
    // Other programs send CR LF text; CR inside the view is its own soft break.
    NormalizeLineEnds(text);
    SetText(std::move(text));
    return TRUE;
  }
  case WM_GETTEXT:
    return OnGetText(wParam, lParam);
  case WM_GETTEXTLENGTH:
    return static_cast<LRESULT>(WideText().size());
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    FocusChanged(message == WM_SETFOCUS);
    return 0;
  case WM_PAINT:
    OnPaint();
    return 0;
  case WM_ERASEBKGND:
    OnEraseBackground(reinterpret_cast<HDC>(wParam));
    return 1;
  case WM_NCCALCSIZE:
    return OnCalcSize(wParam, lParam);
  case WM_NCPAINT:
    OnNcPaint(wParam);
    return 0;
  case WM_GETDLGCODE:
    return DialogCode(GetKeyState(VK_ESCAPE) < 0);
  case WM_LBUTTONDOWN:
    MouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<int>(wParam));
    return 0;
  case WM_LBUTTONDBLCLK:
    MouseDoubleClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return 0;
  case WM_LBUTTONUP:
    MouseUp();
    return 0;
  case WM_MOUSEMOVE:
    MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<int>(wParam));
    return 0;
  case WM_TIMER:
    if (wParam == ViewWindowHost::ScanTimerId) {
      OnScanTimer();
      return 0;
    }
    if (wParam != ViewWindowHost::DragTimerId) break;
    OnTimer(wParam);
    return 0;
  case WM_MOUSEWHEEL:
    OnMouseWheel(wParam);
    return 0;
  case WM_VSCROLL:
  case WM_HSCROLL:
    OnScroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, wParam);
    return 0;
  case WM_SETCURSOR:
    if (OnSetCursor(wParam, lParam)) return TRUE;
    break;
  case WM_CONTEXTMENU:
    if (OnContextMenu(lParam)) return 0;
    break;
  case WM_CUT:
    Cut();
    return 0;
  case WM_COPY:
    Copy();
    return 0;
  case WM_PASTE:
    Paste();
    return 0;
  case WM_SIZE:
    OnSize();
    return 0;
  case WM_ENABLE:
    WindowHost.InvalidateAll();
    WindowHost.RepaintGutter();
    return 0;
  case WM_DESTROY:
    WindowHost.StopDragTimer();
    KillTimer(Handle, ViewWindowHost::ScanTimerId);
    WindowHost.DestroyCaret();
    break;
  default:
    if (message >= ReflectedBase && message < ReflectedBase + WM_USER)
      return DefaultProc(message - ReflectedBase, wParam, lParam);
    break;
  }
  return DefaultProc(message, wParam, lParam);
}

LRESULT TextViewWindow::OnKeyDown(WPARAM key, LPARAM lParam) {
  if (KeyDown(static_cast<int>(key), CurrentModifiers())) return 0;
  return DefaultProc(WM_KEYDOWN, key, lParam);
}

// The internal form: LF breaks, soft breaks included, its bytes read in the code page as
// when the window was an ANSI one, so that a caller of the ANSI text messages gets them byte
// for byte, a UTF-8 document's included.
std::wstring TextViewWindow::WideText() const {
  std::string text(static_cast<std::size_t>(Length()), '\0');
  for (int i = 0; i < Length(); ++i) text[static_cast<std::size_t>(i)] = CharAt(i);
  return WideFromAnsi(text);
}

// Cut to the buffer with its NUL.
LRESULT TextViewWindow::OnGetText(WPARAM size, LPARAM buffer) {
  auto* out = reinterpret_cast<wchar_t*>(buffer);
  if (!out || size == 0) return 0;
  const std::wstring text = WideText();
  const std::size_t count = std::min<std::size_t>(size - 1, text.size());
  std::copy_n(text.begin(), count, out);
  out[count] = L'\0';
  return static_cast<LRESULT>(count);
}

void TextViewWindow::OnPaint() {
  const bool focused = WindowHost.HasFocus();
  if (focused) HideCaret(Handle);
  PAINTSTRUCT paint;
  HDC context = BeginPaint(Handle, &paint);
  if (context) {
    const HGDIOBJ oldFont = SelectObject(context, WindowMeasurer.Font());
    {
      GdiPainter painter(context, WindowMeasurer);
      Paint(painter, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right, paint.rcPaint.bottom);
    }
    SelectObject(context, oldFont);
  }
  EndPaint(Handle, &paint);
  if (focused) ShowCaret(Handle);
}

void TextViewWindow::OnEraseBackground(HDC context) {
  RECT client;
  GetClientRect(Handle, &client);
  FillSolid(context, client, BackgroundColour());
}

// The gutter is taken from the left of what the default leaves for the client.
LRESULT TextViewWindow::OnCalcSize(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefaultProc(WM_NCCALCSIZE, wParam, lParam);
  RECT& client = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];
  client.left = std::min(client.left + GutterWidth(), client.right);
  return result;
}

void TextViewWindow::OnNcPaint(WPARAM region) {
  DefaultProc(WM_NCPAINT, region, 0);
  if (GutterWidth() <= 0) return;
  HDC context = GetDCEx(Handle, nullptr, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!context) return;
  WindowHost.PaintGutter(context);
  ReleaseDC(Handle, context);
}

void TextViewWindow::OnTimer(WPARAM id) {
  POINT cursor{0, 0};
  GetCursorPos(&cursor);
  ScreenToClient(Handle, &cursor);
  if (!DragTimerTick(WindowHost.IsKeyDown(VK_LBUTTON), cursor.x, cursor.y)) KillTimer(Handle, id);
}

// Slices of the scan until a key or the mouse waits or a few milliseconds have passed, so
// that typing and scrolling go first and the states fill in between.
void TextViewWindow::OnScanTimer() {
  constexpr long long SliceBytes = 512 * 1024;
  constexpr DWORD SliceTime = 12;  // ms
  const DWORD start = GetTickCount();
  bool more = true;
  do {
    more = ScanAhead(SliceBytes);
  } while (more && GetTickCount() - start < SliceTime && !GetInputState());
  if (!more) KillTimer(Handle, ViewWindowHost::ScanTimerId);
}

void TextViewWindow::OnMouseWheel(WPARAM wParam) {
  if (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) {
    ZoomWheel(GET_WHEEL_DELTA_WPARAM(wParam));
    return;
  }
  UINT lines = 3;
  if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
  Wheel(GET_WHEEL_DELTA_WPARAM(wParam), lines);
}

// The message's 16-bit position cannot carry a thumb beyond 65535 lines or pixels, so a
// larger range takes the 32-bit tracking position of the bar.
void TextViewWindow::OnScroll(int bar, WPARAM wParam) {
  const int code = LOWORD(wParam);
  int thumb = HIWORD(wParam);
  if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_TRACKPOS;
    if (GetScrollInfo(Handle, bar, &info) && info.nMax > 0xFFFF) thumb = info.nTrackPos;
  }
  if (bar == SB_VERT) VerticalScroll(code, thumb);
  else HorizontalScroll(code, thumb);
}

bool TextViewWindow::OnSetCursor(WPARAM over, LPARAM lParam) {
  if (reinterpret_cast<HWND>(over) != Handle || LOWORD(lParam) != HTCLIENT) return false;
  SetCursor(LoadCursor(nullptr, IDC_IBEAM));
  return true;
}

bool TextViewWindow::OnContextMenu(LPARAM point) {
  if (!ContextMenu) return false;
  POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  const bool fromKeyboard = at.x == -1 && at.y == -1;
  if (!fromKeyboard) ScreenToClient(Handle, &at);
  int menuX = 0, menuY = 0;
  ContextMenuPoint(fromKeyboard, at.x, at.y, menuX, menuY);
  WindowHost.RecreateCaret();
  POINT screen{menuX, menuY};
  ClientToScreen(Handle, &screen);
  TPMPARAMS exclusion{};
  exclusion.cbSize = sizeof exclusion;
  exclusion.rcExclude = RECT{0, screen.y - Metrics().LineHeight, GetSystemMetrics(SM_CXSCREEN), screen.y};
  HWND owner = GetParent(Handle);
  TrackPopupMenuEx(ContextMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y,
                   owner ? owner : Handle, &exclusion);
  return true;
}

void TextViewWindow::OnSize() {
  RECT client;
  GetClientRect(Handle, &client);
  SetClientSize(client.right - client.left, client.bottom - client.top);
  if (IsWindowVisible(Handle)) RefreshScrollBars();
}

void TextViewWindow::SetFont(HFONT font) {
  if (!font || SameFont(font, WindowMeasurer.Font())) return;
  HFONT copy = CopyFont(font);
  if (!copy) return;
  WindowMeasurer.SetFont(copy);
  if (OwnedFont) DeleteObject(OwnedFont);
  OwnedFont = copy;
  FontChanged();
  // The line numbers are drawn in the font too, even when the gutter keeps its width.
  WindowHost.RepaintGutter();
}

HFONT TextViewWindow::Font() const {
  return WindowMeasurer.Font();
}

void TextViewWindow::SetContextMenu(HMENU popup) {
  if (popup == ContextMenu) return;
  if (ContextMenu) DestroyMenu(ContextMenu);
  ContextMenu = popup;
}

void TextViewWindow::ShowHorizontalScrollBar(bool show) {
  ShowScrollBarOf(SB_HORZ, show);
}

void TextViewWindow::ShowVerticalScrollBar(bool show) {
  ShowScrollBarOf(SB_VERT, show);
}

void TextViewWindow::ShowScrollBarOf(int bar, bool show) {
  WindowHost.SetScrollBarShown(bar, show);
  if (!Handle) return;
  ShowScrollBar(Handle, bar, show);
  RefreshScrollBars();
}
