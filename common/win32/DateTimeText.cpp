// The current local time and date as text in the user's locale format.
#include "common/win32/DateTimeText.h"

namespace {

// Asks for the length first and then formats into a buffer of that size. The caller
// passes one SYSTEMTIME to both calls, so a clock that moves on in between (9:59 to
// 10:00) cannot make the text longer than the buffer.
template <class Format> std::string FormatToString(Format format) {
  const int size = format(nullptr, 0);
  if (size <= 0) return std::string();
  std::string text(static_cast<std::size_t>(size), '\0');
  const int written = format(&text[0], size);
  text.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
  return text;
}

}  // namespace

std::string TimeText(bool withSeconds) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return TimeText(now, withSeconds);
}

std::string DateText(bool longForm) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return DateText(now, longForm);
}

std::string TimeText(const SYSTEMTIME& moment, bool withSeconds) {
  const DWORD flags = withSeconds ? 0 : TIME_NOSECONDS;
  return FormatToString([&](char* buffer, int size) {
    return GetTimeFormatA(LOCALE_USER_DEFAULT, flags, &moment, nullptr, buffer, size);
  });
}

std::string DateText(const SYSTEMTIME& moment, bool longForm) {
  const DWORD flags = longForm ? DATE_LONGDATE : DATE_SHORTDATE;
  return FormatToString([&](char* buffer, int size) {
    return GetDateFormatA(LOCALE_USER_DEFAULT, flags, &moment, nullptr, buffer, size);
  });
}
