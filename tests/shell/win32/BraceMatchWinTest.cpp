// Brace matching in the real editor with a C++ file: Ctrl+] goes to the partner of the brace
// beside the caret and back, passing over braces in strings and comments; a brace without a
// partner beeps and the caret stays. The screen shows the pair, and such a brace, on
// backgrounds made from the light and from a dark scheme (pictures saved).
#include "editor/view/TextView.h"
#include "tests/shell/FirstRunFile.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char Source[] =
    "int main() {\n"
    "  if (f(\"(\", ')',  // )\n"
    "        x)) {\n"
    "    return 0;\n"
    "  }\n"
    "  g((1);\n"
    "}\n";

constexpr WORD CloseBracketKey = 0xDD;  // "]" on a US keyboard
// The first run's scheme (Sky): black plain text on white; the fourth (Space) the other way.
constexpr COLORREF SchemeBackground = RGB(255, 255, 255);
constexpr COLORREF SchemePlainText = RGB(0, 0, 0);
constexpr int DarkScheme = 3;

// The first run's settings with another current scheme, as the file holds them (CR LF).
std::string SettingsWithScheme(int scheme) {
  std::string text = FirstRunText;
  const std::string current = "CurrentColorScheme=0\n";
  text.replace(text.find(current), current.size(), "CurrentColorScheme=" + std::to_string(scheme) + "\n");
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

// The view's character cell in the first run's font.
SIZE CellSize() {
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Courier New");
  const HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen, &metrics);
  SelectObject(screen, old);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  return SIZE{metrics.tmAveCharWidth, metrics.tmHeight};
}

struct BraceEditor {
  explicit BraceEditor(int scheme = 0) {
    if (scheme != 0) Editor.Folder().WriteBytes("Quilvane.ini", SettingsWithScheme(scheme));
    Editor.Folder().WriteBytes("Sample.cpp", Source);
    Editor.Start({Editor.Path("Sample.cpp")});
    EXPECT_TRUE(Editor.WaitForMainWindow());
    WaitFor("Ln 1, Col 1");
  }
  void WaitFor(const std::string& status) {
    EditorProcess::WaitUntil([&] { return Editor.StatusText() == status; });
  }
  // Presses a key without Ctrl and waits for the caret's new place.
  void Press(WORD key, const std::string& status) {
    Editor.PressKey(key);
    WaitFor(status);
  }
  void MatchBrace(const std::string& status) {
    Editor.PressKey(CloseBracketKey, true);
    WaitFor(status);
  }
  // The view's text area as the screen shows it, once painted.
  Image Shot(const char* fileName) {
    Sleep(500);
    RECT client;
    GetClientRect(Editor.View(), &client);
    MapWindowPoints(Editor.View(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    const Image image = CaptureScreenArea(client);
    EXPECT_FALSE(SaveScreenshot(image, fileName).empty());
    return image;
  }
  // How many pixels of the cell of a character (0-based line and column) have the colour.
  int CellPixels(const Image& image, int line, int column, COLORREF colour) const {
    return image.Count(column * Cell.cx, line * Cell.cy, (column + 1) * Cell.cx, (line + 1) * Cell.cy, colour);
  }
  // Most of the cell: the glyph and the caret take the rest.
  bool CellIs(const Image& image, int line, int column, COLORREF colour) const {
    return CellPixels(image, line, column, colour) > Cell.cx * Cell.cy / 2;
  }

  EditorProcess Editor;
  SIZE Cell = CellSize();
};

}  // namespace

TEST(BraceMatchWinTest, CtrlCloseBracketGoesToThePartnerAndBackAndStaysAtABraceWithoutOne) {
  BraceEditor e;
  const COLORREF pair = MatchedBraceBackground(SchemeBackground, SchemePlainText);
  const COLORREF error = UnmatchedBraceBackground(SchemeBackground);
  ASSERT_NE(pair, SchemeBackground);
  ASSERT_GT(GetRValue(error), GetGValue(error) + 60) << "red-ish";

  // After the "{" of the function: its partner ends the file.
  e.Press(VK_END, "Ln 1, Col 13");
  const Image paired = e.Shot("BraceMatchPair.png");
  EXPECT_TRUE(e.CellIs(paired, 0, 11, pair));
  EXPECT_TRUE(e.CellIs(paired, 6, 0, pair));
  EXPECT_TRUE(e.CellIs(paired, 0, 8, SchemeBackground)) << "another brace stays as it was";
  EXPECT_TRUE(e.CellIs(paired, 4, 2, SchemeBackground));
  e.MatchBrace("Ln 7, Col 1");
  e.MatchBrace("Ln 1, Col 12");

  // The parenthesis after "if": the ones in the string, the character and the comment on the
  // way do not count.
  e.Press(VK_DOWN, "Ln 2, Col 12");
  e.Press(VK_HOME, "Ln 2, Col 1");
  for (int column = 2; column <= 6; ++column) e.Press(VK_RIGHT, "Ln 2, Col " + std::to_string(column));
  e.MatchBrace("Ln 3, Col 11");
  e.MatchBrace("Ln 2, Col 6");

  // The first "(" of g((1) has no partner: it shows in the error colour, and Ctrl+] leaves the
  // caret there (the key pressed after it moves on from there).
  for (int line = 3; line <= 6; ++line) e.Press(VK_DOWN, "Ln " + std::to_string(line) + (line == 5 ? ", Col 4" : ", Col 6"));
  e.Press(VK_HOME, "Ln 6, Col 1");
  for (int column = 2; column <= 4; ++column) e.Press(VK_RIGHT, "Ln 6, Col " + std::to_string(column));
  const Image unmatched = e.Shot("BraceMatchUnmatched.png");
  EXPECT_TRUE(e.CellIs(unmatched, 5, 3, error));
  EXPECT_TRUE(e.CellIs(unmatched, 5, 4, SchemeBackground)) << "the pair inside it is not the caret's";
  EXPECT_EQ(e.CellPixels(unmatched, 0, 11, pair), 0) << "the old pair is painted as before";
  EXPECT_EQ(e.CellPixels(unmatched, 6, 0, pair), 0);
  e.Editor.PressKey(CloseBracketKey, true);
  e.Press(VK_RIGHT, "Ln 6, Col 5");
  EXPECT_EQ(e.Editor.ViewText(), Source);
}

TEST(BraceMatchWinTest, OnADarkSchemeTheShadesAreMadeFromItsColours) {
  BraceEditor e(DarkScheme);
  const COLORREF background = RGB(0, 0, 0);
  e.Editor.PressKey(VK_END, true);
  e.WaitFor("Ln 8, Col 1");
  e.Press(VK_UP, "Ln 7, Col 1");
  const Image paired = e.Shot("BraceMatchDarkPair.png");
  EXPECT_TRUE(e.CellIs(paired, 6, 0, MatchedBraceBackground(background, RGB(255, 255, 255))));
  EXPECT_TRUE(e.CellIs(paired, 0, 11, MatchedBraceBackground(background, RGB(255, 255, 255))));
  EXPECT_TRUE(e.CellIs(paired, 0, 8, background));
  e.Editor.PressKey(VK_END, true);
  e.WaitFor("Ln 8, Col 1");
  e.Editor.TypeUnits(L"(");
  e.WaitFor("Ln 8, Col 2");
  const Image unmatched = e.Shot("BraceMatchDarkUnmatched.png");
  EXPECT_TRUE(e.CellIs(unmatched, 7, 0, UnmatchedBraceBackground(background)));
  EXPECT_TRUE(e.CellIs(unmatched, 6, 0, background));
}
