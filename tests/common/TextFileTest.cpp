// Tests of whole-file reading and writing on real files.
#include "common/TextFile.h"

#include "common/FileError.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

class TextFileTest : public ::testing::Test {
protected:
  ScratchFolder Scratch;
};

TEST_F(TextFileTest, ReadNormalizesOnlyWhenAsked) {
  Scratch.WriteBytes("a.txt", "a\r\nb\rc\n");
  EXPECT_EQ("a\nb\nc\n", ReadTextFile(Scratch.Path("a.txt"), true));
  EXPECT_EQ("a\r\nb\rc\n", ReadTextFile(Scratch.Path("a.txt"), false));
}

TEST_F(TextFileTest, ReadStopsAtTheFirstZeroByte) {
  Scratch.WriteBytes("z.txt", std::string("ab\r\0cd", 6));
  EXPECT_EQ("ab\n", ReadTextFile(Scratch.Path("z.txt"), true));
}

TEST_F(TextFileTest, ReadTellsWhetherTheFileHeldAZeroByte) {
  Scratch.WriteBytes("z.txt", std::string("ab\0cd\0", 6));
  Scratch.WriteBytes("t.txt", "ab\r\ncd");
  bool heldNulByte = false;
  EXPECT_EQ("ab", ReadTextFile(Scratch.Path("z.txt"), false, &heldNulByte));
  EXPECT_TRUE(heldNulByte);
  EXPECT_EQ("ab\ncd", ReadTextFile(Scratch.Path("t.txt"), true, &heldNulByte));
  EXPECT_FALSE(heldNulByte);
}

TEST_F(TextFileTest, AZeroByteFirstGivesAnEmptyTextThatIsNotMistakenForAnEmptyFile) {
  Scratch.WriteBytes("z.txt", std::string("\0abc", 4));
  Scratch.WriteBytes("empty.txt", "");
  bool heldNulByte = false;
  EXPECT_EQ("", ReadTextFile(Scratch.Path("z.txt"), true, &heldNulByte));
  EXPECT_TRUE(heldNulByte);
  EXPECT_EQ("", ReadTextFile(Scratch.Path("empty.txt"), true, &heldNulByte));
  EXPECT_FALSE(heldNulByte);
}

TEST_F(TextFileTest, ReadOfAnEmptyFileIsEmpty) {
  Scratch.WriteBytes("empty.txt", "");
  EXPECT_EQ("", ReadTextFile(Scratch.Path("empty.txt"), true));
}

TEST_F(TextFileTest, ReadOfAMissingFileThrowsFileErrorNamingIt) {
  const std::string path = Scratch.Path("missing.txt");
  try {
    ReadTextFile(path, true);
    FAIL() << "no FileError";
  } catch (const FileError& error) {
    EXPECT_EQ(path, error.FileName);
    EXPECT_NE(0u, error.Code);
  }
}

TEST_F(TextFileTest, ReadOfAFolderThrowsFileErrorNamingIt) {
  const std::string path = Scratch.Root().string();
  try {
    ReadTextFile(path, true);
    FAIL() << "no FileError";
  } catch (const FileError& error) {
    EXPECT_EQ(path, error.FileName);
    EXPECT_NE(0u, error.Code);
  }
}

TEST_F(TextFileTest, WriteCreatesAndReplacesWithoutLeftovers) {
  const std::string path = Scratch.Path("w.txt");
  WriteTextFile(path, "first\r\n");
  EXPECT_EQ("first\r\n", Scratch.ReadBytes("w.txt"));
  WriteTextFile(path, "x");
  EXPECT_EQ("x", Scratch.ReadBytes("w.txt"));
  WriteTextFile(path, "");
  EXPECT_EQ("", Scratch.ReadBytes("w.txt"));
  EXPECT_EQ(1, Scratch.EntryCount());
}

TEST_F(TextFileTest, WriteKeepsEveryByte) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  WriteTextFile(Scratch.Path("all.bin"), bytes);
  EXPECT_EQ(bytes, Scratch.ReadBytes("all.bin"));
}

TEST_F(TextFileTest, WriteIntoAMissingFolderThrowsAndCreatesNothing) {
  const std::string path = Scratch.Path("no-such-folder/x.txt");
  EXPECT_THROW(WriteTextFile(path, "x"), FileError);
  EXPECT_EQ(0, Scratch.EntryCount());
}
