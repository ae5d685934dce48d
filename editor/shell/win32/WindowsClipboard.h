// The clipboard commands' view of the system clipboard, through the common clipboard functions.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/shell/ClipboardAccess.h"

class WindowsClipboard : public ClipboardAccess {
public:
  // owner: the window that opens the clipboard; utf8: the document it serves is UTF-8.
  WindowsClipboard(HWND owner, bool utf8) : Owner(owner), Utf8(utf8) {}

  bool GetText(std::string& text, bool stripSoftBreaks) override;
  bool SetText(const std::string& text, bool toCrLf) override;
  bool GetFiles(std::vector<std::string>& files) override;
  bool HasText() override;
  bool HasAnyData() override;
  bool IsUtf8() const override { return Utf8; }

private:
  HWND Owner;
  bool Utf8;
};
