// Messages sent across processes to the editor's dialogs, and a way to wait for posted ones.
#include "tests/dialogs/win32/DialogDriver.h"

#include "tests/shell/win32/EditorProcess.h"

// Wine hands another process's list-box lines over as wide characters whatever was asked for,
// so they are asked for as such and turned back into the editor's code page.
std::vector<std::string> ListLines(HWND dialog, int id) {
  std::vector<std::string> lines;
  HWND list = GetDlgItem(dialog, id);
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    wchar_t wide[512] = L"";
    const LRESULT length = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide));
    char text[1024] = "";
    const int bytes = length > 0 ? WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), text, sizeof text,
                                                       nullptr, nullptr)
                                 : 0;
    lines.emplace_back(text, static_cast<size_t>(bytes));
  }
  return lines;
}

int LineIndex(HWND dialog, int id, const std::string& text) {
  const std::vector<std::string> lines = ListLines(dialog, id);
  for (size_t index = 0; index < lines.size(); ++index)
    if (lines[index] == text) return static_cast<int>(index);
  return -1;
}

void ClickLine(HWND dialog, int id, int index) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void SetField(HWND dialog, int id, const std::string& text) {
  SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string FieldText(HWND dialog, int id) {
  return WindowText(GetDlgItem(dialog, id));
}

void SetHotkey(HWND dialog, int key, int modifiers) {
  SendMessageA(GetDlgItem(dialog, 1054), HKM_SETHOTKEY, MAKEWORD(key, modifiers), 0);
}

// Posted messages are handled in order, also by the loop of a message box the dialog shows:
// once a default button id posted last has arrived, everything posted before has been handled.
void Settle(HWND dialog) {
  SendMessageA(dialog, DM_SETDEFID, IDCANCEL, 0);
  PostMessageA(dialog, DM_SETDEFID, IDOK, 0);
  EditorProcess::WaitUntil([&] { return !IsWindow(dialog) || LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)) == IDOK; });
}

void WaitUntilClosed(HWND window) {
  EditorProcess::WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); });
}
