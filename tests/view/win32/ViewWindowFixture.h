// A real view window for Windows tests: a top-level window holding a TextViewWindow child,
// the notifications it sends, and keyboard, mouse and scroll-bar helpers.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/view/win32/TextViewWindow.h"
#include "tests/view/win32/Screenshot.h"

#include <string>
#include <vector>

// The control id the editor's main window gives its view.
constexpr int ViewControlId = 104;

struct ViewWindowOptions {
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int Width = 400;
  int Height = 300;
  // Client area of the top window right of and below the view, for the mouse to go to.
  int Margin = 0;
  RefPtr<LanguageDef> Language;
  RefPtr<ColorScheme> Scheme;
};

// One WM_COMMAND that reached the parent.
struct ViewNotification {
  int Code;
  int Id;
  HWND From;
};

class ViewWindowFixture {
public:
  // Creates the top-level window, shown and in the foreground, with the view at (0, 0) of
  // its client area, and gives the view the focus.
  explicit ViewWindowFixture(const ViewWindowOptions& options = ViewWindowOptions());
  ~ViewWindowFixture();
  ViewWindowFixture(const ViewWindowFixture&) = delete;
  ViewWindowFixture& operator=(const ViewWindowFixture&) = delete;

  HWND Top() const { return TopWindow; }
  HWND Window() const { return View.Window(); }

  // Gives the view "Courier New" of 10 points (a character height of 13 pixels), so that
  // columns are a fixed number of pixels wide; antialiasing off unless asked for, so that
  // glyphs are drawn in their exact colours.
  void UseFixedFont(BYTE quality = NONANTIALIASED_QUALITY);
  int CharWidth() { return View.Metrics().AverageCharWidth; }
  int LineHeight() { return View.Metrics().LineHeight; }

  // The view window as it is on screen, without the caret, and where its client area starts
  // in that image.
  Image CaptureView() const;
  POINT ClientOrigin() const;

  // Notifications in the order they arrived; only the codes, for short comparisons.
  std::vector<int> NotificationCodes() const;

  // WM_KEYDOWN then WM_KEYUP of key with exactly the given Mod... keys held in the thread's
  // key state (the key itself too); the previous key state comes back afterwards. Returns
  // what WM_KEYDOWN returned.
  LRESULT Press(int key, int modifiers = 0);
  // WM_KEYDOWN alone, for keys held down while something else is checked.
  LRESULT KeyDown(int key, int modifiers = 0);
  LRESULT KeyUp(int key, int modifiers = 0);

  // One WM_CHAR per character. LF stands for Enter, tab for Tab and backspace for Backspace;
  // those keys are physically pressed while their character arrives, as the view requires.
  void Type(const std::string& keys);

  // A mouse message with MK_ flags at client coordinates of the view.
  LRESULT Mouse(UINT message, int x, int y, WPARAM keys);
  // WM_MOUSEWHEEL with a signed delta (120 per notch), the cursor over the view.
  LRESULT Wheel(int delta);
  // WM_VSCROLL or WM_HSCROLL with a scroll-bar code and a thumb position.
  LRESULT Scroll(UINT message, int code, int thumb = 0);
  // The scroll bar's range, page and position (SB_VERT or SB_HORZ).
  SCROLLINFO ScrollBar(int bar) const;

  // Dispatches every message waiting for this thread.
  static void Pump();
  // Paints the whole window anew, frames and the view's gutter included.
  void Repaint();

  TextViewWindow View;
  std::vector<ViewNotification> Notifications;
  // Popup menus owned by the test window, as their windows were placed on screen when the
  // menu loop first went idle; with CloseMenus set each is closed right then.
  std::vector<RECT> Menus;
  bool CloseMenus = false;

private:
  static LRESULT CALLBACK TopWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT SendKey(UINT message, int key, int modifiers);
  void TypeOne(char c);

  HWND TopWindow = nullptr;
};

// One of the schemes a new installation gets ("Sky", "Ocean", "Forest", "Space").
RefPtr<ColorScheme> DefaultScheme(const std::string& name);

// The key and modifier state of the thread as GetKeyState reports it, set for the lifetime
// of the object and restored afterwards.
class HeldKeys {
public:
  HeldKeys(int key, int modifiers);
  ~HeldKeys();
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

private:
  BYTE Saved[256];
};

// A key pressed or released on the keyboard, as SendInput delivers it: the physical key
// state follows, and the focused window gets the key messages.
void SendKeyInput(int key, bool down);
// The same, with the key messages this posts to the thread dropped.
void PressPhysically(int key, bool down);
// The same for the primary mouse button, wherever the cursor is.
void PressButtonPhysically(bool down);
