// The Languages page: selection, storing of the controls, the buttons and Apply.
#include "editor/dialogs/win32/LanguagesPage.h"

#include "common/FileError.h"
#include "common/SettingsFile.h"
#include "common/win32/OwnerCentring.h"
#include "common/win32/ProductLocations.h"
#include "editor/resources/resource.h"
#include "editor/shell/AppSettings.h"
#include "editor/shell/win32/DialogControls.h"
#include "editor/shell/win32/FileErrorMessage.h"
#include "editor/shell/win32/OpenHelp.h"
#include "editor/syntax/LanguageFileChanges.h"
#include "editor/syntax/LanguageValidation.h"
#include "editor/syntax/LanguagesPageStates.h"

#include <utility>

namespace {

constexpr int LanguageControlIds[] = {IDC_REMOVE_LANGUAGE, IDC_LANGUAGE_NAME_LABEL, IDC_LANGUAGE_NAME,
                                      IDC_LANGUAGE_MATCH_CASE, IDC_EXTENSIONS_LABEL, IDC_LANGUAGE_EXTENSIONS,
                                      IDC_ELEMENT_GROUP, IDC_ELEMENT_LIST, IDC_ADD_ELEMENT};
constexpr int ElementControlIds[] = {IDC_REMOVE_ELEMENT, IDC_TOKEN_KIND_LABEL, IDC_TOKEN_KIND,
                                     IDC_ELEMENT_KIND_LABEL, IDC_ELEMENT_KIND, IDC_WHOLE_WORD,
                                     IDC_START_MARKER_LABEL, IDC_START_MARKER, IDC_END_MARKER_LABEL,
                                     IDC_END_MARKER, IDC_WORD_LIST_LABEL, IDC_WORD_LIST, IDC_SPAN_LINES};
constexpr int EscapeIds[] = {IDC_ESCAPE_CHAR_LABEL, IDC_ESCAPE_CHAR};
constexpr int StartMarkerIds[] = {IDC_START_MARKER_LABEL, IDC_START_MARKER};
constexpr int RangeIds[] = {IDC_END_MARKER_LABEL, IDC_END_MARKER, IDC_ESCAPE_CHAR_LABEL, IDC_ESCAPE_CHAR,
                            IDC_SPAN_LINES, IDC_ALLOW_NESTING};
constexpr int WordListIds[] = {IDC_WORD_LIST_LABEL, IDC_WORD_LIST};

void FillKindLists(HWND page) {
  for (int kind = Comment; kind <= String; ++kind) AddComboItem(page, IDC_TOKEN_KIND, ItemName(kind, true), kind);
  AddComboItem(page, IDC_ELEMENT_KIND, "Words", WordsKind);
  AddComboItem(page, IDC_ELEMENT_KIND, "Rest Of Line", RestOfLineKind);
  AddComboItem(page, IDC_ELEMENT_KIND, "Range", RangeKind);
}

int OptionsOfControls(HWND page) {
  return (IsChecked(page, IDC_WHOLE_WORD) ? WholeWord : 0) | (IsChecked(page, IDC_SPAN_LINES) ? SpanLines : 0) |
         (IsChecked(page, IDC_ALLOW_NESTING) ? AllowNesting : 0);
}

// The index now at removed, or the last one, or -1.
int IndexAfterRemoval(int removed, std::size_t count) {
  return removed < static_cast<int>(count) ? removed : static_cast<int>(count) - 1;
}

}  // namespace

LanguagesPage::LanguagesPage(AppSettings& settings, std::string currentLanguage)
    : Settings(settings), InitialLanguage(std::move(currentLanguage)) {}

PROPSHEETPAGEA LanguagesPage::Page(HINSTANCE instance) {
  return SheetPage(instance, IDD_LANGUAGES_PAGE, DialogProc, this);
}

INT_PTR CALLBACK LanguagesPage::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<LanguagesPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->Handle = window;
    self->OnInit();
    return TRUE;
  }
  auto* self = reinterpret_cast<LanguagesPage*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!self) return FALSE;
  if (message == WM_COMMAND) {
    self->OnCommand(LOWORD(wParam), HIWORD(wParam));
    return TRUE;
  }
  if (message != WM_NOTIFY) return FALSE;
  const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header->code == PSN_APPLY) {
    SetWindowLongPtrA(window, DWLP_MSGRESULT, self->Apply() ? PSNRET_NOERROR : PSNRET_INVALID);
    return TRUE;
  }
  if (header->code == PSN_HELP) {
    OpenHelp("SyntaxColoring", window);
    return TRUE;
  }
  return FALSE;
}

void LanguagesPage::OnInit() {
  Records = RecordsFromList(Settings.Languages);
  filling = true;
  FillKindLists(Handle);
  FillLanguageList();
  int initial = Records.empty() ? -1 : 0;
  for (std::size_t i = 0; i < Records.size(); ++i)
    if (Records[i].Name == InitialLanguage) initial = static_cast<int>(i);
  Language = -1;
  SelectLanguage(initial);
  UpdateStates();
  filling = false;
}

void LanguagesPage::OnCommand(int id, int code) {
  switch (id) {
  case IDC_LANGUAGE_LIST:
    if (code == LBN_SELCHANGE) SelectLanguage(ListSelection(Handle, IDC_LANGUAGE_LIST));
    return;
  case IDC_ELEMENT_LIST:
    if (code == LBN_SELCHANGE) SelectElement(ListSelection(Handle, IDC_ELEMENT_LIST));
    return;
  case IDC_ADD_LANGUAGE: AddLanguage(); break;
  case IDC_REMOVE_LANGUAGE: RemoveLanguage(); break;
  case IDC_ADD_ELEMENT: AddElement(); break;
  case IDC_REMOVE_ELEMENT: RemoveElement(); break;
  case IDC_ELEMENT_UP: MoveElement(-1); break;
  case IDC_ELEMENT_DOWN: MoveElement(1); break;
  case IDC_LANGUAGE_NAME:
    if (code != EN_CHANGE || filling || !CurrentLanguage()) return;
    CurrentLanguage()->Name = ControlText(Handle, IDC_LANGUAGE_NAME);
    ReplaceListItem(Handle, IDC_LANGUAGE_LIST, Language, CurrentLanguage()->Name);
    break;
  case IDC_TOKEN_KIND:
    if (code != CBN_SELCHANGE) return;
    TokenKindChanged();
    break;
  case IDC_ELEMENT_KIND:
    if (code != CBN_SELCHANGE) return;
    UpdateStates();
    RefreshElementText();
    break;
  case IDC_START_MARKER:
  case IDC_END_MARKER:
    if (code != EN_CHANGE) return;
    RefreshElementText();
    break;
  case IDC_WHOLE_WORD:
  case IDC_SPAN_LINES:
  case IDC_ALLOW_NESTING:
  case IDC_LANGUAGE_MATCH_CASE:
    if (code != BN_CLICKED) return;
    UpdateStates();
    RefreshElementText();
    break;
  case IDC_LANGUAGE_EXTENSIONS:
  case IDC_ESCAPE_CHAR:
  case IDC_WORD_LIST:
    if (code != EN_CHANGE) return;
    break;
  default: return;
  }
  MarkChanged();
}

void LanguagesPage::MarkChanged() {
  if (!filling) PropSheet_Changed(GetParent(Handle), Handle);
}

LanguageRecord* LanguagesPage::CurrentLanguage() {
  return Language >= 0 && Language < static_cast<int>(Records.size()) ? &Records[static_cast<std::size_t>(Language)]
                                                                      : nullptr;
}

ElementRecord* LanguagesPage::CurrentElement() {
  LanguageRecord* language = CurrentLanguage();
  if (!language || Element < 0 || Element >= static_cast<int>(language->Elements.size())) return nullptr;
  return &language->Elements[static_cast<std::size_t>(Element)];
}

void LanguagesPage::SelectLanguage(int index) {
  if (index == Language) return;
  const bool wasFilling = std::exchange(filling, true);
  if (CurrentLanguage()) {
    StoreControls();
    SelectElement(-1);
  }
  Language = index;
  ShowLanguage();
  UpdateStates();
  SendDlgItemMessageA(Handle, IDC_LANGUAGE_LIST, LB_SETCURSEL, static_cast<WPARAM>(Language), 0);
  filling = wasFilling;
}

void LanguagesPage::ShowLanguage() {
  const LanguageRecord* language = CurrentLanguage();
  SetDlgItemTextA(Handle, IDC_LANGUAGE_NAME, language ? language->Name.c_str() : "");
  SetChecked(Handle, IDC_LANGUAGE_MATCH_CASE, language && language->MatchCase);
  SetDlgItemTextA(Handle, IDC_LANGUAGE_EXTENSIONS, language ? JoinExtensions(language->Extensions).c_str() : "");
  FillElementList();
  Element = -1;
  if (language) SelectElement(language->Elements.empty() ? -1 : 0);
}

void LanguagesPage::SelectElement(int index) {
  if (index == Element) return;
  const bool wasFilling = std::exchange(filling, true);
  if (CurrentElement()) StoreControls();
  Element = index;
  ShowElement();
  SendDlgItemMessageA(Handle, IDC_ELEMENT_LIST, LB_SETCURSEL, static_cast<WPARAM>(Element), 0);
  RefreshElementText();
  UpdateStates();
  filling = wasFilling;
}

void LanguagesPage::ShowElement() {
  fillingElement = true;
  for (int id : {IDC_START_MARKER, IDC_END_MARKER, IDC_ESCAPE_CHAR, IDC_WORD_LIST}) SetDlgItemTextA(Handle, id, "");
  const ElementRecord* element = CurrentElement();
  SelectComboData(Handle, IDC_ELEMENT_KIND, element ? element->Kind : -1);
  SelectComboData(Handle, IDC_TOKEN_KIND, element ? element->TokenKind : -1);
  if (element) {
    const auto text = [element](std::size_t i) { return i < element->Strings.size() ? element->Strings[i] : ""; };
    if (element->Kind == WordsKind) SetDlgItemTextA(Handle, IDC_WORD_LIST, JoinWordList(element->Strings).c_str());
    if (element->Kind == RestOfLineKind || element->Kind == RangeKind)
      SetDlgItemTextA(Handle, IDC_START_MARKER, text(0).c_str());
    if (element->Kind == RangeKind) {
      SetDlgItemTextA(Handle, IDC_END_MARKER, text(1).c_str());
      SetDlgItemTextA(Handle, IDC_ESCAPE_CHAR, text(2).c_str());
    }
  }
  SetChecked(Handle, IDC_WHOLE_WORD, element && (element->Options & WholeWord));
  SetChecked(Handle, IDC_SPAN_LINES, element && (element->Options & SpanLines));
  SetChecked(Handle, IDC_ALLOW_NESTING, element && (element->Options & AllowNesting));
  fillingElement = false;
}

void LanguagesPage::StoreControls() {
  StoreLanguage();
  StoreElement();
}

void LanguagesPage::StoreLanguage() {
  LanguageRecord* language = CurrentLanguage();
  if (!language) return;
  language->Name = ControlText(Handle, IDC_LANGUAGE_NAME);
  language->MatchCase = IsChecked(Handle, IDC_LANGUAGE_MATCH_CASE);
  language->Extensions = SplitExtensions(ControlText(Handle, IDC_LANGUAGE_EXTENSIONS));
}

void LanguagesPage::StoreElement() {
  ElementRecord* element = CurrentElement();
  if (!element) return;
  element->TokenKind = ComboSelectionData(Handle, IDC_TOKEN_KIND, element->TokenKind);
  element->Kind = ComboSelectionData(Handle, IDC_ELEMENT_KIND, element->Kind);
  // Bits other than the three of the page are kept as the file had them.
  element->Options = (element->Options & ~(WholeWord | SpanLines | AllowNesting)) | OptionsOfControls(Handle);
  switch (element->Kind) {
  case WordsKind: element->Strings = SplitWordList(ControlText(Handle, IDC_WORD_LIST)); break;
  case RestOfLineKind: element->Strings = {ControlText(Handle, IDC_START_MARKER)}; break;
  case RangeKind:
    element->Strings = {ControlText(Handle, IDC_START_MARKER), ControlText(Handle, IDC_END_MARKER),
                        ControlText(Handle, IDC_ESCAPE_CHAR)};
    break;
  default: break;
  }
}

void LanguagesPage::FillLanguageList() {
  std::vector<std::string> names;
  for (const LanguageRecord& record : Records) names.push_back(record.Name);
  FillList(Handle, IDC_LANGUAGE_LIST, names);
}

void LanguagesPage::FillElementList() {
  std::vector<std::string> texts;
  if (const LanguageRecord* language = CurrentLanguage())
    for (const ElementRecord& element : language->Elements) texts.push_back(ElementListText(element));
  FillList(Handle, IDC_ELEMENT_LIST, texts);
}

void LanguagesPage::RefreshElementText() {
  if (fillingElement || !CurrentElement()) return;
  StoreElement();
  ReplaceListItem(Handle, IDC_ELEMENT_LIST, Element, ElementListText(*CurrentElement()));
}

void LanguagesPage::UpdateStates() {
  LanguagesPageSelection selection;
  selection.LanguageSelected = CurrentLanguage() != nullptr;
  selection.ElementIndex = CurrentElement() ? Element : -1;
  selection.ElementCount = CurrentLanguage() ? static_cast<int>(CurrentLanguage()->Elements.size()) : 0;
  selection.ShownKind = CurrentElement() ? ComboSelectionData(Handle, IDC_ELEMENT_KIND, -1) : -1;
  selection.WholeWordChecked = IsChecked(Handle, IDC_WHOLE_WORD);
  selection.SpanLinesChecked = IsChecked(Handle, IDC_SPAN_LINES);
  const LanguagesPageStates states = LanguagesPageStatesFor(selection);
  EnableControls(Handle, LanguageControlIds, states.LanguageControls);
  EnableControls(Handle, ElementControlIds, states.ElementControls);
  EnableControls(Handle, EscapeIds, states.Escape);
  EnableWindow(GetDlgItem(Handle, IDC_ALLOW_NESTING), states.AllowNesting);
  EnableWindow(GetDlgItem(Handle, IDC_ELEMENT_UP), states.Up);
  EnableWindow(GetDlgItem(Handle, IDC_ELEMENT_DOWN), states.Down);
  // The word list shares its place with the markers: hide before showing.
  ShowControls(Handle, WordListIds, false);
  ShowControls(Handle, StartMarkerIds, states.ShowStartMarker);
  ShowControls(Handle, RangeIds, states.ShowRangeControls);
  ShowControls(Handle, WordListIds, states.ShowWordList);
}

void LanguagesPage::TokenKindChanged() {
  SetChecked(Handle, IDC_WHOLE_WORD, ComboSelectionData(Handle, IDC_TOKEN_KIND, -1) == Keyword);
  UpdateStates();
  RefreshElementText();
}

void LanguagesPage::AddLanguage() {
  SelectLanguage(-1);
  Records.push_back(NewLanguageRecord(GetLanguagesDir()));
  FillLanguageList();
  SelectLanguage(static_cast<int>(Records.size()) - 1);
}

void LanguagesPage::RemoveLanguage() {
  const int removed = Language;
  if (removed < 0) return;
  SelectLanguage(-1);
  Records.erase(Records.begin() + removed);
  FillLanguageList();
  SelectLanguage(IndexAfterRemoval(removed, Records.size()));
}

void LanguagesPage::AddElement() {
  LanguageRecord* language = CurrentLanguage();
  if (!language) return;
  SelectElement(-1);
  language->Elements.push_back(NewElementRecord());
  FillElementList();
  SelectElement(static_cast<int>(language->Elements.size()) - 1);
}

void LanguagesPage::RemoveElement() {
  LanguageRecord* language = CurrentLanguage();
  const int removed = Element;
  if (!language || !CurrentElement()) return;
  SelectElement(-1);
  language->Elements.erase(language->Elements.begin() + removed);
  FillElementList();
  SelectElement(IndexAfterRemoval(removed, language->Elements.size()));
}

void LanguagesPage::MoveElement(int delta) {
  LanguageRecord* language = CurrentLanguage();
  const int from = Element;
  const int to = from + delta;
  if (!language || !CurrentElement() || to < 0 || to >= static_cast<int>(language->Elements.size())) return;
  SelectElement(-1);
  std::swap(language->Elements[static_cast<std::size_t>(from)], language->Elements[static_cast<std::size_t>(to)]);
  FillElementList();
  SelectElement(to);
}

bool LanguagesPage::Apply() {
  StoreControls();
  ValidationFailure failure;
  if (!ValidateLanguages(Records, failure)) {
    ShowFailure(failure.Language, failure.Element, failure.Message);
    return false;
  }
  LanguageList replaced;
  for (const LanguageRecord& record : Records) replaced.Languages.push_back(LanguageFromRecord(record));
  WriteLanguageFiles(replaced);
  Settings.Languages = replaced;
  // The controls show the normalised records (trimmed extensions, cleaned word lists).
  ShowFailure(Language, Element, "");
  return true;
}

// Selects the language and element anew from the records, without storing the controls over
// the normalisations that validation made, and reports message when there is one.
void LanguagesPage::ShowFailure(int language, int element, const std::string& message) {
  const bool wasFilling = std::exchange(filling, true);
  if (!message.empty()) PropSheet_SetCurSel(GetParent(Handle), nullptr, 0);
  Language = -1;
  Element = -1;
  SelectLanguage(language);
  SelectElement(element);
  filling = wasFilling;
  if (!message.empty()) MessageBoxOver(Handle, message, "Error", MB_OK | MB_ICONERROR);
}

// Every definition is written; an old file goes only once its replacement is on disk.
void LanguagesPage::WriteLanguageFiles(const LanguageList& replaced) {
  const LanguageFileChanges changes = PlanLanguageFiles(Settings.Languages, replaced);
  for (const std::string& path : changes.DeleteBefore) DeleteFileA(path.c_str());
  bool written = true;
  for (const RefPtr<LanguageDef>& language : replaced.Languages) {
    try {
      SettingsFile file(language->FilePath(), false);
      language->Exchange(file);
      file.Save();
    } catch (const FileError& error) {
      written = false;
      MessageBoxOver(Handle, FileErrorMessage(error, FileAccess::Write), "Error", MB_OK | MB_ICONERROR);
    }
  }
  if (!written) return;
  for (const std::string& path : changes.DeleteAfter) DeleteFileA(path.c_str());
}
