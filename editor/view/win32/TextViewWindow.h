// The edit control as a Win32 child window of the Unicode class "EditCtrl": it turns window
// messages into calls of the portable view and the view's requests into GDI, caret, scroll-bar, timer
// and clipboard calls.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/view/TextView.h"
#include "editor/view/win32/GdiMeasurer.h"
#include "editor/view/win32/SystemClipboard.h"
#include "editor/view/win32/ViewWindowHost.h"

// What the TextView base is built on; a base of its own so that it exists before the view.
struct TextViewWindowParts {
  GdiMeasurer WindowMeasurer;
  ViewWindowHost WindowHost;
  SystemClipboard WindowClipboard;
};

class TextViewWindow : private TextViewWindowParts, public TextView {
public:
  TextViewWindow();
  ~TextViewWindow() override;

  // Creates the window (style 0: a visible child clipping siblings and children). False when
  // the class cannot be registered or the window cannot be created.
  bool CreateView(HWND parent, const RECT& rect, DWORD style, DWORD exStyle, int id,
                  RefPtr<LanguageDef> language, RefPtr<ColorScheme> scheme);
  HWND Window() const;
  int ControlId() const;

  // A copy of the font is made; an identical font changes nothing.
  void SetFont(HFONT font);
  HFONT Font() const;
  // Takes ownership of the popup menu, destroying the one owned before.
  void SetContextMenu(HMENU popup);
  void ShowHorizontalScrollBar(bool show);
  void ShowVerticalScrollBar(bool show);
  bool HasText() const { return Length() >= 1; }

protected:
  // Every message of the window; what it does not handle goes to DefaultProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The window procedure of the class, as a subclass would chain to it.
  static WNDPROC ClassWindowProc();
  // Called after the last message of the window (WM_NCDESTROY); does nothing here.
  virtual void OnFinalMessage(HWND window);

private:
  static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static bool RegisterViewClass();
  void Bind(HWND window);

  // Message handlers (TextViewWindow.cpp).
  LRESULT OnKeyDown(WPARAM key, LPARAM lParam);
  void OnChar(WPARAM ch);
  void OnUnicodeChar(unsigned codePoint);
  LRESULT OnGetText(WPARAM size, LPARAM buffer);
  // The window's UTF-16 text: the document's bytes read in the code page.
  std::wstring WideText() const;
  void OnPaint();
  void OnEraseBackground(HDC context);
  LRESULT OnCalcSize(WPARAM wParam, LPARAM lParam);
  void OnNcPaint(WPARAM region);
  void OnTimer(WPARAM id);
  void OnScanTimer();
  void OnMouseWheel(WPARAM wParam);
  void OnScroll(int bar, WPARAM wParam);
  bool OnSetCursor(WPARAM over, LPARAM lParam);
  bool OnContextMenu(LPARAM point);
  void OnSize();
  void OnFinalDestroy(UINT message, WPARAM wParam, LPARAM lParam);
  void ShowScrollBarOf(int bar, bool show);

  HWND Handle = nullptr;
  int Id = 0;
  // The font the view owns: null while it shows the stock GUI font.
  HFONT OwnedFont = nullptr;
  HMENU ContextMenu = nullptr;
  // The first half of a surrogate pair typed, waiting for its second half; 0 when none.
  unsigned PendingHighSurrogate = 0;
};
