// Windows tests of clipboard text and dropped-file lists against the real clipboard.
#include "common/win32/Clipboard.h"

#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstring>

class ClipboardWinTest : public ::testing::Test {
protected:
  ClipboardWinTest() : Owner(CreateOwner()), Other(CreateOwner()) {}
  ~ClipboardWinTest() override {
    DestroyWindow(Owner);
    DestroyWindow(Other);
  }

  static HWND CreateOwner() {
    return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
  }

  // Puts one block of data on the clipboard, as another program would.
  void Put(UINT format, const void* data, std::size_t size) const {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(Other));
    EmptyClipboard();
    ASSERT_TRUE(SetClipboardData(format, memory));
    CloseClipboard();
  }

  void PutRawText(const std::string& text) const { Put(CF_TEXT, text.c_str(), text.size() + 1); }

  // A drop list of 8-bit paths, as the shell puts it on the clipboard.
  void PutDropList(const std::vector<std::string>& paths) const {
    std::string block(sizeof(DROPFILES), '\0');
    DROPFILES header = {};
    header.pFiles = sizeof(DROPFILES);
    std::memcpy(&block[0], &header, sizeof header);
    for (const std::string& path : paths) block += path + '\0';
    block += '\0';
    Put(CF_HDROP, block.data(), block.size());
  }

  void ClearClipboard() const {
    ASSERT_TRUE(OpenClipboard(Other));
    EmptyClipboard();
    CloseClipboard();
  }

  HWND Owner;
  HWND Other;
  ScratchFolder Scratch;
};

TEST_F(ClipboardWinTest, SetWritesLineFeedsAsCrLfWhenAsked) {
  ASSERT_TRUE(SetClipboardText(Owner, "a\nb", true));
  std::string text;
  ASSERT_TRUE(GetClipboardText(Owner, text, false));
  EXPECT_EQ("a\r\nb", text);
  ASSERT_TRUE(SetClipboardText(Owner, "a\nb\n", false));
  ASSERT_TRUE(GetClipboardText(Owner, text, false));
  EXPECT_EQ("a\nb\n", text);
}

TEST_F(ClipboardWinTest, EightBitTextRoundTrips) {
  const std::string text = "\t\xE9\xFF x";
  ASSERT_TRUE(SetClipboardText(Owner, text, true));
  std::string read;
  ASSERT_TRUE(GetClipboardText(Other, read, true));
  EXPECT_EQ(text, read);
}

TEST_F(ClipboardWinTest, GetStripsSoftBreaksWhenAsked) {
  PutRawText("a\r\r\nb\r\nc\rd");
  std::string text;
  ASSERT_TRUE(GetClipboardText(Owner, text, true));
  EXPECT_EQ("ab\ncd", text);
  ASSERT_TRUE(GetClipboardText(Owner, text, false));
  EXPECT_EQ("a\r\r\nb\r\nc\rd", text);
}

TEST_F(ClipboardWinTest, NoTextOnTheClipboardGivesFalseAndKeepsTheString) {
  ClearClipboard();
  std::string text = "unchanged";
  EXPECT_FALSE(GetClipboardText(Owner, text, true));
  EXPECT_EQ("unchanged", text);
  std::vector<std::string> files = {"stale"};
  EXPECT_FALSE(GetClipboardFiles(Owner, files));
  EXPECT_TRUE(files.empty());
}

TEST_F(ClipboardWinTest, AClipboardOpenElsewhereGivesFalse) {
  ASSERT_TRUE(SetClipboardText(Owner, "before", false));
  ASSERT_TRUE(OpenClipboard(Other));
  std::string text;
  EXPECT_FALSE(SetClipboardText(Owner, "after", false));
  CloseClipboard();
  ASSERT_TRUE(GetClipboardText(Owner, text, false));
  EXPECT_EQ("before", text);
}

TEST_F(ClipboardWinTest, DropListSkipsFoldersAndMissingPaths) {
  Scratch.WriteBytes("one.txt", "1\r\n");
  Scratch.WriteBytes("two.txt", "2\r3");
  std::filesystem::create_directory(Scratch.Root() / "folder");
  PutDropList({Scratch.Path("one.txt"), Scratch.Path("folder"), Scratch.Path("gone.txt"), Scratch.Path("two.txt")});
  std::vector<std::string> files;
  ASSERT_TRUE(GetClipboardFiles(Owner, files));
  EXPECT_EQ((std::vector<std::string>{Scratch.Path("one.txt"), Scratch.Path("two.txt")}), files);
  std::string text;
  ASSERT_TRUE(ReadClipboardFiles(Owner, text, true));
  EXPECT_EQ("1\n2\n3", text);
  ASSERT_TRUE(ReadClipboardFiles(Owner, text, false));
  EXPECT_EQ("1\r\n2\r3", text);
}

TEST_F(ClipboardWinTest, DropListOfOnlyFoldersAndMissingPathsGivesFalse) {
  PutDropList({Scratch.Path("gone.txt"), Scratch.Root().string()});
  std::vector<std::string> files;
  EXPECT_FALSE(GetClipboardFiles(Owner, files));
  EXPECT_TRUE(files.empty());
  std::string text = "stale";
  EXPECT_FALSE(ReadClipboardFiles(Owner, text, true));
  EXPECT_EQ("", text);
}

TEST_F(ClipboardWinTest, AnUnreadableDroppedFileIsLeftOut) {
  Scratch.WriteBytes("locked.txt", "secret");
  Scratch.WriteBytes("open.txt", "free");
  const HANDLE lock = CreateFileA(Scratch.Path("locked.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  PutDropList({Scratch.Path("locked.txt"), Scratch.Path("open.txt")});
  std::string text;
  EXPECT_TRUE(ReadClipboardFiles(Owner, text, true));
  EXPECT_EQ("free", text);
  PutDropList({Scratch.Path("locked.txt")});
  EXPECT_FALSE(ReadClipboardFiles(Owner, text, true));
  EXPECT_EQ("", text);
  CloseHandle(lock);
}
