// The Syntax Coloring property sheet around its two pages.
#include "editor/dialogs/win32/SyntaxColoringSheet.h"

#include "common/win32/OwnerCentring.h"
#include "editor/dialogs/win32/ColorsPage.h"
#include "editor/dialogs/win32/LanguagesPage.h"

namespace {

int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED) CentreOnOwner(sheet);
  return 0;
}

}  // namespace

void RunSyntaxColoringSheet(HINSTANCE instance, HWND owner, AppSettings& settings,
                            const std::string& currentLanguage) {
  LanguagesPage languages(settings, currentLanguage);
  ColorsPage colors(settings);
  PROPSHEETPAGEA pages[] = {languages.Page(instance), colors.Page(instance)};
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_NOCONTEXTHELP | PSH_USECALLBACK;
  header.pfnCallback = SheetCallback;
  header.hwndParent = owner;
  header.hInstance = instance;
  header.pszCaption = "Syntax Coloring";
  header.nPages = sizeof pages / sizeof pages[0];
  header.ppsp = pages;
  PropertySheetA(&header);
}
