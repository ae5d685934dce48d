// The view's clipboard on Windows: CF_TEXT, CF_UNICODETEXT for UTF-8 text, and dropped-file
// lists, through the common functions.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/view/ViewClipboard.h"

class SystemClipboard : public ViewClipboard {
public:
  explicit SystemClipboard(HWND owner = nullptr) : Owner(owner) {}
  // The window that opens the clipboard; a view learns its own only once it is created.
  void SetOwner(HWND owner) { Owner = owner; }

  bool SetText(const std::string& text, bool utf8) override;
  bool GetText(std::string& text, bool utf8) override;
  bool ReadFiles(std::string& text) override;
  bool CanPaste() override;

private:
  HWND Owner;
};
