// Painting a UTF-8 document: every piece the view hands the painter holds whole
// characters, wherever the paint rectangle, a token, the selection or white-space marks cut
// the line, and the pieces land where the characters were measured.
#include "editor/syntax/CppLanguage.h"
#include "editor/view/Utf8Steps.h"
#include "tests/view/FakePainter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Identifiers, a string and a comment holding characters of 2, 3 and 4 bytes.
const std::string Line =
    "int caf\xC3\xA9 = f(\"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\"); // \xE2\x9C\x93 \xF0\x9F\x98\x80 fin";

class Utf8Painting : public ::testing::Test, public ViewFixture {
protected:
  Utf8Painting() {
    View.SetLanguage(MakeCppLanguage(""));
    View.SetUtf8(true);
    Painter.Widths.SetUtf8(true);
    View.SetText(Line);
  }
  void PaintStrip(int left, int right) {
    Painter.Calls.clear();
    View.Paint(Painter, left, 0, right, 16);
  }
  // Every text call starts at a character and holds only whole ones, drawn at the x the
  // view measured for its first character.
  void ExpectWholeCharacters() {
    const std::string text = View.LineText(0);
    ASSERT_FALSE(Painter.Of(PaintCall::Text).empty());
    for (const PaintCall& call : Painter.Of(PaintCall::Text)) {
      const int n = static_cast<int>(call.Chars.size());
      ASSERT_GT(n, 0);
      EXPECT_FALSE(IsUtf8Continuation(call.Chars[0])) << call.Chars;
      int characters = 0;
      for (char c : call.Chars) characters += !IsUtf8Continuation(c);
      EXPECT_EQ(Utf8CharCount(call.Chars.data(), n), characters) << "a character cut in " << call.Chars;
    }
  }

  FakePainter Painter;
};

TEST_F(Utf8Painting, TokensAndTheRightEdgeNeverCutACharacter) {
  for (int right = 1; right <= 40 * 7; right += 3) {
    PaintStrip(0, right);
    ExpectWholeCharacters();
  }
  PaintStrip(0, View.ClientWidth());
  EXPECT_EQ(Painter.TextAt(0), Line);
}

TEST_F(Utf8Painting, APartialRepaintStartsAtTheCharacterUnderItsLeftEdge) {
  for (int left = 0; left < View.LineWidth(0) - 7; left += 2) {
    PaintStrip(left, left + 10);
    ExpectWholeCharacters();
    // The first piece is the line's text at the place of its x.
    const PaintCall first = Painter.Of(PaintCall::Text).front();
    const std::string text = View.LineText(0);
    bool placed = false;
    for (std::size_t at = text.find(first.Chars); at != std::string::npos; at = text.find(first.Chars, at + 1))
      placed = placed || View.PointX(static_cast<int>(at)) == first.X;
    EXPECT_TRUE(placed) << "left " << left << ": " << first.Chars << " at " << first.X;
    EXPECT_LE(first.X, left);
  }
}

TEST_F(Utf8Painting, SelectionAndWhiteSpaceMarksDrawWholeCharacters) {
  Host.Focus = true;
  View.SetShowWhitespace(true);
  View.SetSelection(9, 33, ScrollNone);
  PaintStrip(0, View.ClientWidth());
  ExpectWholeCharacters();
  std::string selected;
  for (const PaintCall& call : Painter.Of(PaintCall::Text))
    if (call.X >= View.PointX(9) && call.X < View.PointX(33) && call.BackColour == Host.SystemColour(SystemColourHighlight))
      selected += call.Chars;
  EXPECT_EQ(selected, View.GetSelectedText());
}

}  // namespace
