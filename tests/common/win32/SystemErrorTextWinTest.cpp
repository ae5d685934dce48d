// Tests of SystemErrorText; the texts themselves differ between systems, so only their shape is checked.
#include "common/win32/SystemErrorText.h"

#include <gtest/gtest.h>

#include "common/win32/WinApi.h"

TEST(SystemErrorText, KnownCodesHaveDistinctOneLineTexts) {
  const std::string notFound = SystemErrorText(ERROR_FILE_NOT_FOUND);
  const std::string denied = SystemErrorText(ERROR_ACCESS_DENIED);
  EXPECT_FALSE(notFound.empty());
  EXPECT_FALSE(denied.empty());
  EXPECT_NE(notFound, denied);
  for (const std::string& text : {notFound, denied}) {
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
    EXPECT_NE(text.back(), ' ');
    EXPECT_LE(text.size(), 1023u);
  }
}

TEST(SystemErrorText, UnknownCodeGivesEmptyText) {
  EXPECT_EQ(SystemErrorText(0x7FFFFFF0UL), "");
}
