// The messages of refused document reads and writes: the standard texts name the file.
#include "common/FileError.h"
#include "common/win32/SystemErrorText.h"
#include "common/win32/WinApi.h"
#include "editor/shell/win32/FileErrorMessage.h"

#include <gtest/gtest.h>

namespace {

const char Path[] = "C:\\Work\\notes.txt";

std::string Message(unsigned long code, FileAccess access) {
  return FileErrorMessage(FileError{Path, code}, access);
}

}  // namespace

TEST(FileErrorMessageTest, ALockedFileIsNamedForReadingAndForWriting) {
  EXPECT_EQ(Message(ERROR_SHARING_VIOLATION, FileAccess::Read),
            "Unable to read from C:\\Work\\notes.txt, it is opened by someone else.");
  EXPECT_EQ(Message(ERROR_LOCK_VIOLATION, FileAccess::Write),
            "Unable to write to C:\\Work\\notes.txt, it is read-only or opened by someone else.");
  EXPECT_EQ(Message(ERROR_ACCESS_DENIED, FileAccess::Write),
            "Unable to write to C:\\Work\\notes.txt, it is read-only or opened by someone else.");
}

TEST(FileErrorMessageTest, MissingFilesAndFullDisksHaveTheirOwnTexts) {
  const std::string missing =
      "C:\\Work\\notes.txt\nCannot find this file.\nPlease verify that the correct path and file name are given.";
  EXPECT_EQ(Message(ERROR_FILE_NOT_FOUND, FileAccess::Read), missing);
  EXPECT_EQ(Message(ERROR_PATH_NOT_FOUND, FileAccess::Write), missing);
  EXPECT_EQ(Message(ERROR_DISK_FULL, FileAccess::Write), "Destination disk drive is full.");
  EXPECT_EQ(Message(ERROR_HANDLE_DISK_FULL, FileAccess::Write), "Destination disk drive is full.");
}

TEST(FileErrorMessageTest, AnyOtherErrorIsUnexpectedAndCarriesTheSystemsText) {
  const std::string system = SystemErrorText(ERROR_ACCESS_DENIED);
  ASSERT_FALSE(system.empty());
  // Reading a file the system refuses is not one of the standard causes.
  EXPECT_EQ(Message(ERROR_ACCESS_DENIED, FileAccess::Read),
            "An unexpected error occurred while reading C:\\Work\\notes.txt.\n\n" + system);
  EXPECT_EQ(Message(ERROR_CRC, FileAccess::Write).rfind("An unexpected error occurred while writing C:\\Work\\notes.txt.", 0),
            0u);
  // A code without text ends with the sentence alone.
  EXPECT_EQ(Message(0x3FFFFFFF, FileAccess::Read), "An unexpected error occurred while reading C:\\Work\\notes.txt.");
}
