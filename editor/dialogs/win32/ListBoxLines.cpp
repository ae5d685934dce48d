// List-box lines through the control's own messages.
#include "editor/dialogs/win32/ListBoxLines.h"

void FillListBox(HWND dialog, int id, const std::vector<std::string>& lines) {
  SendDlgItemMessageA(dialog, id, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : lines)
    SendDlgItemMessageA(dialog, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

std::vector<std::string> ListBoxLines(HWND dialog, int id) {
  std::vector<std::string> lines;
  const int count = static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    const LRESULT length = SendDlgItemMessageA(dialog, id, LB_GETTEXTLEN, index, 0);
    std::string line(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const LRESULT copied = SendDlgItemMessageA(dialog, id, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&line[0]));
    line.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    lines.push_back(line);
  }
  return lines;
}

void ReplaceListBoxLine(HWND dialog, int id, int index, const std::string& text) {
  const int selection = ListBoxSelection(dialog, id);
  SendDlgItemMessageA(dialog, id, LB_DELETESTRING, index, 0);
  SendDlgItemMessageA(dialog, id, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
  SelectListBoxLine(dialog, id, selection);
}

int ListBoxSelection(HWND dialog, int id) {
  const LRESULT selection = SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0);
  return selection == LB_ERR ? -1 : static_cast<int>(selection);
}

void SelectListBoxLine(HWND dialog, int id, int index) {
  SendDlgItemMessageA(dialog, id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
