// The Colors page of the Syntax Coloring sheet (dialog 134): edits a working copy of the
// colour schemes, previews the current one on C++ text, and writes it back on OK or Apply.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/syntax/ColorScheme.h"
#include "editor/view/win32/TextViewWindow.h"

class AppSettings;

class ColorsPage {
public:
  explicit ColorsPage(AppSettings& settings);
  ~ColorsPage();
  ColorsPage(const ColorsPage&) = delete;
  ColorsPage& operator=(const ColorsPage&) = delete;

  PROPSHEETPAGEA Page(HINSTANCE instance);

private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnInit();
  void CreatePreview();
  void OnCommand(int id, int code);
  void Apply();

  void ShowCurrentScheme();
  void ShowItemColour();
  void SetSwatchColour(Colour colour);
  void ChooseColour();
  // The user's choice, or forced after the list changed under the same index.
  void SelectScheme(int index, bool force);
  void FillSchemeList();
  void UpdateStates();
  void SetSelectionMode(int selColor);
  void MarkChanged();
  int SelectedItem() const;

  AppSettings& Settings;
  HWND Handle = nullptr;
  ColorSchemeList Working;
  bool hasShownColour = false;  // none shown yet
  Colour ShownColour = 0;
  HBRUSH SwatchBrush = nullptr;
  bool filling = false;
  TextViewWindow Preview;
};
