// The Windows application settings: built on this computer's folders, applies real fonts.
#include "editor/shell/win32/WindowsAppSettings.h"

#include "common/win32/ProductLocations.h"
#include "common/win32/SystemFolders.h"
#include "editor/shell/FontZoom.h"
#include "editor/shell/win32/LogFontRecord.h"
#include "editor/view/win32/TextViewWindow.h"

#include <utility>

WindowsAppSettings::WindowsAppSettings()
    : WindowsAppSettings(GetSettingsFilePath()) {}

WindowsAppSettings::WindowsAppSettings(std::string settingsPath)
    : AppSettings(GetCommonFolders(), std::move(settingsPath), SettingsSystem, SettingsReporter) {}

void WindowsAppSettings::ApplyFont(TextView& view) {
  auto* window = dynamic_cast<TextViewWindow*>(&view);
  if (!window) return;
  LOGFONTA logFont = ToLogFont(Font);
  logFont.lfHeight = ZoomedHeight(logFont.lfHeight, Zoom);
  logFont.lfWidth = ZoomedHeight(logFont.lfWidth, Zoom);
  HFONT font = CreateFontIndirectA(&logFont);
  if (!font) return;
  window->SetFont(font);
  DeleteObject(font);
}
