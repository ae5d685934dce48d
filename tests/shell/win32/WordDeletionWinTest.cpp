// Ctrl+Delete and Ctrl+Backspace in the real editor: a word with the blanks after it, a
// word before the caret, a line end on its own, and each undone in one step.
#include "tests/shell/win32/EditorProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct EditorOnText {
  explicit EditorOnText(const std::string& text) {
    Editor.Folder().WriteBytes("words.txt", text);
    Editor.Start({Editor.Path("words.txt")});
    EXPECT_TRUE(Editor.WaitForMainWindow());
    EditorProcess::WaitUntil([&] { return Editor.StatusText() == "Ln 1, Col 1"; });
  }
  // Presses the key with Ctrl held and waits for the text it should leave (a wrong text
  // shows after a while instead of waiting on).
  void Press(WORD key, const std::string& expected) {
    Editor.PressKey(key, true);
    for (int tries = 0; tries < 100 && Editor.ViewText() != expected; ++tries) Sleep(20);
    EXPECT_EQ(Editor.ViewText(), expected) << "after key " << key;
  }

  EditorProcess Editor;
};

}  // namespace

TEST(WordDeletionTest, CtrlDeleteTakesTheWordAndItsBlanksAndCtrlBackspaceTheWordBefore) {
  EditorOnText editor("one two  three\nfour five");
  editor.Press(VK_DELETE, "two  three\nfour five");
  editor.Press(VK_DELETE, "three\nfour five");
  editor.Press(VK_DELETE, "\nfour five");
  editor.Press(VK_DELETE, "four five");  // the line end alone
  editor.Press('Z', "\nfour five");      // one undo step brings it back
  editor.Press('Z', "three\nfour five");

  editor.Press(VK_END, "three\nfour five");
  editor.Press(VK_BACK, "three\nfour ");
  editor.Press(VK_BACK, "three\n");
  editor.Press(VK_BACK, "three");  // at a line's start, the line end alone
  editor.Press(VK_BACK, "");
  editor.Press('Z', "three");
  EXPECT_EQ(editor.Editor.StatusText(), "Ln 1, Col 6");
}
