// A UTF-8 document in the view: the caret steps, deletes, selects words and hit-tests by
// whole characters, wrap breaks between characters, the column counts characters, typed
// characters are stored as UTF-8 - and with the switch off every byte is a character.
#include "tests/view/InputFixture.h"

#include "editor/view/WordFit.h"

namespace {

// "café 日本語 ✓" with an emoji: characters of 1, 2, 3 and 4 bytes.
const std::string Sample = "caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xE2\x9C\x93\xF0\x9F\x98\x80";

class Utf8View : public InputTest {
protected:
  Utf8View() {
    View.SetUtf8(true);
    View.SetText(Sample);
  }
  // Caret positions reached by pressing key from pos until it stops moving.
  std::vector<int> Walk(int pos, int key, int modifiers = 0) {
    PutCaret(pos);
    std::vector<int> positions{pos};
    for (;;) {
      Tap(key, modifiers);
      if (View.Caret() == positions.back()) return positions;
      positions.push_back(View.Caret());
    }
  }
};

TEST_F(Utf8View, RightAndLeftStepOverWholeCharacters) {
  const std::vector<int> forward{0, 1, 2, 3, 5, 6, 9, 12, 15, 16, 19, 23};
  EXPECT_EQ(Walk(0, KeyRight), forward);
  EXPECT_EQ(Walk(View.Length(), KeyLeft), std::vector<int>(forward.rbegin(), forward.rend()));
}

TEST_F(Utf8View, ShiftSelectionExtendsByWholeCharacters) {
  PutCaret(6);
  Tap(KeyRight, ModShift);
  Tap(KeyRight, ModShift);
  EXPECT_EQ(View.GetSelectedText(), "\xE6\x97\xA5\xE6\x9C\xAC");
  Tap(KeyLeft, ModShift);
  EXPECT_EQ(View.GetSelectedText(), "\xE6\x97\xA5");
}

TEST_F(Utf8View, BackspaceAndDeleteRemoveWholeCharacters) {
  Host.KeysDown.insert(KeyBackspace);  // a backspace character counts only from its key
  PutCaret(23);
  View.TypeChar('\b');
  EXPECT_EQ(View.RawText(), Sample.substr(0, 19));
  View.TypeChar('\b');  // the 3-byte check mark
  EXPECT_EQ(View.RawText(), Sample.substr(0, 16));
  PutCaret(3);
  View.DeleteKey();  // é
  EXPECT_EQ(View.RawText(), "caf " + Sample.substr(6, 10));
  PutCaret(4);
  View.DeleteKey();
  EXPECT_EQ(View.RawText(), "caf \xE6\x9C\xAC\xE8\xAA\x9E ");
  View.Undo();
  View.Undo();
  EXPECT_EQ(View.RawText(), Sample.substr(0, 16));
}

TEST_F(Utf8View, HomeAndEndKeepTheirPlacesAndTheCaretNeverStandsInsideACharacter) {
  PutCaret(10);  // inside 本
  EXPECT_EQ(View.Caret(), 9);
  View.SetSelection(7, 21, ScrollNone);
  EXPECT_EQ(View.Anchor(), 6);
  EXPECT_EQ(View.Caret(), 19);
  Tap(KeyEnd);
  EXPECT_EQ(View.Caret(), View.Length());
  Tap(KeyHome, ModShift);
  EXPECT_EQ(View.Caret(), 0);
}

TEST_F(Utf8View, WordStepsAndDoubleClickTakeWordsOfOtherScriptsWhole) {
  EXPECT_EQ(Walk(0, KeyRight, ModCtrl), (std::vector<int>{0, 6, 16, 23}));
  EXPECT_EQ(Walk(View.Length(), KeyLeft, ModCtrl), (std::vector<int>{23, 16, 6, 0}));
  View.MouseDoubleClick(X(1), Y(0));
  EXPECT_EQ(View.GetSelectedText(), "caf\xC3\xA9");
  View.MouseDoubleClick(X(6), Y(0));  // on 本
  EXPECT_EQ(View.GetSelectedText(), "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
}

TEST_F(Utf8View, AClickFindsTheCharacterUnderThePointerAndMeasuresByCharacters) {
  // Every character is one cell of the fake font.
  View.MouseDown(X(6), Y(0), MouseLeft);  // 本, the seventh character
  View.MouseUp();
  EXPECT_EQ(View.Caret(), 9);
  EXPECT_EQ(View.LineWidth(0), 11 * CharW);
  int x = 0, y = 0;
  View.PointFromPosition(19, x, y);
  EXPECT_EQ(x, 10 * CharW);
}

TEST_F(Utf8View, TheColumnCountsCharacters) {
  EXPECT_EQ(View.ColumnOfPosition(19), 10);
  EXPECT_EQ(View.ColumnOfPosition(View.Length()), 11);
  View.SetText("x\n" + Sample);
  EXPECT_EQ(View.ColumnOfPosition(View.LineStart(1) + 9), 6);
}

TEST_F(Utf8View, TypedCharactersBeyondAsciiAreStoredAsUtf8AndOverwriteWholeCharacters) {
  View.SetText("ab");
  PutCaret(1);
  View.TypeCodePoint(0x65E5);
  View.TypeCodePoint(0x1F600);
  EXPECT_EQ(View.RawText(), "a\xE6\x97\xA5\xF0\x9F\x98\x80" "b");
  EXPECT_EQ(View.Caret(), 8);
  PutCaret(1);
  View.SetInsertMode(false);
  View.TypeCodePoint('z');
  EXPECT_EQ(View.RawText(), "az\xF0\x9F\x98\x80" "b");
  View.TypeCodePoint(0xE9);
  EXPECT_EQ(View.RawText(), "az\xC3\xA9" "b");
}

TEST_F(Utf8View, WrapBreaksOnlyBetweenCharacters) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += (i % 3 == 0 ? "\xE6\x97\xA5\xE6\x9C\xAC " : "\xC3\xA9\xF0\x9F\x98\x80\xE2\x9C\x93 ");
  View.SetClientSize(10 * CharW, 25 * LineH);
  View.SetText(text);
  View.SetWordWrap(true);
  ASSERT_GT(View.LineCount(), 10);
  for (int line = 0; line < View.LineCount(); ++line) {
    const std::string shown = View.LineText(line);
    const int n = static_cast<int>(shown.size());
    EXPECT_LE(View.MeasureText(shown.data(), n), 10 * CharW) << line;
    const int start = View.LineStart(line);
    EXPECT_EQ(View.CharStartAt(start), start) << "line " << line << " starts inside a character";
  }
  View.SetWordWrap(false);
  EXPECT_EQ(View.RawText(), text);
}

TEST_F(Utf8View, ASingleByteDocumentBeepsForACharacterBeyondAscii) {
  View.SetUtf8(false);
  View.SetText("ab");
  PutCaret(1);
  View.TypeCodePoint(0x65E5);
  EXPECT_EQ(View.RawText(), "ab");
  EXPECT_EQ(Host.Count(HostEvent::Beep), 1);
}

using SingleByteView = InputTest;

TEST_F(SingleByteView, WithUtf8OffEveryByteIsACharacter) {
  View.SetText(Sample);
  PutCaret(0);
  for (int pos = 1; pos <= View.Length(); ++pos) {
    Tap(KeyRight);
    EXPECT_EQ(View.Caret(), pos);
  }
  PutCaret(10);
  EXPECT_EQ(View.Caret(), 10);
  Host.KeysDown.insert(KeyBackspace);
  View.TypeChar('\b');
  EXPECT_EQ(View.RawText(), Sample.substr(0, 9) + Sample.substr(10));
  EXPECT_EQ(View.ColumnOfPosition(12), 12);
  EXPECT_EQ(View.LineWidth(0), View.Length() * CharW);
  // Bytes beyond ASCII are "other" characters, not letters, as in the C locale.
  View.MouseDoubleClick(X(1), Y(0));
  EXPECT_EQ(View.GetSelectedText(), "caf");
}

TEST_F(SingleByteView, SwitchingToUtf8RemeasuresAndMovesTheCaretToABoundary) {
  View.SetText(Sample);
  PutCaret(10);
  EXPECT_EQ(View.LineWidth(0), 23 * CharW);
  View.SetUtf8(true);
  EXPECT_EQ(View.Caret(), 9);
  EXPECT_EQ(View.LineWidth(0), 11 * CharW);
  View.SetUtf8(false);
  EXPECT_EQ(View.LineWidth(0), 23 * CharW);
}

}  // namespace
