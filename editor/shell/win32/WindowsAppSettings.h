// The application settings on Windows: the platform, the error boxes and the view's font.
#pragma once

#include "editor/shell/AppSettings.h"
#include "editor/shell/win32/MessageBoxReporter.h"
#include "editor/shell/win32/SystemSettingsPlatform.h"

#include <string>

// The platform parts are members ahead of AppSettings, which keeps references to them.
struct WindowsSettingsParts {
  SystemSettingsPlatform SettingsSystem;
  MessageBoxReporter SettingsReporter;
};

class WindowsAppSettings : private WindowsSettingsParts, public AppSettings {
public:
  // The folders of this computer and the settings file they choose.
  WindowsAppSettings();
  // The same with the settings file at settingsPath, for a window that must not touch the
  // user's own settings.
  explicit WindowsAppSettings(std::string settingsPath);

  // A font made from Font at the Zoom step; the view keeps its own copy, so this one is deleted again.
  void ApplyFont(TextView& view) override;
};
