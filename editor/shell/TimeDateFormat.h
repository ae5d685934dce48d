// The time/date format of Insert Time/Date and its macros %Date%, %LongDate%, %Time% and
// %LongTime%.
#pragma once

#include <string>

// What the macros stand for, taken at one moment in the user's locale formats.
struct TimeDateTexts {
  std::string Date;      // short date
  std::string LongDate;
  std::string Time;      // without seconds
  std::string LongTime;  // with seconds
};

// The format with every macro, its name in any letter case, replaced by its text; the macros
// are replaced one after the other in the order above. Other text stays as it is.
std::string ExpandTimeDate(const std::string& format, const TimeDateTexts& now);
