// The clipboard commands' view of the system clipboard, through the common clipboard functions.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/shell/ClipboardAccess.h"

class WindowsClipboard : public ClipboardAccess {
public:
  // owner: the window that opens the clipboard.
  explicit WindowsClipboard(HWND owner) : Owner(owner) {}

  bool GetText(std::string& text, bool stripSoftBreaks) override;
  bool SetText(const std::string& text, bool toCrLf) override;
  bool GetFiles(std::vector<std::string>& files) override;
  bool HasText() override;
  bool HasAnyData() override;

private:
  HWND Owner;
};
