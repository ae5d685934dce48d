// The modeless Find and Replace dialog (resource 111): it collects a request into the
// SearchRequest and asks its owner, by a registered message, to carry it out.
#pragma once

#include "common/win32/WinApi.h"

#include "common/StringList.h"

#include <string>

class HotkeyTable;
struct SearchRequest;

class FindReplaceDialog {
public:
  FindReplaceDialog(SearchRequest& request, const HotkeyTable& hotkeys);
  ~FindReplaceDialog();
  FindReplaceDialog(const FindReplaceDialog&) = delete;
  FindReplaceDialog& operator=(const FindReplaceDialog&) = delete;

  // The message the owner receives for every request ("Quilvane_FindReplaceDlg").
  static UINT RequestMessage();

  // Destroys a window open before, then creates the dialog owned by owner and shows it.
  // utf8: the document is UTF-8; the initial text is too, and so are the texts of the
  // requests.
  bool Open(HINSTANCE instance, HWND owner, bool findMode, const std::string& initialText, bool readOnly, bool utf8);
  void Close();
  // Null while no dialog window exists.
  HWND Window() const { return Handle; }
  bool IsShown() const { return Handle && IsWindowVisible(Handle); }
  // The document's read-only state changed: the Replace buttons follow.
  void SetReadOnly(bool readOnly);
  // The dialog's keyboard: Switch Clipboard's hotkey, then the dialog keys. True when the
  // message was consumed.
  bool PreTranslate(MSG& message);

private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Initialise();
  void ApplyFindModeLayout();
  void FillChecks();
  void UpdateButtons();
  void OnCommand(int id, int code);
  void OnFindComboPicked();
  void Press(int action);
  void TakeRequest(int action);
  std::string FieldText(int id) const;
  void Remember(StringList& history, const std::string& text) const;
  bool IsSwitchClipboardKey(const MSG& message) const;

  SearchRequest& Request;
  const HotkeyTable& Hotkeys;
  HWND Handle = nullptr;
  HWND Owner = nullptr;
  bool findMode = true;
  std::string initialText;
  bool readOnly = false;
  bool utf8 = false;
  bool firstRequest = true;
  // Switch Clipboard's hotkey, looked up when the dialog opens; key 0: none.
  int switchKey = 0;
  int switchModifiers = 0;
};
