// The Search menu: the find dialog's opening and its requests, Find Next and Previous, the
// dialog's place beside a match, and Goto Line.
#include "editor/shell/AppSettings.h"
#include "editor/shell/FindDialogPlacement.h"
#include "editor/shell/RunSearchRequest.h"
#include "editor/shell/SearchFeedback.h"
#include "editor/shell/win32/AnsiCodePage.h"
#include "editor/shell/win32/GotoDialog.h"
#include "editor/shell/win32/MainWindow.h"

#include "common/LineEnds.h"
#include "common/win32/OwnerCentring.h"

namespace {

// Message boxes belong to the find dialog while it shows, else to the main window. They
// show text of the ANSI code page: a UTF-8 document's search text is converted.
class WindowSearchFeedback : public SearchFeedback {
public:
  WindowSearchFeedback(const FindReplaceDialog& dialog, HWND main, bool utf8) : Dialog(dialog), Main(main), Utf8(utf8) {}

  void ShowInformation(const std::string& text, const char* caption) override {
    MessageBoxOver(Dialog.IsShown() ? Dialog.Window() : Main, Utf8 ? AnsiFromUtf8(text).text : text, caption,
                   MB_OK | MB_ICONINFORMATION);
  }
  void BeginWait() override { Saved = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514))); }
  void EndWait() override { SetCursor(Saved); }

private:
  const FindReplaceDialog& Dialog;
  HWND Main;
  bool Utf8;
  HCURSOR Saved = nullptr;
};

void TrimLineBreaks(std::string& text) {
  const std::size_t first = text.find_first_not_of("\r\n");
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  text = text.substr(first, text.find_last_not_of("\r\n") - first + 1);
}

}  // namespace

// The word at the caret is found by the view's own double-click rule, then the selection
// is put back.
std::string MainWindow::InitialFindText() {
  SearchRequest& request = Settings.Search;
  std::string text;
  if (View.HasSelection()) {
    text = View.GetSelectedText();
    StripSoftBreaks(text);
    if (text.find('\n') == std::string::npos) return text;
    if (!View.IsReadOnly()) request.selectionOnly = true;
    return std::string();
  }
  const int caret = View.Caret();
  View.SelectWordAt(caret);
  text = View.GetSelectedText();
  View.SetSelection(caret, caret, ScrollNone);
  StripSoftBreaks(text);
  TrimLineBreaks(text);
  return text;
}

void MainWindow::OpenFindDialog(bool findMode) {
  FindDialog.Close();
  Settings.Search.selectionOnly = false;
  const std::string initialText = InitialFindText();
  FindDialog.Open(Instance, Handle, findMode, initialText, View.IsReadOnly(), View.IsUtf8());
}

// With the dialog closed only Find repeats; an open dialog repeats its last action.
void MainWindow::FindNextCommand(bool forward) {
  SearchRequest& request = Settings.Search;
  if (!FindDialog.IsShown()) request.doReplace = request.doReplaceAll = false;
  if (forward)
    request.flags &= ~SearchBackwards;
  else
    request.flags |= SearchBackwards;
  if (!request.findText.empty() && request.doFind)
    RunFindRequest();
  else
    OpenFindDialog(true);
}

void MainWindow::RunFindRequest() {
  WindowSearchFeedback feedback(FindDialog, Handle, View.IsUtf8());
  RunSearchRequest(View, Settings.Search, Progress, feedback);
  PlaceFindDialog();
}

void MainWindow::PlaceFindDialog() {
  HWND dialog = FindDialog.Window();
  if (!FindDialog.IsShown() || !View.HasSelection()) return;
  int x = 0, y = 0;
  View.PointFromPosition(View.SelectionStart(), x, y);
  POINT top{x, y};
  View.PointFromPosition(View.SelectionEnd(), x, y);
  POINT bottom{x, y + View.Metrics().LineHeight};
  ClientToScreen(View.Window(), &top);
  ClientToScreen(View.Window(), &bottom);
  RECT frame;
  GetWindowRect(dialog, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const int height = frame.bottom - frame.top;
  const int newTop = ::PlaceFindDialog(top.y, bottom.y, frame.top, height, monitor.rcWork.bottom - monitor.rcWork.top);
  if (newTop != frame.top)
    SetWindowPos(dialog, nullptr, frame.left, newTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Lines of the file, as the status bar counts them, also when word wrap shows more.
void MainWindow::OpenGotoDialog() {
  int number = 0;
  const int fileLines = View.HardLineOfLine(View.LineCount() - 1) + 1;
  if (!RunGotoDialog(Instance, Handle, fileLines, number)) return;
  View.GotoHardLine(number > 0 ? number - 1 : -1);
}
