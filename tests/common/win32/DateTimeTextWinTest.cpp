// Tests of TimeText and DateText against the platform's formatting of the same moment, the
// present one or a given one.
#include "common/win32/DateTimeText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>

#include "common/win32/WinApi.h"

namespace {

std::string DirectTime(DWORD flags) {
  char buffer[256] = {};
  GetTimeFormatA(LOCALE_USER_DEFAULT, flags, nullptr, nullptr, buffer, sizeof buffer);
  return buffer;
}

std::string DirectDate(DWORD flags) {
  char buffer[256] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, flags, nullptr, nullptr, buffer, sizeof buffer);
  return buffer;
}

// The clock may move on around the call; a few tries find a moment in which it did not.
void ExpectAsDirect(const std::function<std::string()>& produce,
                    const std::function<std::string()>& direct) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    const std::string before = direct();
    const std::string text = produce();
    if (before == direct()) {
      EXPECT_FALSE(text.empty());
      EXPECT_EQ(text, before);
      return;
    }
  }
  ADD_FAILURE() << "the clock never stood still";
}

std::size_t DigitCount(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }));
}

}  // namespace

TEST(DateTimeText, TimeTextIsTheLocaleFormatOfNow) {
  ExpectAsDirect([] { return TimeText(true); }, [] { return DirectTime(0); });
  ExpectAsDirect([] { return TimeText(false); }, [] { return DirectTime(TIME_NOSECONDS); });
}

TEST(DateTimeText, TimeTextShowsSecondsOnlyWhenAsked) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    const std::size_t digitsBefore = DigitCount(TimeText(false));
    const std::string withSeconds = TimeText(true);
    const std::string withoutSeconds = TimeText(false);
    if (DigitCount(withoutSeconds) != digitsBefore) continue;  // the hour got another digit
    EXPECT_EQ(DigitCount(withSeconds), digitsBefore + 2) << withSeconds << " / " << withoutSeconds;
    EXPECT_GT(withSeconds.size(), withoutSeconds.size());
    return;
  }
  ADD_FAILURE() << "the clock never stood still";
}

TEST(DateTimeText, DateTextInLongAndShortForm) {
  ExpectAsDirect([] { return DateText(true); }, [] { return DirectDate(DATE_LONGDATE); });
  ExpectAsDirect([] { return DateText(false); }, [] { return DirectDate(DATE_SHORTDATE); });
  EXPECT_NE(DateText(true), DateText(false));
}

TEST(DateTimeText, AGivenMomentIsFormattedAsThePlatformFormatsIt) {
  SYSTEMTIME moment{};
  moment.wYear = 2024;
  moment.wMonth = 3;
  moment.wDay = 5;
  moment.wDayOfWeek = 2;
  moment.wHour = 14;
  moment.wMinute = 7;
  moment.wSecond = 9;
  char buffer[256] = {};
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &moment, nullptr, buffer, sizeof buffer);
  EXPECT_EQ(TimeText(moment, true), buffer);
  GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &moment, nullptr, buffer, sizeof buffer);
  EXPECT_EQ(TimeText(moment, false), buffer);
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &moment, nullptr, buffer, sizeof buffer);
  EXPECT_EQ(DateText(moment, false), buffer);
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &moment, nullptr, buffer, sizeof buffer);
  EXPECT_EQ(DateText(moment, true), buffer);
  // The moment given, not the present one: its seconds and year are there.
  EXPECT_NE(TimeText(moment, true).find("09"), std::string::npos);
  EXPECT_NE(DateText(moment, true).find("2024"), std::string::npos);
}
