// A UTF-8 document in the real window: its characters measured and painted through the
// wide GDI calls, typed characters beyond the code page stored whole, and a click inside a
// wide character placing the caret at a character boundary.
#include "tests/view/win32/ViewWindowFixture.h"

#include <gtest/gtest.h>

namespace {

// "café 日本語 ✓"
const char Sample[] = "caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xE2\x9C\x93";
const wchar_t WideSample[] = L"caf\u00E9 \u65E5\u672C\u8A9E \u2713";
const COLORREF White = RGB(255, 255, 255);

struct Utf8Window : ViewWindowFixture {
  Utf8Window() {
    UseFixedFont();
    View.SetUtf8(true);
    View.SetText(Sample);
    View.SetSelection(0, 0, ScrollNone);
  }
  // The character's width as GDI measures it alone with the view's font.
  int WideWidth(wchar_t c) const {
    HDC context = GetDC(Window());
    const HGDIOBJ old = SelectObject(context, View.Font());
    SIZE size{};
    GetTextExtentPoint32W(context, &c, 1, &size);
    SelectObject(context, old);
    ReleaseDC(Window(), context);
    return size.cx;
  }
  // Pixels of the first line's strip [left, right) (client x) that are not background.
  int Ink(const Image& image, int left, int right) {
    const POINT origin = ClientOrigin();
    const int lineHeight = View.Metrics().LineHeight;
    const int all = (right - left) * lineHeight;
    return all - image.Count(origin.x + left, origin.y, origin.x + right, origin.y + lineHeight, White);
  }
};

}  // namespace

TEST(Utf8WinTest, ALineOfAccentedCjkAndSymbolCharactersIsMeasuredAndPaintedByCharacter) {
  Utf8Window v;
  // A font with glyphs beyond Latin-1 (the check mark at least), so that the screenshot
  // shows them; characters the font lacks are measured and drawn as its missing glyph.
  HFONT font = CreateFontA(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, FIXED_PITCH | FF_MODERN, "DejaVu Sans Mono");
  ASSERT_NE(font, nullptr);
  v.View.SetFont(font);
  DeleteObject(font);
  int expected = 0;
  for (const wchar_t* c = WideSample; *c; ++c) expected += v.WideWidth(*c);
  EXPECT_EQ(v.View.LineWidth(0), expected);

  v.Repaint();
  SaveScreenshot(CaptureWindow(v.Top()), "utf8-line.png");
  const Image image = v.CaptureView();
  // Each character has ink in its own cell, and nothing is drawn behind the line's end.
  const int positions[] = {0, 1, 2, 3, 5, 6, 9, 12, 15, 16};
  for (int i = 0; i + 1 < 10; ++i) {
    if (v.View.CharAt(positions[i]) == ' ') continue;
    const int left = v.View.PointX(positions[i]);
    const int right = v.View.PointX(positions[i + 1]);
    EXPECT_GT(right, left) << "character " << i;
    EXPECT_GT(v.Ink(image, left, right), 0) << "character " << i;
  }
  const int end = v.View.PointX(v.View.Length());
  EXPECT_GT(v.Ink(image, v.View.PointX(16), end), 0) << "the check mark";
  EXPECT_EQ(v.Ink(image, end + v.View.Metrics().MaxCharWidth, v.View.ClientWidth()), 0);
}

TEST(Utf8WinTest, ATypedCharacterBeyondTheCodePageIsStoredAsItsUtf8Bytes) {
  Utf8Window v;
  v.View.SetText("ab");
  v.View.SetSelection(1, 1, ScrollNone);
  EXPECT_EQ(SendMessageA(v.Window(), WM_UNICHAR, UNICODE_NOCHAR, 0), TRUE);
  SendMessageA(v.Window(), WM_UNICHAR, 0x65E5, 1);
  SendMessageA(v.Window(), WM_UNICHAR, 0x1F600, 1);
  EXPECT_EQ(v.View.RawText(), "a\xE6\x97\xA5\xF0\x9F\x98\x80" "b");
  EXPECT_EQ(v.View.Caret(), 8);
  // A character of the code page sent as a byte arrives in its UTF-8 form too.
  const wchar_t eAcute = L'\u00E9';
  char ansi = 0;
  BOOL lost = FALSE;
  ASSERT_EQ(WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &eAcute, 1, &ansi, 1, nullptr, &lost), 1);
  ASSERT_FALSE(lost) << "the test's code page holds e acute";
  SendMessageA(v.Window(), WM_CHAR, static_cast<unsigned char>(ansi), 1);
  EXPECT_EQ(v.View.RawText(), "a\xE6\x97\xA5\xF0\x9F\x98\x80\xC3\xA9" "b");
}

TEST(Utf8WinTest, ASingleByteDocumentTakesCodePageCharactersAndRefusesOthers) {
  ViewWindowFixture v;
  v.View.SetText("ab");
  v.View.SetSelection(1, 1, ScrollNone);
  SendMessageA(v.Window(), WM_UNICHAR, 0x65E5, 1);
  EXPECT_EQ(v.View.RawText(), "ab");
  const wchar_t eAcute = L'\u00E9';
  char ansi = 0;
  ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, &eAcute, 1, &ansi, 1, nullptr, nullptr), 1);
  SendMessageA(v.Window(), WM_UNICHAR, 0xE9, 1);
  EXPECT_EQ(v.View.RawText(), std::string("a") + ansi + "b");
  SendMessageA(v.Window(), WM_CHAR, static_cast<unsigned char>(ansi), 1);
  EXPECT_EQ(v.View.RawText(), std::string("a") + ansi + ansi + "b");
}

TEST(Utf8WinTest, AClickInsideACjkCharacterPlacesTheCaretAtItsStart) {
  Utf8Window v;
  const int left = v.View.PointX(9);  // 本
  const int right = v.View.PointX(12);
  ASSERT_GT(right - left, 2);
  const int y = v.View.Metrics().LineHeight / 2;
  v.Mouse(WM_LBUTTONDOWN, left + (right - left) / 2, y, MK_LBUTTON);
  v.Mouse(WM_LBUTTONUP, left + (right - left) / 2, y, 0);
  EXPECT_EQ(v.View.Caret(), 9);
  v.Mouse(WM_LBUTTONDOWN, right - 1, y, MK_LBUTTON);
  v.Mouse(WM_LBUTTONUP, right - 1, y, 0);
  EXPECT_EQ(v.View.Caret(), 9);
  v.Mouse(WM_LBUTTONDOWN, right, y, MK_LBUTTON);
  v.Mouse(WM_LBUTTONUP, right, y, 0);
  EXPECT_EQ(v.View.Caret(), 12);
}
