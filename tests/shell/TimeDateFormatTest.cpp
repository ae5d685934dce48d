// The time/date macros: any letter case, every occurrence, the table's order, and text
// without macros left alone.
#include "editor/shell/TimeDateFormat.h"

#include <gtest/gtest.h>

namespace {

const TimeDateTexts Moment{"3/5/2024", "Tuesday, March 5, 2024", "2:07 PM", "2:07:09 PM"};

TEST(ExpandTimeDate, EachMacroInAnyLetterCase) {
  EXPECT_EQ(ExpandTimeDate("%DATE% %LONGTIME%", Moment), "3/5/2024 2:07:09 PM");
  EXPECT_EQ(ExpandTimeDate("%Date% %Time%", Moment), "3/5/2024 2:07 PM");
  EXPECT_EQ(ExpandTimeDate("%longdate%", Moment), "Tuesday, March 5, 2024");
  EXPECT_EQ(ExpandTimeDate("%lOnGtImE%|%tIME%", Moment), "2:07:09 PM|2:07 PM");
}

TEST(ExpandTimeDate, TextWithoutMacrosStaysAsItIs) {
  EXPECT_EQ(ExpandTimeDate("", Moment), "");
  EXPECT_EQ(ExpandTimeDate("no macros here", Moment), "no macros here");
  EXPECT_EQ(ExpandTimeDate("%Dates% %Tim% 100% %", Moment), "%Dates% %Tim% 100% %");
  EXPECT_EQ(ExpandTimeDate("Date Time LongDate", Moment), "Date Time LongDate");
}

TEST(ExpandTimeDate, EveryOccurrenceIsReplaced) {
  EXPECT_EQ(ExpandTimeDate("%Date%%date%-%DATE%", Moment), "3/5/20243/5/2024-3/5/2024");
  EXPECT_EQ(ExpandTimeDate("[%Time%] [%LongDate%] [%Time%]", Moment),
            "[2:07 PM] [Tuesday, March 5, 2024] [2:07 PM]");
}

TEST(ExpandTimeDate, MacrosAreReplacedInTheTablesOrder) {
  // A date text that looks like a later macro is expanded by it; a later text is never
  // looked at by an earlier macro.
  const TimeDateTexts odd{"<%Time%>", "L", "%Date%", "LT"};
  EXPECT_EQ(ExpandTimeDate("%Date%", odd), "<%Date%>");
  EXPECT_EQ(ExpandTimeDate("%Time%", odd), "%Date%");
  // Two macros sharing a percent sign: the date comes first in the table and takes it.
  EXPECT_EQ(ExpandTimeDate("%Time%Date%", Moment), "%Time3/5/2024");
  EXPECT_EQ(ExpandTimeDate("%Date%Time%", Moment), "3/5/2024Time%");
}

}  // namespace
