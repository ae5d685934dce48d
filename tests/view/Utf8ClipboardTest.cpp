// The view tells its clipboard which form its text has: UTF-8 in a Unicode document, the
// code page's bytes otherwise.
#include "tests/view/InputFixture.h"

namespace {

const std::string Japanese = "\xE6\x97\xA5\xE6\x9C\xAC";  // 日本

class Utf8Clipboard : public InputTest {};

TEST_F(Utf8Clipboard, CutCopyAndPasteAskForTheFormOfTheDocument) {
  View.SetUtf8(true);
  View.SetText("a" + Japanese + "\nb");
  View.SelectAll();
  View.Copy();
  EXPECT_TRUE(Clipboard.TextIsUtf8);
  EXPECT_EQ(Clipboard.Text, "a" + Japanese + "\r\nb");
  View.Cut();
  EXPECT_EQ(View.RawText(), "");
  View.Paste();
  EXPECT_TRUE(Clipboard.AskedForUtf8);
  EXPECT_EQ(View.RawText(), "a" + Japanese + "\nb");

  View.SetUtf8(false);
  View.SelectAll();
  View.Copy();
  EXPECT_FALSE(Clipboard.TextIsUtf8);
  View.Paste();
  EXPECT_FALSE(Clipboard.AskedForUtf8);
}

}  // namespace
