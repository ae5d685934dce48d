// The editor's only top-level window: a resizable dialog with the menu, the view and the
// status bar; it runs the commands, keeps the menu states and owns the one document.
#pragma once

#include "common/win32/FileSystem.h"
#include "common/win32/WinApi.h"
#include "editor/shell/ClipboardHistory.h"
#include "editor/shell/CommandLineOptions.h"
#include "editor/shell/DocumentFormat.h"
#include "editor/shell/DynamicCommandIds.h"
#include "editor/shell/SearchProgress.h"
#include "editor/shell/win32/FindReplaceDialog.h"
#include "editor/view/win32/TextViewWindow.h"

#include <string>
#include <vector>

class AppSettings;
struct ToolCommand;
struct FileError;

class MainWindow {
public:
  MainWindow(const CommandLineOptions& options, AppSettings& settings);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates dialog 131, initialises it, shows it and opens the start-up document. False when
  // the window or the view cannot be created.
  bool Create(HINSTANCE instance, int showCommand);
  HWND Window() const { return Handle; }
  // The keyboard's first stop for every message of the thread: the main hotkey table, the
  // tools hotkey table, then the dialog's own keys. True when the message was consumed. The
  // message is in its Unicode form (GetMessageW), so that no typed character is narrowed.
  bool PreTranslate(MSG& message);
  // The start-up file's name as typed, for a name the code page cannot spell.
  void SetStartupWideName(std::wstring name) { startupWideName = std::move(name); }
  // Once per idle period of the message loop.
  void OnIdle();
  // The encoding and line breaks the document was read with and is written with. A Unicode
  // document's text in the view is UTF-8; an ANSI one's is the file's bytes.
  const DocumentFormat& Format() const { return documentFormat; }

private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The dialog procedure's body; result is the message's answer where it has one.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // Start-up and shutdown (MainWindow.cpp).
  bool Initialise();
  bool CreateChildren();
  void ApplySavedPlacement();
  void StorePlacement();
  void OnDestroy();
  // Layout and sizes.
  void Layout();
  void OnSize(WPARAM state);
  void OnExitSizeMove();
  bool PaintMinimised();
  // Status bar.
  void UpdateCaretStatus();
  void ShowOpeningStatus(const std::string& path);
  // The encoding and line-break parts, after the document's format changed.
  void UpdateFormatStatus();
  // Every part as wide as its text needs; the clipboard part takes what is left.
  void LayoutStatusParts();
  int StatusTextWidth(const std::string& text) const;
  // Menu states (MenuStates.cpp).
  void OnInitMenu(HMENU menu);
  void UpdateEditStates(HMENU menu);
  void WriteHotkeyTexts();
  // Tools (ToolsMenu.cpp).
  void BuildToolsMenu();
  bool ToolOffered(const ToolCommand& tool) const;
  void UpdateToolStates(HMENU menu);
  // Tools (ToolCommands.cpp). False when id is no tool's.
  bool RunToolCommand(unsigned id);
  void RunTool(const ToolCommand& tool);
  // The Tools and Hotkeys editors (ToolEditorCommands.cpp).
  void EditTools();
  void EditHotkeys();
  // Commands (MainWindow.cpp).
  bool OnCommand(WPARAM wParam, LPARAM lParam);
  bool RunFixedCommand(unsigned id);
  void OnViewNotification(int code);
  // The view takes edits from the user: not read-only and enabled.
  bool ViewIsEditable() const;
  void Exit();
  void ToggleWordWrap();
  // Search (FindCommands.cpp).
  void OpenFindDialog(bool findMode);
  std::string InitialFindText();
  void FindNextCommand(bool forward);
  void RunFindRequest();
  void PlaceFindDialog();
  void OpenGotoDialog();
  // Options (OptionsCommands.cpp).
  void ChooseViewFont();
  // The displayed font's zoom step, kept within its scale; the chosen font stays.
  void SetZoom(int zoom);
  void ShowEditorOptions();
  void ShowSyntaxColoring();
  // Printing (PrintCommand.cpp).
  void PrintDocument();
  // The selection or the whole text, without word wrap's soft breaks.
  std::string TextToPrint(bool selectionOnly) const;

  // Clipboards (ClipboardCommands.cpp).
  void JoinClipboardChain();
  void LeaveClipboardChain();
  void OnClipboardChainChanged(WPARAM leaving, LPARAM behind);
  void OnClipboardChanged(WPARAM wParam, LPARAM lParam);
  // Shows the clipboard's contents in the status bar; tracking: remember its text as well.
  void UpdateClipboardStatus(bool tracking);
  void SetClipboardStatusText(const std::string& status, bool utf8);
  void LastClipboard();
  // Questions are owned by owner: the main window, or the find dialog that asked.
  void SwitchClipboard(HWND owner);
  bool CanSwitchClipboard();
  // Text commands (TextCommands.cpp).
  void InsertTimeDate();
  void ConvertCase(int mode);

  // Documents (DocumentCommands.cpp).
  void OpenStartupDocument();
  void NewDocument();
  void OpenDocumentDialog();
  bool SaveDocument();
  bool SaveDocumentAs();
  // False when the file could not be read or is missing; the current document then stays.
  // quiet: such a failure is not reported.
  bool LoadDocument(const FilePath& path, bool isNew, bool quiet = false);
  bool WriteDocument(const FilePath& path, const DocumentFormat& format);
  // The view's text in the encoding family of format; an ANSI text with characters outside
  // the code page only after the user agreed to lose them. False when declined.
  bool TextInEncoding(const DocumentFormat& format, std::string& text, bool& converted);
  // The view's text replaced by its form in the new encoding; utf8: the view steps over
  // whole UTF-8 characters from now on.
  void ReplaceConvertedText(std::string text, bool utf8);
  // True to go on (saved, or declined); false when the user cancelled or the save failed.
  bool AskSaveModified();
  void SetDocumentPath(const FilePath& path);
  // The document's file in both its forms.
  FilePath CurrentFile() const { return {currentPath, currentWidePath}; }
  void UpdateCaption();
  void SetWideCaption(const wchar_t* caption);
  // True when another program changed the file since it was last loaded, saved or asked
  // about, so that the reload question was asked, or while that question is open.
  bool CheckExternalChange();
  void ReloadAfterExternalChange();
  void OpenDroppedFiles(HDROP drop);
  bool OpenRecent(unsigned id);
  void BuildRecentPopup();
  // The read-only state the document's file asks for.
  bool ShouldBeReadOnly(bool fileReadOnly) const;
  // Whether a write to path may replace the file that the view shows only in part: up to a
  // NUL byte, or with broken UTF-16 replaced.
  bool ConfirmCuttingFile(const FilePath& path);
  void ShowFileError(const FileError& error, bool reading);
  // Reports a folder or a device named as a document; true when path is one.
  bool RefuseNonFile(const FilePath& path);
  int ShowMessage(const std::string& text, const char* caption, UINT type);

  const CommandLineOptions& Options;
  AppSettings& Settings;
  HWND Handle = nullptr;
  HINSTANCE Instance = nullptr;
  TextViewWindow View;
  HWND StatusBar = nullptr;
  HICON Icon = nullptr;
  int StartShowCommand = -1;    // from the saved placement; -1: as the program was started
  HMENU ContextMenu = nullptr;  // owned by the view; kept to recognise its opening
  DynamicCommandIds CommandIds;
  std::vector<unsigned> RecentIds;  // the Recent popup's items, by position
  std::vector<unsigned> ToolIds;    // the Tools popup's items, by position
  FindReplaceDialog FindDialog;
  SearchProgress Progress;
  ClipboardHistory Clipboards;
  HWND NextClipboardViewer = nullptr;  // the successor in the clipboard-viewer chain

  std::string currentPath;
  // The exact name where currentPath, in the code page's letters, lost some; else empty.
  std::wstring currentWidePath;
  bool existsOnDisk = false;
  FileStamp lastFileStamp;  // the file's write time and size as last loaded, saved or asked about
  bool titleShowsModified = false;
  bool caretStatusValid = false;
  bool wasMaximized = false;
  // The document ends early at a NUL byte of its file: saving over that file would destroy
  // everything behind it, so the view stays read-only and such a save must be confirmed.
  bool cutAtNulByte = false;
  // The same for a UTF-16 file whose broken units the view shows as U+FFFD.
  bool replacedBadUnits = false;
  DocumentFormat documentFormat;
  int caretPartWidth = 0;  // grows with the caret text, never below its first width
  bool checkingExternalChange = false;
  bool settingsLoaded = false;
  std::wstring startupWideName;
};
