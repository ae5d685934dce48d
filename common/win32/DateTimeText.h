// The current local time and date as text in the user's locale format.
#pragma once

#include "common/win32/WinApi.h"

#include <string>

// The local time as GetTimeFormatA gives it for the user's default locale, with or
// without seconds; empty when the platform cannot format it.
std::string TimeText(bool withSeconds);
// The local date in the user's default locale, long (DATE_LONGDATE) or short form.
std::string DateText(bool longForm);

// The same for a given local time, so that several texts can show one moment: a date and a
// time taken apart could otherwise straddle midnight.
std::string TimeText(const SYSTEMTIME& moment, bool withSeconds);
std::string DateText(const SYSTEMTIME& moment, bool longForm);
