// Windows tests of whole-file reading and the safe, attribute-keeping write.
#include "common/TextFile.h"

#include "common/FileError.h"
#include "common/win32/WinApi.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

class TextFileWinTest : public ::testing::Test {
protected:
  ~TextFileWinTest() override {
    // Read-only files would keep the scratch folder from being removed.
    for (const auto& entry : std::filesystem::directory_iterator(Scratch.Root()))
      SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
  }

  std::string Path() const { return Scratch.Path("t.txt"); }
  DWORD Attributes() const { return GetFileAttributesA(Path().c_str()); }
  // Sets attributes on the test file and returns what the platform reports back.
  DWORD SetAttributes(DWORD attributes) const {
    EXPECT_TRUE(SetFileAttributesA(Path().c_str(), attributes));
    return Attributes();
  }
  HANDLE Open(DWORD access, DWORD share) const {
    return CreateFileA(Path().c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  }

  ScratchFolder Scratch;
};

TEST_F(TextFileWinTest, WritingOverAHiddenFileKeepsItsAttributes) {
  const DWORD combinations[] = {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE,
                                FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE,
                                FILE_ATTRIBUTE_SYSTEM};
  for (const DWORD wanted : combinations) {
    Scratch.WriteBytes("t.txt", "old content");
    const DWORD before = SetAttributes(wanted);
    ASSERT_TRUE(before & (wanted & FILE_ATTRIBUTE_HIDDEN ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_SYSTEM));
    WriteTextFile(Path(), "new\r\n");
    EXPECT_EQ(before, Attributes()) << wanted;
    EXPECT_EQ("new\r\n", Scratch.ReadBytes("t.txt"));
    EXPECT_EQ(1, Scratch.EntryCount());
    SetAttributes(FILE_ATTRIBUTE_NORMAL);
  }
}

TEST_F(TextFileWinTest, ANewFileGetsTheAttributesThePlatformGives) {
  const std::string reference = Scratch.Path("reference.txt");
  CloseHandle(CreateFileA(reference.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  WriteTextFile(Path(), "x");
  EXPECT_EQ(GetFileAttributesA(reference.c_str()), Attributes());
  EXPECT_EQ(0u, Attributes() & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(2, Scratch.EntryCount());
}

TEST_F(TextFileWinTest, AReadOnlyFileIsRefusedAndLeftAsItWas) {
  Scratch.WriteBytes("t.txt", "keep");
  const DWORD before = SetAttributes(FILE_ATTRIBUTE_READONLY);
  try {
    WriteTextFile(Path(), "lost");
    FAIL() << "no FileError";
  } catch (const FileError& error) {
    EXPECT_EQ(static_cast<unsigned long>(ERROR_ACCESS_DENIED), error.Code);
    EXPECT_EQ(Path(), error.FileName);
  }
  EXPECT_EQ("keep", Scratch.ReadBytes("t.txt"));
  EXPECT_EQ(before, Attributes());
  EXPECT_EQ(1, Scratch.EntryCount());
}

TEST_F(TextFileWinTest, AFailedReplaceKeepsTheOldFileAndRemovesTheTemporaryOne) {
  Scratch.WriteBytes("t.txt", "keep");
  const DWORD before = SetAttributes(FILE_ATTRIBUTE_HIDDEN);
  // Another program holds the file open without letting it be deleted or renamed over.
  const HANDLE other = Open(GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_NE(INVALID_HANDLE_VALUE, other);
  EXPECT_THROW(WriteTextFile(Path(), "lost"), FileError);
  CloseHandle(other);
  EXPECT_EQ("keep", Scratch.ReadBytes("t.txt"));
  EXPECT_EQ(before, Attributes());
  EXPECT_EQ(1, Scratch.EntryCount());
}

TEST_F(TextFileWinTest, AFolderIsNotWrittenOver) {
  std::filesystem::create_directory(Scratch.Root() / "sub");
  EXPECT_THROW(WriteTextFile(Scratch.Path("sub"), "x"), FileError);
  EXPECT_TRUE(std::filesystem::is_directory(Scratch.Root() / "sub"));
  EXPECT_EQ(1, Scratch.EntryCount());
}

TEST_F(TextFileWinTest, ReadsAFileThatAnotherHandleHoldsOpenForWriting) {
  Scratch.WriteBytes("t.txt", "");
  const HANDLE writer = Open(GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_NE(INVALID_HANDLE_VALUE, writer);
  DWORD written = 0;
  WriteFile(writer, "a\r\nb\rc\n", 7, &written, nullptr);
  EXPECT_EQ("a\nb\nc\n", ReadTextFile(Path(), true));
  CloseHandle(writer);
}

TEST_F(TextFileWinTest, ReadTellsWhetherTheFileHeldAZeroByte) {
  Scratch.WriteBytes("t.txt", std::string("a\r\nb\0\r\nrest", 10));
  bool heldNulByte = false;
  EXPECT_EQ("a\nb", ReadTextFile(Path(), true, &heldNulByte));
  EXPECT_TRUE(heldNulByte);
  Scratch.WriteBytes("t.txt", "a\r\nb");
  EXPECT_EQ("a\nb", ReadTextFile(Path(), true, &heldNulByte));
  EXPECT_FALSE(heldNulByte);
}

TEST_F(TextFileWinTest, ReadOfALockedFileReportsThePlatformError) {
  Scratch.WriteBytes("t.txt", "x");
  const HANDLE locker = Open(GENERIC_READ, 0);
  ASSERT_NE(INVALID_HANDLE_VALUE, locker);
  try {
    ReadTextFile(Path(), false);
    ADD_FAILURE() << "no FileError";
  } catch (const FileError& error) {
    EXPECT_EQ(static_cast<unsigned long>(ERROR_SHARING_VIOLATION), error.Code);
  }
  CloseHandle(locker);
}

TEST_F(TextFileWinTest, TheLeftoverOfAnInterruptedWriteGoesWithTheNextAndOnlyItsOwn) {
  Scratch.WriteBytes("t.txt", "old");
  // A write that was killed left its hidden temporary file; another document's stays.
  Scratch.WriteBytes("t.txt.qlvsave.tmp", "half a wri");
  Scratch.WriteBytes("other.txt.qlvsave.tmp", "someone else's");
  ASSERT_TRUE(SetFileAttributesA(Scratch.Path("t.txt.qlvsave.tmp").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
  WriteTextFile(Path(), "new\r\n");
  EXPECT_EQ("new\r\n", Scratch.ReadBytes("t.txt"));
  EXPECT_EQ(0u, Attributes() & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_FALSE(std::filesystem::exists(Scratch.Root() / "t.txt.qlvsave.tmp"));
  EXPECT_EQ("someone else's", Scratch.ReadBytes("other.txt.qlvsave.tmp"));
  EXPECT_EQ(2, Scratch.EntryCount());
}

TEST_F(TextFileWinTest, AFileWithTheLongestNameIsWrittenThroughAShortenedTemporaryFile) {
  // As long as the platform lets the whole path be: no room is left for a suffix.
  const std::string name(std::min<size_t>(255, MAX_PATH - 1 - Scratch.Path("").size()), 'n');
  const std::string path = Scratch.Path(name);
  ASSERT_EQ(path.size(), std::min<size_t>(MAX_PATH - 1, Scratch.Path("").size() + 255));
  WriteTextFile(path, "first");
  WriteTextFile(path, "second");
  EXPECT_EQ("second", Scratch.ReadBytes(name));
  EXPECT_EQ(1, Scratch.EntryCount());
}
