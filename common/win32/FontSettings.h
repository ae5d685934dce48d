// Loading and saving a font handle as the fourteen font fields of a settings file.
#pragma once

#include "common/SettingsFile.h"
#include "common/win32/WinApi.h"

#include <string>

// Saving writes the font's LOGFONT. Loading creates a new font from the fields and stores
// its handle in font; the previous handle is not released, that is the caller's business.
// When the font cannot be created, font keeps its previous handle.
void ExchangeFontHandle(SettingsFile& file, const std::string& prefix, HFONT& font);
