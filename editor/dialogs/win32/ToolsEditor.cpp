// The Tools editor: a list of the tools beside the fields of the selected one, with checks of
// mnemonics and hotkeys, previews of the expanded macros and help.
#include "editor/dialogs/win32/ToolsEditor.h"

#include "common/win32/FileSystem.h"
#include "common/win32/OwnerCentring.h"
#include "editor/dialogs/MnemonicCheck.h"
#include "editor/dialogs/ToolFields.h"
#include "editor/dialogs/ToolHotkeyConflicts.h"
#include "editor/dialogs/win32/HotkeyControl.h"
#include "editor/dialogs/win32/ListBoxLines.h"
#include "editor/resources/resource.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/ToolMacros.h"
#include "editor/shell/win32/DialogControls.h"
#include "editor/shell/win32/OpenHelp.h"
#include "editor/shell/win32/ToolMacroContext.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int NoTool = -1;
constexpr char HelpTopic[] = "CreatingTools";

// Everything that only a selected tool makes sense for.
constexpr int ToolControls[] = {IDC_TOOL_DELETE,    IDC_TOOL_MOVE_UP,         IDC_TOOL_MOVE_DOWN,
                                IDC_CHECK_MNEMONICS, IDC_TOOL_NAME,           IDC_TOOL_EXTENSIONS,
                                IDC_TOOL_COMMAND,    IDC_TOOL_BROWSE,         IDC_TOOL_COMMAND_PREVIEW,
                                IDC_TOOL_ARGUMENTS,  IDC_TOOL_ARGUMENTS_PREVIEW, IDC_TOOL_INIT_DIR,
                                IDC_TOOL_INIT_DIR_PREVIEW, IDC_TOOL_IS_FILTER, IDC_TOOL_SAVE_FIRST,
                                IDC_HOTKEY,          IDC_CHECK_HOTKEY,        IDC_TOOL_HELP};

constexpr char ConflictQuestion[] =
    "Quilvane found conflicting hotkeys. For more information click the 'Check Hotkey for Conflicts' button after "
    "closing this dialog box.\n\nDo you want to fix the conflict?";

class ToolsEditor {
public:
  ToolsEditor(AppSettings& settings, std::string documentPath)
      : Settings(settings), DocumentPath(std::move(documentPath)), Tools(settings.Tools) {}

  INT_PTR Handle(UINT message, WPARAM wParam);
  void Start(HWND dialog);

private:
  void OnCommand(int id, int code);
  bool SelectTool(int index, bool validate);
  bool StoreCurrentTool();
  void RefreshList();
  void Fill(const ToolFields& fields);
  ToolFields ReadFields() const;
  void UpdateEnabling();
  void UpdatePreview(int field, int preview);
  void Add();
  void Delete();
  void Move(int step);
  void Browse();
  void CheckMnemonicsCommand();
  void CheckHotkeyCommand();
  void Confirm();
  void Enable(int id, bool enabled) { EnableWindow(GetDlgItem(Dialog, id), enabled); }
  int Count() const { return static_cast<int>(Tools.size()); }

  AppSettings& Settings;
  std::string DocumentPath;
  ToolList Tools;  // the working copy
  int Current = NoTool;
  HWND Dialog = nullptr;
  ToolMacroContext Macros;
};

void ToolsEditor::Start(HWND dialog) {
  Dialog = dialog;
  Macros = CurrentToolMacroContext(dialog);
  RefreshList();
  if (!Tools.empty()) SelectTool(0, true);
  UpdateEnabling();
}

bool ToolsEditor::SelectTool(int index, bool validate) {
  if (index == Current) return true;
  if (validate && !StoreCurrentTool()) {
    SelectListBoxLine(Dialog, IDC_MENU_ITEMS, Current);
    return false;
  }
  Current = index;
  Fill(Current == NoTool ? ToolFields{} : FieldsOfTool(Tools[static_cast<size_t>(Current)]));
  SelectListBoxLine(Dialog, IDC_MENU_ITEMS, Current);
  UpdateEnabling();
  return true;
}

bool ToolsEditor::StoreCurrentTool() {
  if (Current == NoTool) return true;
  const ToolStoreResult result = StoreToolFields(ReadFields(), Tools[static_cast<size_t>(Current)]);
  if (result.Error == ToolFieldError::None) return true;
  MessageBoxOver(Dialog, result.Message, "Error", MB_OK | MB_ICONERROR);
  SetFocus(GetDlgItem(Dialog, result.Error == ToolFieldError::Extensions ? IDC_TOOL_EXTENSIONS : IDC_TOOL_COMMAND));
  return false;
}

void ToolsEditor::RefreshList() {
  const int previous = Current;
  SelectTool(NoTool, true);
  std::vector<std::string> names;
  for (const ToolCommand& tool : Tools) names.push_back(tool.MenuItemName);
  FillListBox(Dialog, IDC_MENU_ITEMS, names);
  SelectTool(std::min(previous, Count() - 1), true);
  UpdateEnabling();
}

// Filling sets Current first, so that the name's change notice renames the right line.
void ToolsEditor::Fill(const ToolFields& fields) {
  SetDlgItemTextA(Dialog, IDC_TOOL_NAME, fields.Name.c_str());
  SetDlgItemTextA(Dialog, IDC_TOOL_EXTENSIONS, fields.Extensions.c_str());
  SetDlgItemTextA(Dialog, IDC_TOOL_COMMAND, fields.Command.c_str());
  SetDlgItemTextA(Dialog, IDC_TOOL_ARGUMENTS, fields.Arguments.c_str());
  SetDlgItemTextA(Dialog, IDC_TOOL_INIT_DIR, fields.InitDir.c_str());
  SetChecked(Dialog, IDC_TOOL_IS_FILTER, fields.IsFilter);
  SetChecked(Dialog, IDC_TOOL_SAVE_FIRST, fields.SaveFirst);
  SetHotkeyControl(Dialog, IDC_HOTKEY, fields.Key, fields.Modifiers);
}

ToolFields ToolsEditor::ReadFields() const {
  ToolFields fields;
  fields.Name = ControlText(Dialog, IDC_TOOL_NAME);
  fields.Extensions = ControlText(Dialog, IDC_TOOL_EXTENSIONS);
  fields.Command = ControlText(Dialog, IDC_TOOL_COMMAND);
  fields.Arguments = ControlText(Dialog, IDC_TOOL_ARGUMENTS);
  fields.InitDir = ControlText(Dialog, IDC_TOOL_INIT_DIR);
  fields.IsFilter = IsChecked(Dialog, IDC_TOOL_IS_FILTER);
  fields.SaveFirst = IsChecked(Dialog, IDC_TOOL_SAVE_FIRST);
  GetHotkeyControl(Dialog, IDC_HOTKEY, fields.Key, fields.Modifiers);
  return fields;
}

// Between the steps of a move or a refresh no tool is selected although the list holds some;
// the controls then keep their state.
void ToolsEditor::UpdateEnabling() {
  if (Current == NoTool && !Tools.empty()) return;
  const bool selected = Current != NoTool;
  for (int id : ToolControls) Enable(id, selected);
  if (selected) {
    Enable(IDC_TOOL_MOVE_UP, Current > 0);
    Enable(IDC_TOOL_MOVE_DOWN, Current < Count() - 1);
  }
  Enable(IDC_CHECK_MNEMONICS, Count() >= 2);
}

void ToolsEditor::UpdatePreview(int field, int preview) {
  std::string text = ExpandToolMacros(Macros, DocumentPath, ControlText(Dialog, field), true);
  if (field == IDC_TOOL_COMMAND) FindOnSearchPath(text);
  SetDlgItemTextA(Dialog, preview, text.c_str());
}

void ToolsEditor::Add() {
  if (!SelectTool(NoTool, true)) return;
  Tools.emplace_back();
  RefreshList();
  SelectTool(Count() - 1, true);
}

void ToolsEditor::Delete() {
  const int index = Current;
  if (index == NoTool) return;
  SelectTool(NoTool, false);
  Tools.erase(Tools.begin() + index);
  RefreshList();
  SelectTool(std::min(index, Count() - 1), true);
  UpdateEnabling();
}

void ToolsEditor::Move(int step) {
  const int index = Current;
  const int target = index + step;
  if (index == NoTool || target < 0 || target >= Count() || !SelectTool(NoTool, true)) return;
  std::swap(Tools[static_cast<size_t>(index)], Tools[static_cast<size_t>(target)]);
  RefreshList();
  SelectTool(target, true);
}

void ToolsEditor::Browse() {
  // The common dialog takes its filter with NUL bytes where the "|" stand.
  std::string filter =
      "Executable Files (exe; com; bat; cmd; lnk; pif)|*.exe; *.com; *.bat; *.cmd; *.lnk; *.pif|All Files|*.*||";
  std::replace(filter.begin(), filter.end(), '|', '\0');
  std::string file(MAX_PATH * 4, '\0');
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Dialog;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = &file[0];
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrDefExt = "exe";
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER;
  if (GetOpenFileNameA(&dialog)) SetDlgItemTextA(Dialog, IDC_TOOL_COMMAND, file.c_str());
}

void ToolsEditor::CheckMnemonicsCommand() {
  const MnemonicReport report = CheckMnemonics(ListBoxLines(Dialog, IDC_MENU_ITEMS));
  MessageBoxOver(Dialog, report.Message, "Check Mnemonics",
              MB_OK | (report.Duplicate ? MB_ICONWARNING : MB_ICONINFORMATION));
}

void ToolsEditor::CheckHotkeyCommand() {
  int key = 0;
  int modifiers = 0;
  GetHotkeyControl(Dialog, IDC_HOTKEY, key, modifiers);
  const HotkeyCheck check = CheckToolHotkey(Tools, Current, key, modifiers, Settings.Hotkeys);
  MessageBoxOver(Dialog, check.Message, "Check Hotkey for Conflicts",
              MB_OK | (check.Conflict ? MB_ICONWARNING : MB_ICONINFORMATION));
}

void ToolsEditor::Confirm() {
  if (!StoreCurrentTool()) return;
  const int conflict = FindConflictingTool(Tools, Settings.Hotkeys);
  if (conflict != NoTool &&
      MessageBoxOver(Dialog, ConflictQuestion, "Hotkey Conflicts Found", MB_YESNO | MB_ICONWARNING) == IDYES) {
    SelectTool(conflict, true);
    return;
  }
  Settings.Tools = Tools;
  FillToolsHotkeyTable(Settings.Tools, Settings.ToolHotkeys);
  Settings.Save();
  EndDialog(Dialog, IDOK);
}

void ToolsEditor::OnCommand(int id, int code) {
  switch (id) {
  case IDC_MENU_ITEMS:
    if (code == LBN_SELCHANGE) SelectTool(ListBoxSelection(Dialog, IDC_MENU_ITEMS), true);
    break;
  case IDC_TOOL_NAME:
    if (code == EN_CHANGE && Current != NoTool)
      ReplaceListBoxLine(Dialog, IDC_MENU_ITEMS, Current, ControlText(Dialog, IDC_TOOL_NAME));
    break;
  case IDC_TOOL_COMMAND:
    if (code == EN_CHANGE) UpdatePreview(IDC_TOOL_COMMAND, IDC_TOOL_COMMAND_PREVIEW);
    break;
  case IDC_TOOL_ARGUMENTS:
    if (code == EN_CHANGE) UpdatePreview(IDC_TOOL_ARGUMENTS, IDC_TOOL_ARGUMENTS_PREVIEW);
    break;
  case IDC_TOOL_INIT_DIR:
    if (code == EN_CHANGE) UpdatePreview(IDC_TOOL_INIT_DIR, IDC_TOOL_INIT_DIR_PREVIEW);
    break;
  case IDC_TOOL_ADD: Add(); break;
  case IDC_TOOL_DELETE: Delete(); break;
  case IDC_TOOL_MOVE_UP: Move(-1); break;
  case IDC_TOOL_MOVE_DOWN: Move(1); break;
  case IDC_TOOL_BROWSE: Browse(); break;
  case IDC_CHECK_MNEMONICS: CheckMnemonicsCommand(); break;
  case IDC_CHECK_HOTKEY: CheckHotkeyCommand(); break;
  case IDC_TOOL_HELP: OpenHelp(HelpTopic, Dialog); break;
  case IDOK: Confirm(); break;
  case IDCANCEL: EndDialog(Dialog, IDCANCEL); break;
  }
}

INT_PTR ToolsEditor::Handle(UINT message, WPARAM wParam) {
  switch (message) {
  case WM_COMMAND:
    OnCommand(LOWORD(wParam), HIWORD(wParam));
    return TRUE;
  case WM_HELP:
    OpenHelp(HelpTopic, Dialog);
    return TRUE;
  default:
    return FALSE;
  }
}

}  // namespace

bool RunToolsEditor(HINSTANCE instance, HWND owner, AppSettings& settings, const std::string& documentPath) {
  ToolsEditor editor(settings, documentPath);
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TOOLS), owner, ObjectDialogProc<ToolsEditor>,
                         reinterpret_cast<LPARAM>(&editor)) == IDOK;
}
