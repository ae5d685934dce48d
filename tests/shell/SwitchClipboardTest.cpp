// Switch Clipboard: the text and the private clipboard change places; data that is not text
// is only overwritten after the warning; a clipboard held by another program changes nothing.
#include "editor/shell/SwitchClipboard.h"
#include "tests/shell/FakeSystemClipboard.h"

#include <gtest/gtest.h>

namespace {

struct SwitchClipboardTest : testing::Test {
  bool Switch() {
    return SwitchClipboard(Clipboard, Alternate, [this] {
      ++Questions;
      return Answer;
    });
  }

  FakeSystemClipboard Clipboard;
  std::string Alternate;
  bool Answer = false;
  int Questions = 0;
};

TEST_F(SwitchClipboardTest, AnEmptyAlternateTakesTheTextAndLeavesEmptyTextAndASecondSwitchRestores) {
  Clipboard.CopyText("T\r\nwith break");
  EXPECT_TRUE(Switch());
  EXPECT_TRUE(Clipboard.HoldsText);
  EXPECT_EQ(Clipboard.Text, "");
  // Kept as the clipboard held it, line breaks included.
  EXPECT_EQ(Alternate, "T\r\nwith break");
  EXPECT_TRUE(Switch());
  EXPECT_EQ(Clipboard.Text, "T\r\nwith break");
  EXPECT_EQ(Alternate, "");
  EXPECT_EQ(Questions, 0);
}

TEST_F(SwitchClipboardTest, TwoTextsChangePlacesUnchanged) {
  Alternate = "private\n";
  Clipboard.CopyText("public\r\r\n");
  EXPECT_TRUE(Switch());
  EXPECT_EQ(Clipboard.Text, "private\n");
  EXPECT_EQ(Alternate, "public\r\r\n");
}

TEST_F(SwitchClipboardTest, WithoutTextAnEmptyAlternateChangesNothing) {
  Clipboard.CopyPicture();
  EXPECT_FALSE(Switch());
  Clipboard.Clear();
  EXPECT_FALSE(Switch());
  EXPECT_EQ(Questions, 0);
  EXPECT_EQ(Clipboard.Writes, 0);
}

TEST_F(SwitchClipboardTest, APictureAsksAndNoLeavesBothClipboards) {
  Alternate = "mine";
  Clipboard.CopyPicture();
  EXPECT_FALSE(Switch());
  EXPECT_EQ(Questions, 1);
  EXPECT_TRUE(Clipboard.HoldsPicture);
  EXPECT_FALSE(Clipboard.HoldsText);
  EXPECT_EQ(Alternate, "mine");
}

TEST_F(SwitchClipboardTest, APictureAsksAndYesPutsTheAlternateThereAndEmptiesIt) {
  Alternate = "mine";
  Clipboard.CopyFiles({"C:\\a.txt"});
  Answer = true;
  EXPECT_TRUE(Switch());
  EXPECT_EQ(Questions, 1);
  EXPECT_TRUE(Clipboard.Files.empty());
  EXPECT_EQ(Clipboard.Text, "mine");
  EXPECT_EQ(Alternate, "");
}

TEST_F(SwitchClipboardTest, AnEmptyClipboardIsWrittenWithoutAQuestion) {
  Alternate = "mine";
  EXPECT_TRUE(Switch());
  EXPECT_EQ(Questions, 0);
  EXPECT_EQ(Clipboard.Text, "mine");
  EXPECT_EQ(Alternate, "");
}

TEST_F(SwitchClipboardTest, AClipboardThatCannotBeOpenedKeepsTheAlternate) {
  Alternate = "mine";
  Clipboard.CopyText("theirs");
  Clipboard.Locked = true;
  Answer = true;
  EXPECT_FALSE(Switch());
  EXPECT_EQ(Alternate, "mine");
  EXPECT_EQ(Clipboard.Text, "theirs");
}

TEST_F(SwitchClipboardTest, OfferedWhileTheClipboardHoldsTextOrTheAlternateIsNotEmpty) {
  EXPECT_FALSE(CanSwitchClipboard(Clipboard, Alternate));
  Clipboard.CopyPicture();
  EXPECT_FALSE(CanSwitchClipboard(Clipboard, Alternate));
  Clipboard.CopyText("");
  EXPECT_TRUE(CanSwitchClipboard(Clipboard, Alternate));
  Clipboard.Clear();
  Alternate = "x";
  EXPECT_TRUE(CanSwitchClipboard(Clipboard, Alternate));
}

TEST(SwitchClipboardWarning, NamesTheProductAndKeepsItsWording) {
  EXPECT_EQ(SwitchClipboardWarning(),
            "Since the clipboard does not contain text, Quilvane cannot store the data on the clipboard for you to "
            "switch back to later. Do you want to Switch Clipboards and loose the data currently on the clipboard?");
}

}  // namespace
