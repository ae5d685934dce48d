// Font handles exchanged through a settings file via their LOGFONT description.
#include "common/win32/FontSettings.h"

void ExchangeFontHandle(SettingsFile& file, const std::string& prefix, HFONT& font) {
  LOGFONTA description = {};
  if (!file.IsLoading()) GetObjectA(font, sizeof description, &description);
  file.ExchangeFont(prefix, description);
  if (!file.IsLoading()) return;
  const HFONT created = CreateFontIndirectA(&description);
  if (created) font = created;
}
