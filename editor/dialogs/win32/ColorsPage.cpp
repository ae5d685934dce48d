// The Colors page: scheme list, item colours through the colour dialog, selection mode,
// and the live preview.
#include "editor/dialogs/win32/ColorsPage.h"

#include "editor/resources/resource.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/win32/DialogControls.h"
#include "editor/shell/win32/OpenHelp.h"
#include "editor/syntax/ColorSchemeEditing.h"
#include "editor/syntax/ColorsPreviewText.h"
#include "editor/syntax/CppLanguage.h"

#include <utility>

namespace {

constexpr int SchemeControlIds[] = {IDC_DELETE_SCHEME,   IDC_SCHEME_NAME_LABEL,  IDC_SCHEME_NAME,
                                    IDC_COLOR_ITEM_LABEL, IDC_COLOR_ITEM,        IDC_COLOR_SWATCH_LABEL,
                                    IDC_COLOR_SWATCH,    IDC_CHOOSE_COLOR,       IDC_SELECTION_GROUP,
                                    IDC_SYSTEM_SELECTION, IDC_INVERT_SELECTION,  IDC_PREVIEW_GROUP,
                                    IDC_PREVIEW};

}  // namespace

ColorsPage::ColorsPage(AppSettings& settings) : Settings(settings) {}

ColorsPage::~ColorsPage() {
  if (SwatchBrush) DeleteObject(SwatchBrush);
}

PROPSHEETPAGEA ColorsPage::Page(HINSTANCE instance) {
  return SheetPage(instance, IDD_COLORS_PAGE, DialogProc, this);
}

INT_PTR CALLBACK ColorsPage::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<ColorsPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->Handle = window;
    self->OnInit();
    return TRUE;
  }
  auto* self = reinterpret_cast<ColorsPage*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
  case WM_COMMAND:
    self->OnCommand(LOWORD(wParam), HIWORD(wParam));
    return TRUE;
  case WM_CTLCOLORSTATIC:
    if (reinterpret_cast<HWND>(lParam) != GetDlgItem(window, IDC_COLOR_SWATCH) || !self->SwatchBrush) return FALSE;
    return reinterpret_cast<INT_PTR>(self->SwatchBrush);
  case WM_NOTIFY: {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code == PSN_APPLY) {
      self->Apply();
      SetWindowLongPtrA(window, DWLP_MSGRESULT, PSNRET_NOERROR);
      return TRUE;
    }
    if (header->code == PSN_HELP) {
      OpenHelp("SyntaxColoring", window);
      return TRUE;
    }
    return FALSE;
  }
  default: return FALSE;
  }
}

void ColorsPage::OnInit() {
  filling = false;
  Working = Settings.Schemes;
  hasShownColour = false;
  CreatePreview();
  const bool wasFilling = std::exchange(filling, true);
  for (int item = 0; item < ColorItemCount; ++item) AddComboItem(Handle, IDC_COLOR_ITEM, ItemName(item, true), item);
  SelectComboData(Handle, IDC_COLOR_ITEM, PlainText);
  ShowItemColour();
  FillSchemeList();
  ShowCurrentScheme();
  UpdateStates();
  filling = wasFilling;
}

// The preview takes the place and id of its placeholder, with the view settings of the
// editor but without gutter, read-only and not greyed.
void ColorsPage::CreatePreview() {
  HWND placeholder = GetDlgItem(Handle, IDC_PREVIEW);
  RECT rect;
  GetWindowRect(placeholder, &rect);
  MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&rect), 2);
  DestroyWindow(placeholder);
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP;
  if (!Preview.CreateView(Handle, rect, style, WS_EX_CLIENTEDGE, IDC_PREVIEW, MakeCppLanguage(""), nullptr)) return;
  // Above its group box, which would otherwise paint over it, and after the radio buttons
  // in the tab order.
  SetWindowPos(Preview.Window(), GetDlgItem(Handle, IDC_INVERT_SELECTION), 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Settings.ApplyToView(Preview);
  Preview.SetShowLineNumbers(false);
  Preview.SetShowBookmarkMargin(false);
  Preview.SetGreyWhenReadOnly(false);
  Preview.SetText(ColorsPreviewText());
  Preview.SetReadOnly(true);
}

void ColorsPage::OnCommand(int id, int code) {
  switch (id) {
  case IDC_SCHEME_LIST:
    if (code != LBN_SELCHANGE) return;
    {
      const bool wasFilling = std::exchange(filling, true);
      SelectScheme(ListSelection(Handle, IDC_SCHEME_LIST), false);
      filling = wasFilling;
    }
    return;
  case IDC_COLOR_ITEM:
    if (code != CBN_SELCHANGE) return;
    {
      const bool wasFilling = std::exchange(filling, true);
      ShowItemColour();
      filling = wasFilling;
    }
    return;
  case IDC_CHOOSE_COLOR:
    if (code == BN_CLICKED) ChooseColour();
    return;
  case IDC_SCHEME_NAME:
    if (code != EN_CHANGE || filling || !Working.Current()) return;
    Working.Current()->Name = ControlText(Handle, IDC_SCHEME_NAME);
    ReplaceListItem(Handle, IDC_SCHEME_LIST, Working.CurrentColorScheme, Working.Current()->Name);
    break;
  case IDC_SYSTEM_SELECTION:
  case IDC_INVERT_SELECTION:
    if (code != BN_CLICKED || !Working.Current()) return;
    SetSelectionMode(IsChecked(Handle, IDC_SYSTEM_SELECTION) ? 1 : 0);
    break;
  case IDC_NEW_SCHEME:
    if (code != BN_CLICKED) return;
    AddNewScheme(Working);
    FillSchemeList();
    SelectScheme(Working.CurrentColorScheme, true);
    break;
  case IDC_DELETE_SCHEME:
    if (code != BN_CLICKED || !DeleteCurrentScheme(Working)) return;
    FillSchemeList();
    SelectScheme(Working.CurrentColorScheme, true);
    break;
  case IDC_SCHEME_UP:
  case IDC_SCHEME_DOWN:
    if (code != BN_CLICKED || !MoveCurrentScheme(Working, id == IDC_SCHEME_UP ? -1 : 1)) return;
    FillSchemeList();
    SelectScheme(Working.CurrentColorScheme, true);
    break;
  default: return;
  }
  MarkChanged();
}

void ColorsPage::MarkChanged() {
  if (!filling) PropSheet_Changed(GetParent(Handle), Handle);
}

int ColorsPage::SelectedItem() const {
  return ComboSelectionData(Handle, IDC_COLOR_ITEM, PlainText);
}

void ColorsPage::SetSelectionMode(int selColor) {
  Working.Current()->SelColor = selColor;
  Preview.SetUseSystemSelectionColor(selColor == 1);
}

void ColorsPage::ShowCurrentScheme() {
  const bool wasFilling = std::exchange(filling, true);
  ColorScheme* scheme = Working.Current();
  SetDlgItemTextA(Handle, IDC_SCHEME_NAME, scheme ? scheme->Name.c_str() : "");
  if (scheme) {
    CheckRadioButton(Handle, IDC_SYSTEM_SELECTION, IDC_INVERT_SELECTION,
                     scheme->SelColor == 1 ? IDC_SYSTEM_SELECTION : IDC_INVERT_SELECTION);
    ShowItemColour();
  }
  Preview.SetUseSystemSelectionColor(!scheme || scheme->SelColor == 1);
  Preview.SetColorScheme(scheme);
  filling = wasFilling;
}

void ColorsPage::ShowItemColour() {
  if (const ColorScheme* scheme = Working.Current())
    SetSwatchColour(scheme->Colors[static_cast<std::size_t>(SelectedItem())]);
}

void ColorsPage::SetSwatchColour(Colour colour) {
  if (hasShownColour && colour == ShownColour) return;
  hasShownColour = true;
  ShownColour = colour;
  if (SetCurrentColour(Working, SelectedItem(), colour)) InvalidateRect(Preview.Window(), nullptr, FALSE);
  if (SwatchBrush) DeleteObject(SwatchBrush);
  SwatchBrush = CreateSolidBrush(colour);
  InvalidateRect(GetDlgItem(Handle, IDC_COLOR_SWATCH), nullptr, TRUE);
  MarkChanged();
}

void ColorsPage::ChooseColour() {
  COLORREF custom[CustomColorCount];
  for (int i = 0; i < CustomColorCount; ++i) custom[i] = Settings.CustomColors[static_cast<std::size_t>(i)];
  CHOOSECOLORA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Handle;
  dialog.rgbResult = ShownColour;
  dialog.lpCustColors = custom;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  const bool chosen = ChooseColorA(&dialog);
  for (int i = 0; i < CustomColorCount; ++i) Settings.CustomColors[static_cast<std::size_t>(i)] = custom[i];
  if (chosen) SetSwatchColour(dialog.rgbResult);
}

void ColorsPage::SelectScheme(int index, bool force) {
  if (index == Working.CurrentColorScheme && !force) return;
  Working.CurrentColorScheme = index;
  SendDlgItemMessageA(Handle, IDC_SCHEME_LIST, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ShowCurrentScheme();
  UpdateStates();
  PropSheet_Changed(GetParent(Handle), Handle);
}

void ColorsPage::FillSchemeList() {
  std::vector<std::string> names;
  for (const RefPtr<ColorScheme>& scheme : Working.Schemes) names.push_back(scheme->Name);
  FillList(Handle, IDC_SCHEME_LIST, names);
  SendDlgItemMessageA(Handle, IDC_SCHEME_LIST, LB_SETCURSEL, static_cast<WPARAM>(Working.CurrentColorScheme), 0);
}

void ColorsPage::UpdateStates() {
  const ColorsPageStates states = ColorsPageStatesFor(Working);
  EnableControls(Handle, SchemeControlIds, states.SchemeControls);
  EnableWindow(GetDlgItem(Handle, IDC_SCHEME_UP), states.MoveUp);
  EnableWindow(GetDlgItem(Handle, IDC_SCHEME_DOWN), states.MoveDown);
}

void ColorsPage::Apply() {
  Settings.Schemes = Working;
  Settings.Save();
}
