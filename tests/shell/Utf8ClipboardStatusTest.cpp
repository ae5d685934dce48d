// The clipboard part of the status bar for a UTF-8 document: 500 characters, not bytes,
// and never half a character.
#include "editor/shell/ClipboardHistory.h"
#include "editor/shell/ClipboardStatus.h"
#include "tests/shell/FakeSystemClipboard.h"

#include <gtest/gtest.h>

namespace {

const std::string Sun = "\xE6\x97\xA5";  // 日, three bytes

std::string Repeat(const std::string& piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

TEST(Utf8ClipboardStatus, ShowsTheFirst500CharactersWhole) {
  EXPECT_EQ(ClipboardTextStatus(Repeat(Sun, 600), 4, true), Repeat(Sun, 500));
  EXPECT_EQ(ClipboardTextStatus("a" + Repeat(Sun, 499) + "\xC3\xA9z", 4, true), "a" + Repeat(Sun, 499));
  EXPECT_EQ(ClipboardTextStatus(Sun + "\n\t" + Sun, 2, true), Sun + "\\n  " + Sun);
  // The byte rule of ANSI text would have cut the 167th character in two.
  EXPECT_EQ(ClipboardTextStatus(Repeat(Sun, 600), 4).size(), 500u);
}

TEST(Utf8ClipboardStatus, TheHistoryAsksTheClipboardWhichFormItHolds) {
  FakeSystemClipboard clipboard;
  ClipboardHistory history;
  clipboard.Utf8 = true;
  clipboard.CopyText(Repeat(Sun, 501));
  EXPECT_EQ(history.UpdateStatus(clipboard, 4, true), Repeat(Sun, 500));
  EXPECT_EQ(history.currentClipboardText, Repeat(Sun, 501));
}

}  // namespace
