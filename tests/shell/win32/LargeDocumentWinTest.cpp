// The real editor on a large C++ document opened at its last line: the lines shown there
// are coloured by states found from the top, through a comment opened above the page and
// strings and line comments that hold "/*" without opening one.
#include "editor/syntax/ColorScheme.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr int CodeLines = 700000;  // about 22 MB
// More lines than the window shows even maximised on the test desktop, so that the page
// at the end starts inside this comment.
constexpr int CommentAboveLines = 80;
constexpr int KeywordLines = 5;
constexpr int CommentBelowLines = 3;

// A "/*" inside a line comment or a string opens nothing: were one of them taken for a
// comment's start, everything below it would be comment.
const char* const Code[] = {
    "int value = count + 1;                   // the sum so far",
    "if (value > limit) return value;",
    "// a note, and no comment opens here: /*",
    "const char* opening = \"/* in a string */ /*\";",
    "for (int i = 0; i < count; ++i) total += i * 3;",
    "{",
    "    total = total * 3 + 7;",
    "}",
};

// A closed comment at the top, the code, a comment opened above the last page and closed on
// it, lines of code with a keyword each, then a comment that stays open to the last line.
std::string LargeDocument() {
  std::string text = "/* a closed\n   comment */\n";
  for (int line = 0; line < CodeLines; ++line) (text += Code[line % (sizeof Code / sizeof *Code)]) += '\n';
  text += "/* a comment opened above the page\n";
  for (int line = 0; line < CommentAboveLines; ++line) text += "   the comment goes on here\n";
  text += "   and ends here */\n";
  for (int line = 0; line < KeywordLines; ++line) text += "int total = count + 1;\n";
  text += "/* opened near the end, open to the last line\n";
  for (int line = 0; line < CommentBelowLines; ++line) text += "   int inside = the comment;\n";
  return text + "int last;";
}

int LineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1; }

// The text lines of an area, top to bottom, as bands of pixel rows holding either colour:
// 'c' for a line in the comment colour only, 'k' in the keyword colour only (with plain
// text and symbols beside it), 'm' for both.
std::string LineKinds(const Image& shot, const RECT& area, COLORREF comment, COLORREF keyword) {
  std::string kinds;
  bool inLine = false;
  for (int y = area.top; y < area.bottom; ++y) {
    const int comments = shot.Count(area.left, y, area.right, y + 1, comment);
    const int keywords = shot.Count(area.left, y, area.right, y + 1, keyword);
    if (comments == 0 && keywords == 0) {
      inLine = false;
      continue;
    }
    const char kind = keywords == 0 ? 'c' : comments == 0 ? 'k' : 'm';
    if (!inLine) kinds += kind;
    else if (kinds.back() != kind) kinds.back() = 'm';
    inLine = true;
  }
  return kinds;
}

}  // namespace

TEST(LargeDocumentTest, OpenedAtItsLastLineItShowsTheColoursOfStatesFoundFromTheTop) {
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

  RECT frame;
  GetWindowRect(editor.MainWindow(), &frame);
  const Image shot = CaptureScreenArea(frame);
  EXPECT_FALSE(SaveScreenshot(shot, "QuilvaneLargeDocumentEnd.png").empty());
  // The text area: the view's client area (no frame, gutter or scroll bars) in the shot.
  RECT textArea;
  GetClientRect(editor.View(), &textArea);
  POINT origin{0, 0};
  ClientToScreen(editor.View(), &origin);
  OffsetRect(&textArea, origin.x - frame.left, origin.y - frame.top);

  // The test's settings are those of a first run: the first of the default schemes.
  ColorSchemeList schemes;
  schemes.AddDefaultSchemes();
  ASSERT_NE(schemes.Current(), nullptr);
  const std::string kinds =
      LineKinds(shot, textArea, schemes.Current()->Colors[Comment], schemes.Current()->Colors[Keyword]);
  // From the bottom: the last line, the open comment's lines and its "/*" line; the lines of
  // code; then, up to the top of the page, the comment opened above it and its "*/" line.
  const std::string end = std::string(KeywordLines, 'k') + std::string(CommentBelowLines + 2, 'c');
  ASSERT_GT(kinds.size(), end.size() + 2) << kinds;
  EXPECT_EQ(kinds, std::string(kinds.size() - end.size(), 'c') + end);
}
