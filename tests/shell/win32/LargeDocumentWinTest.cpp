// The real editor on a large C++ document opened at its last line: the lines shown there
// are coloured by states found from the top, through a comment opened far above them.
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr int CodeLines = 400000;
constexpr int CommentLines = 60;  // more than the window shows

// A closed comment at the top, many lines of code, then a comment that stays open to the
// end: the last page is comment through and through, its "int"s included.
std::string LargeDocument() {
  std::string text = "/* a closed\n   comment */\n";
  for (int line = 0; line < CodeLines; ++line) text += "int value = count + 1; // note\n";
  text += "/* open to the end\n";
  for (int line = 0; line < CommentLines; ++line) text += "int inside = the comment;\n";
  return text + "int last;";
}

int LineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1; }

bool IsGreen(COLORREF c) { return GetGValue(c) > GetRValue(c) + 40 && GetGValue(c) > GetBValue(c) + 40; }
bool IsBlue(COLORREF c) { return GetBValue(c) > GetRValue(c) + 60 && GetBValue(c) > GetGValue(c) + 60; }

}  // namespace

TEST(LargeDocumentTest, OpenedAtItsLastLineItShowsTheCommentColoursFoundFromTheTop) {
  EditorProcess editor;
  const std::string text = LargeDocument();
  const int lines = LineCount(text);
  editor.Folder().WriteBytes("Large.cpp", text);
  editor.Start({editor.Path("Large.cpp"), "-GL", std::to_string(lines)});
  ASSERT_TRUE(editor.WaitForMainWindow());
  const std::string status = "Ln " + std::to_string(lines) + ", Col 1";
  EditorProcess::WaitUntil([&] { return editor.StatusText() == status; });
  SetForegroundWindow(editor.MainWindow());
  RedrawWindow(editor.MainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(500);  // the other process paints in its own time

  RECT frame, view;
  GetWindowRect(editor.MainWindow(), &frame);
  GetWindowRect(editor.View(), &view);
  const Image shot = CaptureScreenArea(frame);
  EXPECT_FALSE(SaveScreenshot(shot, "QuilvaneLargeDocumentEnd.png").empty());
  int green = 0, blue = 0;
  for (int y = view.top - frame.top; y < view.bottom - frame.top; ++y)
    for (int x = view.left - frame.left; x < view.right - frame.left; ++x) {
      green += IsGreen(shot.At(x, y));
      blue += IsBlue(shot.At(x, y));
    }
  EXPECT_GT(green, 500);  // every shown line is comment, in the scheme's comment colour
  EXPECT_EQ(blue, 0);     // so no keyword is coloured as one
}
