// WM_CUT, WM_COPY and WM_PASTE, and their keys, through the real clipboard: CR LF there,
// LF in the view.
#include "tests/view/win32/ViewWindowFixture.h"
#include "tests/view/win32/RawClipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A file in the temporary folder, removed again with the object.
class TempFile {
public:
  explicit TempFile(const std::string& content) {
    char folder[MAX_PATH] = {}, name[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "qvt", 0, name);
    Path = name;
    HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
  }
  ~TempFile() { DeleteFileA(Path.c_str()); }
  std::string Path;
};

struct ClipboardView : ViewWindowFixture {
  explicit ClipboardView(const char* text) {
    UseFixedFont();
    View.SetText(text);  // as a document is loaded: not modified, nothing to undo
    View.SetModified(false);
    View.ClearUndo();
    Notifications.clear();
  }
  void Send(UINT message) { SendMessageA(Window(), message, 0, 0); }
  std::string Text() const { return View.GetText(NewLineLf); }
};

}  // namespace

TEST(ClipboardWinTest, CopyPutsCrLfOnTheClipboardAndLeavesTheText) {
  ClipboardView v("one\ntwo\nthree");
  v.View.SetSelection(0, 7, ScrollNone);
  v.Send(WM_COPY);
  EXPECT_EQ(RawClipboardText(), "one\r\ntwo");
  EXPECT_EQ(v.Text(), "one\ntwo\nthree");
  EXPECT_FALSE(v.View.IsModified());
  // Without a selection the caret's whole line goes, with its line break.
  v.View.SetSelection(9, 9, ScrollNone);
  v.Send(WM_COPY);
  EXPECT_EQ(RawClipboardText(), "three\r\n");
}

TEST(ClipboardWinTest, CutTakesTheSelectionOutOntoTheClipboard) {
  ClipboardView v("one\ntwo\nthree");
  v.View.SetSelection(2, 5, ScrollNone);
  v.Notifications.clear();
  v.Send(WM_CUT);
  EXPECT_EQ(RawClipboardText(), "e\r\nt");
  EXPECT_EQ(v.Text(), "onwo\nthree");
  EXPECT_EQ(v.View.Caret(), 2);
  EXPECT_TRUE(v.View.IsModified());
  ASSERT_FALSE(v.Notifications.empty());
  EXPECT_EQ(v.Notifications.back().Code, TVN_TEXTCHANGED);
}

TEST(ClipboardWinTest, PasteTurnsCrLfIntoLf) {
  ClipboardView v("ab");
  ASSERT_TRUE(PutRawClipboardText("x\r\n\xE9\t\r\n"));
  v.View.SetSelection(1, 1, ScrollNone);
  ASSERT_TRUE(v.View.CanPaste());
  v.Send(WM_PASTE);
  EXPECT_EQ(v.Text(), "ax\n\xE9\t\nb");
  EXPECT_EQ(v.View.Caret(), 6);
  EXPECT_EQ(v.View.LineCount(), 3);
  // Pasting over a selection replaces it.
  v.View.SetSelection(0, 1, ScrollNone);
  v.Send(WM_PASTE);
  EXPECT_EQ(v.Text(), "x\n\xE9\t\nx\n\xE9\t\nb");
}

TEST(ClipboardWinTest, PasteIntoAReadOnlyViewDoesNothingButCopyWorks) {
  ClipboardView v("locked text");
  v.View.SetReadOnly(true);
  ASSERT_TRUE(PutRawClipboardText("intruder"));
  EXPECT_FALSE(v.View.CanPaste());
  v.View.SetSelection(0, 6, ScrollNone);
  v.Notifications.clear();
  v.Send(WM_PASTE);
  v.Send(WM_CUT);
  EXPECT_EQ(v.Text(), "locked text");
  EXPECT_FALSE(v.View.IsModified());
  EXPECT_TRUE(v.Notifications.empty());
  EXPECT_EQ(RawClipboardText(), "intruder");
  v.Send(WM_COPY);
  EXPECT_EQ(RawClipboardText(), "locked");
}

TEST(ClipboardWinTest, CopyUnderWordWrapLeavesTheSoftBreaksOut) {
  ViewWindowOptions options;
  options.Width = 150;
  ViewWindowFixture f(options);
  f.UseFixedFont();
  const std::string text = "alpha beta gamma delta epsilon zeta eta theta\nend";
  f.View.SetText(text);
  f.View.SetWordWrap(true);
  ASSERT_NE(f.View.RawText().find('\r'), std::string::npos);
  f.View.SelectAll();
  SendMessageA(f.Window(), WM_COPY, 0, 0);
  EXPECT_EQ(RawClipboardText(), "alpha beta gamma delta epsilon zeta eta theta\r\nend");
}

TEST(ClipboardWinTest, TheClipboardKeys) {
  ClipboardView v("left right");
  v.View.SetSelection(0, 4, ScrollNone);
  v.Press('C', ModCtrl);
  EXPECT_EQ(RawClipboardText(), "left");
  v.View.SetSelection(5, 10, ScrollNone);
  v.Press(VK_INSERT, ModCtrl);
  EXPECT_EQ(RawClipboardText(), "right");
  v.Press('X', ModCtrl);
  EXPECT_EQ(v.Text(), "left ");
  v.Press('V', ModCtrl);
  v.Press(VK_INSERT, ModShift);
  EXPECT_EQ(v.Text(), "left rightright");
  v.View.SetSelection(0, 5, ScrollNone);
  v.Press(VK_DELETE, ModShift);
  EXPECT_EQ(v.Text(), "rightright");
  EXPECT_EQ(RawClipboardText(), "left ");
  EXPECT_TRUE(v.View.IsInsertMode());  // Shift+Insert pastes, it does not toggle
}

TEST(ClipboardWinTest, PastingCopiedFilesInsertsTheirContents) {
  ClipboardView v("[]");
  TempFile first("one\r\ntwo\r"), second("three");
  ASSERT_TRUE(PutDropList({first.Path, second.Path}));
  ASSERT_TRUE(v.View.CanPaste());
  v.View.SetSelection(1, 1, ScrollNone);
  v.Send(WM_PASTE);
  EXPECT_EQ(v.Text(), "[one\ntwo\nthree]");
  EXPECT_TRUE(v.View.IsModified());
}
