// Cut, Copy and Paste of the view against the real clipboard.
#include "editor/view/win32/SystemClipboard.h"
#include "tests/view/ViewFakes.h"
#include "tests/view/win32/RawClipboard.h"

#include <gtest/gtest.h>

namespace {

struct ClipboardView {
  FakeMeasurer Measurer;
  FakeHost Host;
  SystemClipboard Clipboard{nullptr};
  TextView View{Measurer, Host, Clipboard};
  ClipboardView() { View.SetClientSize(560, 400); }
};

TEST(SystemClipboardWinTest, CopyWritesCrLfAndPasteReadsLf) {
  ClipboardView v;
  v.View.SetText("one\ntwo\nthree");
  v.View.SetSelection(0, 7, ScrollNone);
  v.View.Copy();
  EXPECT_EQ(RawClipboardText(), "one\r\ntwo");
  v.View.SetSelection(13, 13, ScrollNone);
  ASSERT_TRUE(v.View.CanPaste());
  v.View.Paste();
  EXPECT_EQ(v.View.GetText(NewLineLf), "one\ntwo\nthreeone\ntwo");
}

TEST(SystemClipboardWinTest, CutWithoutSelectionTakesTheWholeLine) {
  ClipboardView v;
  v.View.SetText("a\nbb\nc");
  v.View.SetSelection(3, 3, ScrollNone);
  v.View.Cut();
  EXPECT_EQ(RawClipboardText(), "bb\r\n");
  EXPECT_EQ(v.View.GetText(NewLineLf), "a\nc");
}

}  // namespace
