// The Languages page of the Syntax Coloring sheet (dialog 133): edits a working copy of the
// language definitions and replaces them, with their .lang files, on OK or Apply.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/syntax/LanguageRecord.h"

#include <string>
#include <vector>

class AppSettings;

class LanguagesPage {
public:
  // currentLanguage: the name of the language the document shows, selected first.
  LanguagesPage(AppSettings& settings, std::string currentLanguage);
  LanguagesPage(const LanguagesPage&) = delete;
  LanguagesPage& operator=(const LanguagesPage&) = delete;

  PROPSHEETPAGEA Page(HINSTANCE instance);

private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnInit();
  void OnCommand(int id, int code);
  // PSN_APPLY: true when the definitions were replaced.
  bool Apply();
  void ShowFailure(int language, int element, const std::string& message);
  void WriteLanguageFiles(const LanguageList& replaced);

  void SelectLanguage(int index);
  void SelectElement(int index);
  void ShowLanguage();
  void ShowElement();
  void StoreControls();
  void StoreLanguage();
  void StoreElement();
  void FillLanguageList();
  void FillElementList();
  void RefreshElementText();
  void UpdateStates();
  void MarkChanged();

  void AddLanguage();
  void RemoveLanguage();
  void AddElement();
  void RemoveElement();
  void MoveElement(int delta);
  void TokenKindChanged();

  LanguageRecord* CurrentLanguage();
  ElementRecord* CurrentElement();

  AppSettings& Settings;
  std::string InitialLanguage;
  HWND Handle = nullptr;
  std::vector<LanguageRecord> Records;
  int Language = -1;
  int Element = -1;
  bool fillingElement = false;  // the element's list text waits until its controls are filled
  bool filling = false;         // the page fills controls itself: not a change of the user
};
