// The reserved device names: every spelling Windows takes for a device, and the near misses
// that are ordinary files.
#include "editor/shell/DeviceName.h"

#include <gtest/gtest.h>

TEST(DeviceName, TheReservedNamesInAnyCase) {
  for (const char* name : {"CON", "con", "Prn", "aux", "NUL", "COM1", "com9", "LPT1", "lpt9"})
    EXPECT_TRUE(IsDeviceName(name)) << name;
}

TEST(DeviceName, AnExtensionAFolderADriveBlanksOrAColonStillNameTheDevice) {
  for (const char* path : {"nul.txt", "C:\\x\\nul.txt", "C:\\x\\CON", "dir/aux.tar.gz", "C:nul", "CON:", "COM1:",
                           "con .txt", "NUL.", "\\\\.\\COM1"})
    EXPECT_TRUE(IsDeviceName(path)) << path;
}

TEST(DeviceName, OtherNamesAreFiles) {
  for (const char* path : {"", "C:\\", "console.txt", "CONX", "COM", "COM0", "COM10", "LPT", "LPTA", "nul1.txt",
                           "C:\\con\\file.txt", "my nul.txt", "Untitled.txt", "C:\\work"})
    EXPECT_FALSE(IsDeviceName(path)) << path;
}
