// Uninstall.log texts that cannot be a list Setup wrote.
#include <gtest/gtest.h>

#include "uninstall/UninstallLogCheck.h"

namespace {

const std::string Log = "C:\\Q\\Uninstall.log";

TEST(UninstallLogCheckTest, ALogWithAPathIsFine) {
  EXPECT_EQ("", UninstallLogProblem("C:\\Q\\Quilvane.exe", false, Log));
  EXPECT_EQ("", UninstallLogProblem("\r\n  C:\\Q\\a\tb.txt \r\n\r\n\xE9t\xE9\r\nC:\\Q\\", false, Log));
}

TEST(UninstallLogCheckTest, ALogWithoutEntriesSaysSo) {
  for (const std::string text : {"", " ", "\r\n", " \r\n\t\r\n \n\r"}) {
    EXPECT_EQ("The installation log 'C:\\Q\\Uninstall.log' lists no files or folders. Nothing was removed.",
              UninstallLogProblem(text, false, Log))
        << text.size();
  }
}

TEST(UninstallLogCheckTest, ControlBytesOrAZeroByteMakeItNoText) {
  const std::string damaged =
      "The installation log 'C:\\Q\\Uninstall.log' is damaged: it is not a text file. Nothing was removed.";
  EXPECT_EQ(damaged, UninstallLogProblem("C:\\Q\\a", true, Log));
  EXPECT_EQ(damaged, UninstallLogProblem("", true, Log));
  for (const char control : {'\x01', '\x08', '\x0B', '\x0C', '\x1A', '\x1F', '\x7F'}) {
    EXPECT_EQ(damaged, UninstallLogProblem(std::string("C:\\Q\\a") + control + "b", false, Log)) << int(control);
  }
}

}  // namespace
