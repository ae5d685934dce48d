// The time/date macros' texts, all four from one reading of the clock.
#include "editor/shell/win32/CurrentTimeDate.h"

#include "common/win32/DateTimeText.h"

TimeDateTexts CurrentTimeDateTexts() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return TimeDateTexts{DateText(now, false), DateText(now, true), TimeText(now, false), TimeText(now, true)};
}
