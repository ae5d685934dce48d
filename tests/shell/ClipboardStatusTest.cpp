// The clipboard part of the status bar: cut, one line, tabs, file lists and the empty case;
// and the watched texts behind Last Clipboard.
#include "editor/shell/ClipboardHistory.h"
#include "editor/shell/ClipboardStatus.h"
#include "tests/shell/FakeSystemClipboard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ClipboardTextStatus, ShowsTheFirst500CharactersOnly) {
  std::string text;
  for (int i = 0; i < 600; ++i) text += static_cast<char>('a' + i % 26);
  EXPECT_EQ(ClipboardTextStatus(text, 4), text.substr(0, 500));
  EXPECT_EQ(ClipboardTextStatus(text.substr(0, 500), 4), text.substr(0, 500));
  EXPECT_EQ(ClipboardTextStatus(text.substr(0, 499), 4), text.substr(0, 499));
  EXPECT_EQ(ClipboardTextStatus("", 4), "");
}

TEST(ClipboardTextStatus, LineBreaksShowAsBackslashNAndTabsAsBlanksAfterTheCut) {
  EXPECT_EQ(ClipboardTextStatus("first\nsecond", 4), "first\\nsecond");
  EXPECT_EQ(ClipboardTextStatus("\n\n", 4), "\\n\\n");
  EXPECT_EQ(ClipboardTextStatus("a\tb", 4), "a    b");
  EXPECT_EQ(ClipboardTextStatus("a\tb", 8), "a        b");
  EXPECT_EQ(ClipboardTextStatus("\t", 1), " ");
  // The cut counts the clipboard's characters, not the wider picture of them.
  std::string tabs(600, '\t');
  EXPECT_EQ(ClipboardTextStatus(tabs, 2), std::string(1000, ' '));
  std::string breaks = std::string(499, 'x') + "\n\n";
  EXPECT_EQ(ClipboardTextStatus(breaks, 4), std::string(499, 'x') + "\\n");
}

TEST(ClipboardFilesStatus, OneFileOrSeveralJoinedBySemicolons) {
  EXPECT_EQ(ClipboardFilesStatus({"C:\\a.txt"}), "File: C:\\a.txt");
  EXPECT_EQ(ClipboardFilesStatus({"C:\\a.txt", "D:\\b c.txt"}), "Files: C:\\a.txt; D:\\b c.txt");
  EXPECT_EQ(ClipboardFilesStatus({"1", "2", "3"}), "Files: 1; 2; 3");
}

struct ClipboardHistoryTest : testing::Test {
  std::string Status(bool tracking = true) { return History.UpdateStatus(Clipboard, 4, tracking); }

  FakeSystemClipboard Clipboard;
  ClipboardHistory History;
};

TEST_F(ClipboardHistoryTest, StatusOfTextFilesAndNothing) {
  Clipboard.CopyText("one\r\ntwo\tend");
  EXPECT_EQ(Status(), "one\\ntwo    end");
  Clipboard.CopyFiles({"C:\\only.txt"});
  EXPECT_EQ(Status(), "File: C:\\only.txt");
  Clipboard.CopyFiles({"C:\\a", "C:\\b"});
  EXPECT_EQ(Status(), "Files: C:\\a; C:\\b");
  Clipboard.CopyPicture();
  EXPECT_EQ(Status(), "<No text is in the text>");
  Clipboard.Clear();
  EXPECT_EQ(Status(), "<No text is in the text>");
  // Text wins over a file list, and an empty text shows as nothing.
  Clipboard.CopyText("");
  EXPECT_EQ(Status(), "");
  Clipboard.CopyText("x");
  Clipboard.Locked = true;
  EXPECT_EQ(Status(), "<No text is in the text>");
}

TEST_F(ClipboardHistoryTest, TheFirstNotificationFillsTheCurrentTextOnly) {
  Clipboard.CopyText("start");
  Status();
  EXPECT_EQ(History.currentClipboardText, "start");
  EXPECT_EQ(History.previousClipboardText, "");
  EXPECT_FALSE(History.HasPrevious());
}

TEST_F(ClipboardHistoryTest, TheSameTextAgainKeepsThePreviousOneButOtherLetterCaseIsNew) {
  Clipboard.CopyText("A");
  Status();
  Clipboard.CopyText("B");
  Status();
  Clipboard.CopyText("B");
  Status();
  EXPECT_EQ(History.previousClipboardText, "A");
  EXPECT_EQ(History.currentClipboardText, "B");
  Clipboard.CopyText("b");
  Status();
  EXPECT_EQ(History.previousClipboardText, "B");
  EXPECT_EQ(History.currentClipboardText, "b");
}

TEST_F(ClipboardHistoryTest, TrackedTextsAreWholeAndInLineFeedFormButWithoutTrackingNothingMoves) {
  const std::string longText = std::string(700, 'q') + "\r\nend";
  Clipboard.CopyText(longText);
  Status();
  EXPECT_EQ(History.currentClipboardText, std::string(700, 'q') + "\nend");
  Clipboard.CopyText("other");
  EXPECT_EQ(Status(false), "other");
  EXPECT_EQ(History.currentClipboardText, std::string(700, 'q') + "\nend");
  EXPECT_EQ(History.previousClipboardText, "");
  // A clipboard without text counts as the empty text.
  Clipboard.CopyPicture();
  Status();
  EXPECT_EQ(History.currentClipboardText, "");
  EXPECT_EQ(History.previousClipboardText, std::string(700, 'q') + "\nend");
}

TEST_F(ClipboardHistoryTest, LastClipboardPutsThePreviousTextBackAndTheNotificationSwapsThem) {
  Clipboard.CopyText("A\r\nline");
  Status();
  Clipboard.CopyText("B");
  Status();
  History.LastClipboard(Clipboard);
  EXPECT_EQ(Clipboard.Text, "A\r\nline");
  Status();
  EXPECT_EQ(History.previousClipboardText, "B");
  EXPECT_EQ(History.currentClipboardText, "A\nline");
  History.LastClipboard(Clipboard);
  EXPECT_EQ(Clipboard.Text, "B");
  Status();
  EXPECT_EQ(History.currentClipboardText, "B");
}

TEST_F(ClipboardHistoryTest, LastClipboardWithoutAPreviousTextLeavesTheClipboardAlone) {
  Clipboard.CopyPicture();
  Status();
  History.LastClipboard(Clipboard);
  EXPECT_EQ(Clipboard.Writes, 0);
  EXPECT_TRUE(Clipboard.HoldsPicture);
}

}  // namespace
