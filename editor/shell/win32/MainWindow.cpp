// The main window's life: creation of its children, layout, sizes, the status bar, command
// dispatch, the keyboard's route and the orderly shutdown.
#include "editor/shell/win32/MainWindow.h"

#include "editor/dialogs/win32/AboutBox.h"
#include "editor/resources/resource.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/CaseConversion.h"
#include "editor/shell/win32/LogFontRecord.h"
#include "editor/shell/win32/OpenHelp.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int StatusBarId = 0xE801;
constexpr int CaretStatusWidth = 100;
constexpr int CaretStatusPart = 0;
constexpr int EncodingStatusPart = 2;
constexpr int NewLineStatusPart = 3;
constexpr int StatusPartCount = 4;
// Room around a part's text: its borders and the gap the status bar keeps before the text.
constexpr int StatusTextPadding = 12;
constexpr UINT_PTR FileWatchTimer = 1;
constexpr UINT FileWatchPeriod = 1000;

// A fresh copy of the main menu's Edit popup, for the view's context menu.
HMENU LoadEditPopup(HINSTANCE instance) {
  HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINMENU));
  if (!menu) return nullptr;
  HMENU popup = GetSubMenu(menu, MENU_POS_EDIT);
  RemoveMenu(menu, MENU_POS_EDIT, MF_BYPOSITION);  // detaches the popup without destroying it
  DestroyMenu(menu);
  return popup;
}

}  // namespace

MainWindow::MainWindow(const CommandLineOptions& options, AppSettings& settings)
    : Options(options), Settings(settings), FindDialog(settings.Search, settings.Hotkeys) {}

MainWindow::~MainWindow() {
  if (Handle) DestroyWindow(Handle);
}

bool MainWindow::Create(HINSTANCE instance, int showCommand) {
  Instance = instance;
  CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
  if (!Handle || !View.Window()) return false;
  ShowWindow(Handle, StartShowCommand >= 0 ? StartShowCommand : showCommand);
  UpdateWindow(Handle);
  SetFocus(View.Window());
  OpenStartupDocument();
  return true;
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    reinterpret_cast<MainWindow*>(lParam)->Handle = window;
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!self) return FALSE;
  LRESULT result = 0;
  if (!self->HandleMessage(message, wParam, lParam, result)) return FALSE;
  SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  return TRUE;
}

bool MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == FindReplaceDialog::RequestMessage()) {
    RunFindRequest();
    return true;
  }
  switch (message) {
  case WM_INITDIALOG:
    if (!Initialise()) DestroyWindow(Handle);
    return true;
  case WM_CLOSE:
    if (AskSaveModified()) DestroyWindow(Handle);
    return true;
  case WM_QUERYENDSESSION:
    result = AskSaveModified() ? TRUE : FALSE;
    return true;
  case WM_DESTROY:
    OnDestroy();
    return true;
  case WM_NCDESTROY:
    Handle = nullptr;
    PostQuitMessage(0);
    return false;
  case WM_SIZE:
    OnSize(wParam);
    return true;
  case WM_EXITSIZEMOVE:
    OnExitSizeMove();
    return true;
  case WM_PAINT:
    return PaintMinimised();
  case WM_INITMENU:
    if (reinterpret_cast<HMENU>(wParam) == GetMenu(Handle)) OnInitMenu(reinterpret_cast<HMENU>(wParam));
    return true;
  case WM_INITMENUPOPUP:
    if (reinterpret_cast<HMENU>(wParam) == ContextMenu) UpdateEditStates(ContextMenu);
    return true;
  case WM_ENTERMENULOOP:
    // No caret blinks while the menu bar is open.
    if (!wParam && GetFocus() == View.Window()) View.FocusChanged(false);
    return true;
  case WM_EXITMENULOOP:
    if (!wParam && GetFocus() == View.Window()) View.FocusChanged(true);
    return true;
  case WM_COMMAND:
    return OnCommand(wParam, lParam);
  case WM_TIMER:
    if (wParam != FileWatchTimer) return true;
    CheckExternalChange();
    FindDialog.SetReadOnly(View.IsReadOnly());
    return true;
  case WM_DRAWCLIPBOARD:
    OnClipboardChanged(wParam, lParam);
    return true;
  case WM_CHANGECBCHAIN:
    OnClipboardChainChanged(wParam, lParam);
    return true;
  case WM_DROPFILES:
    OpenDroppedFiles(reinterpret_cast<HDROP>(wParam));
    return true;
  case WM_HELP:
    // F1 is a hotkey of the menu's help command; the platform's help request is swallowed.
    result = TRUE;
    return true;
  default:
    return false;
  }
}

bool MainWindow::Initialise() {
  Icon = static_cast<HICON>(LoadImageA(Instance, MAKEINTRESOURCEA(IDI_QUILVANE), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  SendMessageA(Handle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Icon));
  SendMessageA(Handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Icon));
  caretStatusValid = false;
  wasMaximized = false;
  if (!CreateChildren()) return false;
  Layout();
  JoinClipboardChain();
  Settings.Load();
  settingsLoaded = true;
  Settings.ApplyToView(View);
  UpdateClipboardStatus(false);  // tabs as wide as the settings make them
  ContextMenu = LoadEditPopup(Instance);
  View.SetContextMenu(ContextMenu);
  BuildToolsMenu();
  WriteHotkeyTexts();
  OnInitMenu(GetMenu(Handle));
  ApplySavedPlacement();
  SetTimer(Handle, FileWatchTimer, FileWatchPeriod, nullptr);
  DragAcceptFiles(Handle, TRUE);
  return true;
}

bool MainWindow::CreateChildren() {
  RECT client;
  GetClientRect(Handle, &client);
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP;
  if (!View.CreateView(Handle, client, style, WS_EX_CLIENTEDGE, IDC_VIEW, nullptr, nullptr)) return false;
  StatusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, Handle,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(StatusBarId)), Instance, nullptr);
  if (!StatusBar) return false;
  caretPartWidth = CaretStatusWidth;
  UpdateFormatStatus();
  return true;
}

void MainWindow::ApplySavedPlacement() {
  const RectRecord& saved = Settings.WinPos;
  const bool empty = saved.left == 0 && saved.top == 0 && saved.right == 0 && saved.bottom == 0;
  if (!Settings.Maximized && empty) return;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(Handle, &placement);
  if (!empty) placement.rcNormalPosition = RECT{saved.left, saved.top, saved.right, saved.bottom};
  // The window takes its normal rectangle while still hidden; showing it maximised then
  // keeps that rectangle as the one to restore.
  placement.showCmd = SW_HIDE;
  SetWindowPlacement(Handle, &placement);
  StartShowCommand = Settings.Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
}

void MainWindow::StorePlacement() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(Handle, &placement)) return;
  Settings.Maximized = placement.showCmd == SW_SHOWMAXIMIZED;
  const RECT& normal = placement.rcNormalPosition;
  Settings.WinPos.left = normal.left;
  Settings.WinPos.top = normal.top;
  Settings.WinPos.right = normal.right;
  Settings.WinPos.bottom = normal.bottom;
}

void MainWindow::OnDestroy() {
  KillTimer(Handle, FileWatchTimer);
  LeaveClipboardChain();
  // A window that failed before reading the settings must not write defaults over them.
  if (settingsLoaded) {
    StorePlacement();
    Settings.Save();
  }
  if (Icon) DestroyIcon(Icon);
  Icon = nullptr;
}

// The status bar keeps its height at the bottom; the view fills the rest. The view's class
// redraws it whole when its size changes, frame and scroll bars included.
void MainWindow::Layout() {
  if (!View.Window() || !StatusBar) return;
  SendMessageA(StatusBar, WM_SIZE, 0, 0);
  LayoutStatusParts();
  RECT client, status;
  GetClientRect(Handle, &client);
  GetWindowRect(StatusBar, &status);
  const int height = client.bottom - (status.bottom - status.top);
  SetWindowPos(View.Window(), nullptr, 0, 0, client.right, height > 0 ? height : 0, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::OnSize(WPARAM state) {
  Layout();
  const bool maximised = state == SIZE_MAXIMIZED;
  if ((maximised || (wasMaximized && state != SIZE_MINIMIZED)) && View.GetWordWrap()) View.Rewrap(true);
  wasMaximized = maximised;
}

void MainWindow::OnExitSizeMove() {
  if (View.GetWordWrap()) View.Rewrap(true);
}

// A minimised window shows the icon in the middle of its client area.
bool MainWindow::PaintMinimised() {
  if (!IsIconic(Handle)) return false;
  PAINTSTRUCT paint;
  HDC context = BeginPaint(Handle, &paint);
  SendMessageA(Handle, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(context), 0);
  RECT client;
  GetClientRect(Handle, &client);
  const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(context, x, y, Icon);
  EndPaint(Handle, &paint);
  return true;
}

void MainWindow::OnIdle() {
  if (caretStatusValid || !StatusBar) return;
  UpdateCaretStatus();
  caretStatusValid = true;
}

// Ln counts line breaks; Col restarts on every display line, a tab counting as one.
void MainWindow::UpdateCaretStatus() {
  const int caret = View.Caret();
  const int line = View.LineFromPosition(caret);
  char text[64];
  std::snprintf(text, sizeof text, "Ln %d, Col %d", View.HardLineOfLine(line) + 1, View.ColumnOfPosition(caret) + 1);
  SendMessageA(StatusBar, SB_SETTEXTA, CaretStatusPart, reinterpret_cast<LPARAM>(text));
  const int width = StatusTextWidth(text);
  if (width <= caretPartWidth) return;
  caretPartWidth = width;
  LayoutStatusParts();
}

void MainWindow::UpdateFormatStatus() {
  if (!StatusBar) return;
  SendMessageA(StatusBar, SB_SETTEXTA, EncodingStatusPart,
               reinterpret_cast<LPARAM>(EncodingName(documentFormat.encoding)));
  SendMessageA(StatusBar, SB_SETTEXTA, NewLineStatusPart,
               reinterpret_cast<LPARAM>(NewLineTypeName(documentFormat.newLineType)));
  LayoutStatusParts();
}

// The last part reaches under the size grip, so it is given the grip's width on top.
void MainWindow::LayoutStatusParts() {
  if (!StatusBar) return;
  RECT client;
  GetClientRect(StatusBar, &client);
  const int lineBreaks = StatusTextWidth(NewLineTypeName(documentFormat.newLineType)) + GetSystemMetrics(SM_CXVSCROLL);
  const int encoding = StatusTextWidth(EncodingName(documentFormat.encoding));
  const int formatLeft = std::max(caretPartWidth, static_cast<int>(client.right) - lineBreaks - encoding);
  int parts[StatusPartCount] = {caretPartWidth, formatLeft, formatLeft + encoding, -1};
  SendMessageA(StatusBar, SB_SETPARTS, StatusPartCount, reinterpret_cast<LPARAM>(parts));
}

int MainWindow::StatusTextWidth(const std::string& text) const {
  HDC context = GetDC(StatusBar);
  const HGDIOBJ old = SelectObject(context, reinterpret_cast<HFONT>(SendMessageA(StatusBar, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(context, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(context, old);
  ReleaseDC(StatusBar, context);
  return size.cx + StatusTextPadding;
}

bool MainWindow::PreTranslate(MSG& message) {
  if (FindDialog.PreTranslate(message)) return true;
  if (!Handle || (message.hwnd != Handle && !IsChild(Handle, message.hwnd))) return false;
  if (HACCEL main = Settings.Hotkeys.GetHandle()) {
    if (TranslateAcceleratorW(Handle, main, &message)) return true;
  }
  // A tool's hotkey that the main table also holds never reaches here.
  if (HACCEL tools = Settings.ToolHotkeys.GetHandle()) {
    if (TranslateAcceleratorW(Handle, tools, &message)) return true;
  }
  return IsDialogMessageW(Handle, &message) != FALSE;
}

bool MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  const unsigned id = LOWORD(wParam);
  const unsigned code = HIWORD(wParam);
  if (lParam) {
    if (id == IDC_VIEW && reinterpret_cast<HWND>(lParam) == View.Window()) OnViewNotification(static_cast<int>(code));
    return lParam == reinterpret_cast<LPARAM>(View.Window());
  }
  if (code != 0 && code != 1) return false;
  if (RunFixedCommand(id)) return true;
  return OpenRecent(id) || RunToolCommand(id);
}

bool MainWindow::RunFixedCommand(unsigned id) {
  switch (id) {
  case ID_FILE_NEW: NewDocument(); break;
  case ID_FILE_OPEN: OpenDocumentDialog(); break;
  case ID_FILE_SAVE: SaveDocument(); break;
  case ID_FILE_SAVE_AS: SaveDocumentAs(); break;
  case ID_FILE_PRINT: PrintDocument(); break;
  case ID_FILE_EXIT: Exit(); break;
  case ID_EDIT_UNDO: View.Undo(); break;
  case ID_EDIT_REDO: View.Redo(); break;
  case ID_EDIT_CUT: View.Cut(); break;
  case ID_EDIT_COPY: View.Copy(); break;
  case ID_EDIT_PASTE: View.Paste(); break;
  case ID_EDIT_DELETE: View.ReplaceSelection("", false); break;
  case ID_EDIT_SELECT_ALL: View.SelectAll(); break;
  case ID_SEARCH_FIND: OpenFindDialog(true); break;
  case ID_SEARCH_REPLACE: OpenFindDialog(false); break;
  case ID_SEARCH_FIND_NEXT: FindNextCommand(true); break;
  case ID_SEARCH_FIND_PREVIOUS: FindNextCommand(false); break;
  case ID_SEARCH_GOTO_LINE: OpenGotoDialog(); break;
  case ID_SEARCH_MATCH_BRACE: View.MatchBrace(); break;
  case ID_EDIT_LAST_CLIPBOARD: LastClipboard(); break;
  case ID_EDIT_SWITCH_CLIPBOARD:
    // From the find dialog's hotkey, the dialog owns the warning.
    SwitchClipboard(FindDialog.IsShown() && GetActiveWindow() == FindDialog.Window() ? FindDialog.Window() : Handle);
    break;
  case ID_EDIT_INSERT_TIME_DATE: InsertTimeDate(); break;
  case ID_EDIT_LOWER_CASE: ConvertCase(LowerCase); break;
  case ID_EDIT_UPPER_CASE: ConvertCase(UpperCase); break;
  case ID_EDIT_TITLE_CASE: ConvertCase(TitleCase); break;
  case ID_EDIT_TOGGLE_CASE: ConvertCase(ToggleCase); break;
  case ID_BOOKMARKS_TOGGLE: View.ToggleBookmark(); break;
  case ID_BOOKMARKS_NEXT: View.NextBookmark(true); break;
  case ID_BOOKMARKS_PREVIOUS: View.NextBookmark(false); break;
  case ID_BOOKMARKS_CLEAR_ALL: View.ClearBookmarks(); break;
  case ID_OPTIONS_FONT: ChooseViewFont(); break;
  case ID_OPTIONS_EDITOR: ShowEditorOptions(); break;
  case ID_OPTIONS_SYNTAX_COLORING: ShowSyntaxColoring(); break;
  case ID_HELP_ABOUT: RunAboutBox(Instance, Handle); break;
  case ID_OPTIONS_WORD_WRAP: ToggleWordWrap(); break;
  case ID_OPTIONS_ZOOM_IN: SetZoom(Settings.Zoom + 1); break;
  case ID_OPTIONS_ZOOM_OUT: SetZoom(Settings.Zoom - 1); break;
  case ID_OPTIONS_ZOOM_RESET: SetZoom(0); break;
  case ID_HELP_CONTENTS:
  case ID_HELP: OpenHelp("", Handle); break;
  case ID_TOOLS_EDIT_TOOLS: EditTools(); break;
  case ID_OPTIONS_HOTKEYS: EditHotkeys(); break;
  default: return false;
  }
  return true;
}

void MainWindow::OnViewNotification(int code) {
  if (code == TVN_TEXTCHANGED) {
    if (titleShowsModified != View.IsModified()) UpdateCaption();
  } else if (code == TVN_SELCHANGED) {
    caretStatusValid = false;
    Progress.SelectionMoved(View.SelectionStart());
  } else if (code == TVN_ZOOMIN || code == TVN_ZOOMOUT) {
    SetZoom(Settings.Zoom + (code == TVN_ZOOMIN ? 1 : -1));
  }
}

bool MainWindow::ViewIsEditable() const {
  return !View.IsReadOnly() && IsWindowEnabled(View.Window());
}

void MainWindow::Exit() {
  if (AskSaveModified()) DestroyWindow(Handle);
}

void MainWindow::ToggleWordWrap() {
  const bool on = !(GetMenuState(GetMenu(Handle), ID_OPTIONS_WORD_WRAP, MF_BYCOMMAND) & MF_CHECKED);
  View.SetWordWrap(on);
  Settings.WordWrap = on;
  caretStatusValid = false;
}
