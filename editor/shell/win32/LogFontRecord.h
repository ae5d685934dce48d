// Copies between the settings' portable font record and the platform's LOGFONTA.
#pragma once

#include "common/win32/WinApi.h"
#include "editor/shell/SettingsRecords.h"

LOGFONTA ToLogFont(const FontRecord& record);
FontRecord ToFontRecord(const LOGFONTA& font);
