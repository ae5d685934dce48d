// The document on the main window: new, open, save, save as, the save question, the caption,
// the watch for changes by other programs, dropped files and the Recent popup.
#include "common/FileError.h"
#include "common/Paths.h"
#include "common/TextEncoding.h"
#include "common/TextFile.h"
#include "common/win32/FileSystem.h"
#include "common/win32/OwnerCentring.h"
#include "editor/resources/resource.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/DeviceName.h"
#include "editor/shell/DocumentText.h"
#include "editor/shell/OpenFilter.h"
#include "editor/shell/TrailingBlanks.h"
#include "editor/shell/win32/AnsiCodePage.h"
#include "editor/shell/win32/FileErrorMessage.h"
#include "editor/shell/win32/MainWindow.h"
#include "editor/shell/win32/SaveAsDialog.h"
#include "editor/shell/win32/WaitCursorScope.h"

#include <algorithm>

namespace {

// Resets a flag when the scope ends, however it ends.
class FlagScope {
public:
  explicit FlagScope(bool& flag) : Flag(flag) { Flag = true; }
  ~FlagScope() { Flag = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

private:
  bool& Flag;
};

bool SamePath(const std::string& first, const std::string& second) {
  return lstrcmpiA(first.c_str(), second.c_str()) == 0;
}

// A path that the platform's own search finds under the same name: absolute and complete,
// so that the Recent list never holds relative or untitled names.
bool IsResolvedPath(const std::string& path) {
  char found[MAX_PATH];
  const DWORD length = SearchPathA(nullptr, path.c_str(), nullptr, sizeof found, found, nullptr);
  return length > 0 && length < sizeof found && SamePath(found, path);
}

// The common dialogs take "|" separated filters as NUL separated ones.
std::string DialogFilter(std::string filter) {
  std::replace(filter.begin(), filter.end(), '|', '\0');
  return filter;
}

constexpr size_t DialogPathSize = 4096;

// The dialogs' wide forms take every file name; the settings hold code-page text.
std::wstring WideFromUtf8(const std::string& utf8) {
  std::size_t replaced = 0;
  const std::u16string units = Utf16FromUtf8(utf8, replaced);
  return std::wstring(units.begin(), units.end());
}

std::string Utf8FromWide(const std::wstring& wide) {
  std::size_t replaced = 0;
  return Utf8FromUtf16(std::u16string(wide.begin(), wide.end()), replaced);
}

std::wstring WideFromAnsi(const std::string& ansi) {
  return WideFromUtf8(Utf8FromAnsi(ansi));
}

// The exact name of a file, whichever of its forms holds it.
std::wstring WideName(const FilePath& path) {
  return path.Wide.empty() ? WideFromAnsi(path.Ansi) : path.Wide;
}

// The file the Open dialog's choice names. The name is looked at in UTF-8, where no byte of a
// character beyond ASCII can pass for the dot or the backslash.
FilePath OpenDialogFile(const std::wstring& chosen, const std::string& defaultExtension) {
  const std::string path =
      OpenDialogPath(Utf8FromWide(chosen), Utf8FromAnsi(defaultExtension),
                     [](const std::string& utf8) { return FileExists(FilePathFromWide(WideFromUtf8(utf8))); });
  return FilePathFromWide(WideFromUtf8(path));
}

std::string CutFileQuestion(const std::string& path) {
  return "File '" + path +
         "' contains binary data (NUL bytes) behind the text shown. Saving over it keeps only the text "
         "before the first NUL byte and loses the rest.\n\nDo you want to save over it anyway?";
}

}  // namespace

// A folder or a device cannot be a document; the Recent list does not offer it again.
bool MainWindow::RefuseNonFile(const FilePath& path) {
  NotAFile what;
  if (IsDeviceName(path.Ansi))
    what = NotAFile::Device;
  else if (IsFolder(path))
    what = NotAFile::Folder;
  else
    return false;
  ShowMessage(NotAFileMessage(path.Ansi, what), "Error", MB_OK | MB_ICONERROR);
  if (path.Wide.empty()) Settings.RecentFiles.Remove(path.Ansi);
  return true;
}

int MainWindow::ShowMessage(const std::string& text, const char* caption, UINT type) {
  return MessageBoxOver(Handle, text, caption, type);
}

void MainWindow::ShowFileError(const FileError& error, bool reading) {
  ShowMessage(FileErrorMessage(error, reading ? FileAccess::Read : FileAccess::Write), "Error", MB_OK | MB_ICONERROR);
}

void MainWindow::OpenStartupDocument() {
  const FilePath name = startupWideName.empty() ? FilePath{Options.fileName, {}} : FilePathFromWide(startupWideName);
  const FilePath untitled{UntitledName(Settings.DefaultExtention), {}};
  bool opened = false;
  if (name.Ansi.empty())
    opened = LoadDocument(untitled, true);
  else if (RefuseNonFile(name))
    opened = false;
  else if (FileExists(name))
    opened = LoadDocument(FullLongPath(name), false, true);
  else
    opened = LoadDocument(name, true);
  if (!opened) LoadDocument(untitled, true);
  if (Options.gotoLine > 0) View.GotoHardLine(Options.gotoLine - 1);
}

void MainWindow::NewDocument() {
  if (AskSaveModified()) LoadDocument({UntitledName(Settings.DefaultExtention), {}}, true);
}

void MainWindow::OpenDocumentDialog() {
  if (!AskSaveModified()) return;
  const std::wstring filter = WideFromAnsi(DialogFilter(BuildOpenFilter(Settings.Languages)));
  std::wstring file(DialogPathSize, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Handle;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(FilterIndex(Settings.Languages, Settings.OpenFilterName));
  dialog.lpstrFile = &file[0];
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  const bool confirmed = GetOpenFileNameW(&dialog) != FALSE;
  Settings.OpenFilterName = FilterName(Settings.Languages, static_cast<int>(dialog.nFilterIndex));
  if (!confirmed) return;
  LoadDocument(OpenDialogFile(file.c_str(), Settings.DefaultExtention), false);
}

bool MainWindow::SaveDocument() {
  if (!View.IsModified()) return true;
  if (IsUntitled(currentPath) || !FileExists(CurrentFile()) || IsFolder(CurrentFile())) return SaveDocumentAs();
  // A change by another program that the timer has not seen yet must not be overwritten
  // unseen: the question comes first, and whatever the answer, this save ends there (after
  // a reload there is nothing left to save).
  if (CheckExternalChange()) return !View.IsModified();
  return WriteDocument(CurrentFile(), documentFormat);
}

bool MainWindow::SaveDocumentAs() {
  std::wstring path = WideName(CurrentFile());
  DocumentFormat format = documentFormat;
  const std::wstring extension = WideFromAnsi(Settings.DefaultExtention);
  if (!RunSaveAsDialog(Instance, Handle, extension.empty() ? nullptr : extension.c_str(), path, format)) return false;
  return WriteDocument(FilePathFromWide(path), format);
}

bool MainWindow::LoadDocument(const FilePath& path, bool isNew, bool quiet) {
  WaitCursorScope wait;
  if (!isNew && RefuseNonFile(path)) return false;
  if (!isNew && !FileExists(path)) {
    if (!quiet) ShowMessage(MissingFileMessage(path.Ansi), "Error", MB_OK | MB_ICONERROR);
    if (path.Wide.empty()) Settings.RecentFiles.Remove(path.Ansi);
    return false;
  }
  UpdateWindow(Handle);
  DecodedDocument document;
  document.format.newLineType = Settings.NewLineType;
  if (!isNew) {
    ShowOpeningStatus(path.Ansi);
    try {
      document = DecodeDocument(path.Wide.empty() ? ReadFileBytes(path.Ansi) : ReadFileBytes(path.Wide),
                                Settings.NewLineType);
    } catch (const FileError& error) {
      if (!quiet) ShowFileError(error, true);
      return false;
    }
  }
  const FilePath newPath = path;  // path may be the current file itself
  View.SetText("");
  View.SetModified(false);
  cutAtNulByte = document.heldNulByte;
  replacedBadUnits = document.replacedUnits > 0;
  documentFormat = document.format;
  UpdateFormatStatus();
  View.SetUtf8(documentFormat.encoding != TextEncoding::Ansi);
  UpdateClipboardStatus(false);  // the clipboard's text as this document's form reads it
  SetDocumentPath(newPath);
  if (!isNew) {
    View.SetText(std::move(document.text));
    View.SetModified(false);
    View.SetReadOnly(ShouldBeReadOnly(IsReadOnly(newPath)));
  } else {
    View.SetReadOnly(false);
  }
  UpdateCaption();
  View.ClearUndo();
  existsOnDisk = !isNew && FileExists(newPath);
  if (existsOnDisk) lastFileStamp = GetFileStamp(newPath);
  if (cutAtNulByte) ShowMessage(BinaryFileMessage(newPath.Ansi), "Quilvane", MB_OK | MB_ICONWARNING);
  if (replacedBadUnits)
    ShowMessage(ReplacedUnitsMessage(newPath.Ansi, EncodingName(documentFormat.encoding), document.replacedUnits),
                "Quilvane", MB_OK | MB_ICONWARNING);
  return true;
}

// A large file takes a while to read: the status bar names it meanwhile, until the idle
// time after the load, or after the report of a failed read, shows the caret's place again.
void MainWindow::ShowOpeningStatus(const std::string& path) {
  caretStatusValid = false;
  if (!StatusBar) return;
  const std::string text = "Opening " + FileNameOf(path) + "...";
  SendMessageA(StatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
  UpdateWindow(StatusBar);
}

bool MainWindow::ShouldBeReadOnly(bool fileReadOnly) const {
  return fileReadOnly || cutAtNulByte || replacedBadUnits;
}

bool MainWindow::ConfirmCuttingFile(const FilePath& path) {
  if (!(cutAtNulByte || replacedBadUnits)) return true;
  const FilePath target = FullLongPath(path);
  const FilePath current = FullLongPath(CurrentFile());
  if (!SamePath(target.Ansi, current.Ansi) || lstrcmpiW(target.Wide.c_str(), current.Wide.c_str()) != 0) return true;
  const std::string question = cutAtNulByte ? CutFileQuestion(currentPath) : ReplacedUnitsQuestion(currentPath);
  return ShowMessage(question, "Save File", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

bool MainWindow::TextInEncoding(const DocumentFormat& format, std::string& text, bool& converted) {
  const bool toAnsi = format.encoding == TextEncoding::Ansi;
  converted = toAnsi != (documentFormat.encoding == TextEncoding::Ansi);
  if (!converted) return true;
  if (!toAnsi) {
    text = Utf8FromAnsi(text);
    return true;
  }
  AnsiConversion ansi = AnsiFromUtf8(text);
  if (ansi.lostCount > 0 &&
      ShowMessage(AnsiLossQuestion(ansi.lostCount, ansi.lostExamples), "Save File",
                  MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
    return false;
  text = std::move(ansi.text);
  return true;
}

// A failed write keeps the document modified and reports false, so that no question that
// asked for the save goes on to discard the text.
bool MainWindow::WriteDocument(const FilePath& path, const DocumentFormat& format) {
  if (FileExists(path) && IsReadOnly(path)) {
    ShowMessage(ReadOnlyTargetMessage(path.Ansi), "Error", MB_OK | MB_ICONERROR);
    return false;
  }
  if (!ConfirmCuttingFile(path)) return false;
  WaitCursorScope wait;
  if (Settings.RemoveTrailingWhitespaceOnSave) RemoveTrailingBlanks(View);
  std::string text = View.GetText(NewLineLf);
  bool converted = false;
  if (!TextInEncoding(format, text, converted)) return false;
  std::size_t replaced = 0;
  // Only a converted text is needed again afterwards; any other is handed on without a copy.
  const std::string bytes =
      converted ? EncodeDocument(text, format, replaced) : EncodeDocument(std::move(text), format, replaced);
  if (replaced > 0 && ShowMessage(InvalidUtf8Question(replaced), "Save File", MB_YESNO | MB_ICONWARNING |
                                  MB_DEFBUTTON2) != IDYES)
    return false;
  try {
    if (path.Wide.empty()) WriteTextFile(path.Ansi, bytes);
    else WriteTextFile(path.Wide, bytes);
  } catch (const FileError& error) {
    ShowFileError(error, false);
    return false;
  }
  // The view holds the text in the form of the new encoding from now on; the old steps of
  // the undo history were made on the old form.
  if (converted) ReplaceConvertedText(std::move(text), format.encoding != TextEncoding::Ansi);
  replacedBadUnits = false;
  documentFormat = format;
  UpdateFormatStatus();
  // The file now holds all of the text: nothing is left behind a NUL byte.
  cutAtNulByte = false;
  View.SetModified(false);
  SetDocumentPath(path);
  View.SetReadOnly(IsReadOnly(path));
  UpdateCaption();
  existsOnDisk = true;
  // The editor's own write is no change by another program.
  lastFileStamp = GetFileStamp(path);
  return true;
}

bool MainWindow::AskSaveModified() {
  if (!View.IsModified()) return true;
  switch (ShowMessage("Save modified file?", "Save File", MB_YESNOCANCEL | MB_ICONWARNING)) {
  case IDYES: return SaveDocument();
  case IDNO: return true;
  default: return false;
  }
}

// The settings file holds the code page's names only: a name it cannot spell stays out of the
// Recent list rather than being stored as another file's name.
void MainWindow::SetDocumentPath(const FilePath& path) {
  currentPath = path.Ansi;
  currentWidePath = path.Wide;
  View.SetLanguage(Settings.Languages.FindByExtension(ExtensionOf(path.Ansi)));
  UpdateCaption();
  if (path.Wide.empty() && FileExists(path.Ansi) && IsResolvedPath(path.Ansi)) Settings.RecentFiles.Add(path.Ansi);
}

void MainWindow::UpdateCaption() {
  titleShowsModified = View.IsModified();
  const std::string marks = CaptionText("", titleShowsModified, View.IsReadOnly());
  if (currentWidePath.empty())
    SetWindowTextA(Handle, (currentPath + marks).c_str());
  else
    SetWideCaption((currentWidePath + std::wstring(marks.begin(), marks.end())).c_str());
}

// The window is an ANSI dialog, whose procedure would narrow a caption sent to it; the
// default procedure stores the text as given and draws the frame anew.
void MainWindow::SetWideCaption(const wchar_t* caption) {
  DefWindowProcW(Handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption));
}

// A folder that took the file's place ends the watch as a deleted file does.
bool MainWindow::CheckExternalChange() {
  if (checkingExternalChange) return true;
  if (!existsOnDisk) return false;
  FlagScope checking(checkingExternalChange);
  const DWORD attributes = FileAttributes(CurrentFile());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    existsOnDisk = false;
    return false;
  }
  const bool readOnly = ShouldBeReadOnly((attributes & FILE_ATTRIBUTE_READONLY) != 0);
  if (readOnly != View.IsReadOnly()) {
    View.SetReadOnly(readOnly);
    UpdateCaption();
  }
  if (GetFileStamp(CurrentFile()) == lastFileStamp) return false;
  const int answer = ShowMessage(ExternalChangeQuestion(currentPath, View.IsModified()), "Reload File",
                                 MB_YESNO | MB_ICONQUESTION);
  if (answer == IDYES)
    ReloadAfterExternalChange();
  else
    lastFileStamp = GetFileStamp(CurrentFile());
  return true;
}

// The caret stays on its line; its column may count other bytes now.
void MainWindow::ReplaceConvertedText(std::string text, bool utf8) {
  const int line = View.HardLineOfLine(View.LineFromPosition(View.Caret()));
  View.SetText("");
  View.SetUtf8(utf8);
  UpdateClipboardStatus(false);
  View.SetText(std::move(text));
  View.ClearUndo();
  View.GotoHardLine(line);
}

// The caret goes back to its line and column, clamped to the new text; the scroll position stays.
void MainWindow::ReloadAfterExternalChange() {
  int line = View.LineFromPosition(View.Caret());
  int offset = View.Caret() - View.LineStart(line);
  const int top = View.TopLine();
  const int scrollX = View.ScrollX();
  if (!LoadDocument(CurrentFile(), false)) return;
  View.SetTopLine(top);
  View.SetScrollX(scrollX);
  if (IsIconic(Handle)) ShowWindow(Handle, SW_SHOWNOACTIVATE);
  line = std::min(line, View.LineCount() - 1);
  offset = std::min(offset, View.LineLength(line));
  const int caret = View.LineStart(line) + offset;
  View.SetSelection(caret, caret, ScrollNone);
}

void MainWindow::OpenDroppedFiles(HDROP drop) {
  // The copy is cut to the buffer, so the length is asked for first: a cut path would name
  // another file.
  wchar_t path[MAX_PATH + 1] = L"";
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  const bool fits = length > 0 && length < MAX_PATH + 1 && DragQueryFileW(drop, 0, path, MAX_PATH + 1) == length;
  DragFinish(drop);
  if (!fits) return;
  if (AskSaveModified()) LoadDocument(FilePathFromWide(path), false);
}

bool MainWindow::OpenRecent(unsigned id) {
  const auto item = std::find(RecentIds.begin(), RecentIds.end(), id);
  if (item == RecentIds.end()) return false;
  const auto index = static_cast<size_t>(item - RecentIds.begin());
  const auto& paths = Settings.RecentFiles.Paths();
  if (index >= paths.size()) return true;
  const std::string path = paths[index];  // opening changes the list
  if (AskSaveModified()) LoadDocument({path, {}}, false);
  return true;
}

void MainWindow::BuildRecentPopup() {
  for (unsigned id : RecentIds) CommandIds.Release(id);
  RecentIds.clear();
  HMENU popup = CreatePopupMenu();
  const auto& paths = Settings.RecentFiles.Paths();
  for (size_t index = 0; index < paths.size(); ++index) {
    const unsigned id = CommandIds.Allocate();
    RecentIds.push_back(id);
    AppendMenuA(popup, MF_STRING, id, RecentItemText(static_cast<int>(index), paths[index]).c_str());
  }
  HMENU file = GetSubMenu(GetMenu(Handle), MENU_POS_FILE);
  char text[64] = "";
  GetMenuStringA(file, MENU_POS_FILE_RECENT, text, sizeof text, MF_BYPOSITION);
  // Replacing the item destroys the popup it held.
  ModifyMenuA(file, MENU_POS_FILE_RECENT, MF_BYPOSITION | MF_POPUP | MF_STRING | (paths.empty() ? MF_GRAYED : MF_ENABLED),
              reinterpret_cast<UINT_PTR>(popup), text);
}
