// Screenshots of the view as a user sees it: C++ in the "Sky" scheme with line numbers, a
// bookmark, a selection, visible white space and a wrapped comment; saved as PNG files to be
// looked at, with a few pixels checked. Also checks the PNG writer itself.
#include "tests/view/win32/ViewWindowFixture.h"

#include "editor/syntax/CppLanguage.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const char CppSample[] =
    "// A sample for the screenshots: this comment is long enough to wrap at the right edge of the view\n"
    "#include <string>\n"
    "\n"
    "int CountLetter(const std::string& text, char letter) {\n"
    "\tint count = 0;  /* tabs and spaces */\n"
    "\tfor (char c : text)\n"
    "\t\tif (c == letter) ++count;\n"
    "\treturn count;  // \"done\"\n"
    "}\n";

const COLORREF GutterGrey = RGB(230, 230, 230);

struct SampleView : ViewWindowFixture {
  SampleView() : ViewWindowFixture(Options()) {
    UseFixedFont(DEFAULT_QUALITY);  // as the editor shows it, antialiased where the system does
    View.SetShowLineNumbers(true);
    View.SetShowWhitespace(true);
    View.SetText(CppSample);
    View.SetWordWrap(true);
    View.SetSelection(View.LineStart(Bookmarked()), View.LineStart(Bookmarked()), ScrollNone);
    View.ToggleBookmark();
    // "std::string" on the function's line is selected.
    const int line = View.LineOfHardLine(3);
    const int start = View.LineStart(line) + static_cast<int>(View.LineText(line).find("std::string"));
    View.SetSelection(start, start + 11, ScrollNone);
  }
  static ViewWindowOptions Options() {
    ViewWindowOptions options;
    options.Style = WS_CHILD | WS_VISIBLE | WS_VSCROLL;
    options.ExStyle = WS_EX_CLIENTEDGE;
    options.Width = 480;
    options.Height = 260;
    options.Language = MakeCppLanguage("");
    options.Scheme = DefaultScheme("Sky");
    return options;
  }
  int Bookmarked() const { return View.LineOfHardLine(4); }
  // Saves the whole test window and returns the view alone for pixel checks.
  Image ShootAndSave(const std::string& name) {
    Repaint();
    const std::string path = SaveScreenshot(CaptureWindow(Top()), name);
    EXPECT_FALSE(path.empty()) << name;
    return CaptureView();
  }
  int Edge() const { return GetSystemMetrics(SM_CXEDGE); }
  int LineTop(int line) { return GetSystemMetrics(SM_CYEDGE) + (line - View.TopLine()) * LineHeight(); }
  // Pixels of the gutter cell of a display line (edge column and frame rows left out) that
  // are not the gutter's grey.
  int InkInGutterCell(const Image& image, int line) {
    const int top = LineTop(line) + 1, bottom = LineTop(line) + LineHeight() - 1;
    const int left = Edge(), right = Edge() + View.GutterWidth() - 1;
    return (right - left) * (bottom - top) - image.Count(left, top, right, bottom, GutterGrey);
  }
  // Pixels of a display line's text strip whose colour is near the given one.
  int NearColour(const Image& image, int line, COLORREF colour) {
    const POINT origin = ClientOrigin();
    int count = 0;
    for (int y = LineTop(line); y < LineTop(line) + LineHeight(); ++y)
      for (int x = origin.x; x < origin.x + View.ClientWidth(); ++x) {
        const COLORREF p = image.At(x, y);
        const int distance = std::abs(GetRValue(p) - GetRValue(colour)) + std::abs(GetGValue(p) - GetGValue(colour)) +
                             std::abs(GetBValue(p) - GetBValue(colour));
        if (distance < 60) ++count;
      }
    return count;
  }
};

// The stored deflate blocks of a zlib stream put back together; false when malformed.
bool UnstoreZlib(const std::string& zlib, std::string& raw) {
  if (zlib.size() < 6 || static_cast<unsigned char>(zlib[0]) != 0x78) return false;
  std::size_t at = 2;
  for (bool last = false; !last;) {
    if (at + 5 > zlib.size()) return false;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(zlib[i])); };
    last = (byte(at) & 1) != 0;
    if ((byte(at) & 6) != 0) return false;  // not a stored block
    const unsigned length = byte(at + 1) | byte(at + 2) << 8, inverse = byte(at + 3) | byte(at + 4) << 8;
    if ((length ^ 0xFFFF) != inverse || at + 5 + length > zlib.size()) return false;
    raw.append(zlib, at + 5, length);
    at += 5 + length;
  }
  if (at + 4 != zlib.size()) return false;
  std::uint32_t adler = 0;
  for (int i = 0; i < 4; ++i) adler = adler << 8 | static_cast<unsigned char>(zlib[at + i]);
  return adler == Adler32(reinterpret_cast<const unsigned char*>(raw.data()), raw.size());
}

std::uint32_t BigEndian(const std::string& s, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(s[at + i]);
  return value;
}

}  // namespace

TEST(ScreenshotWinTest, PngChecksumsMatchTheirKnownValues) {
  const unsigned char iend[] = {'I', 'E', 'N', 'D'};
  EXPECT_EQ(Crc32(iend, 4), 0xAE426082u);
  const unsigned char wikipedia[] = {'W', 'i', 'k', 'i', 'p', 'e', 'd', 'i', 'a'};
  EXPECT_EQ(Adler32(wikipedia, 9), 0x11E60398u);
  // Either may be computed in pieces.
  EXPECT_EQ(Crc32(iend + 2, 2, Crc32(iend, 2)), 0xAE426082u);
  EXPECT_EQ(Adler32(wikipedia + 4, 5, Adler32(wikipedia, 4)), 0x11E60398u);
}

TEST(ScreenshotWinTest, PngFilesHoldTheImageInValidChunks) {
  Image image(200, 150);  // more than one stored block of 65535 bytes
  image.Set(0, 0, RGB(1, 2, 3));
  image.Set(199, 149, RGB(250, 128, 7));
  const std::string png = EncodePng(image);
  ASSERT_EQ(png.compare(0, 8, "\x89PNG\r\n\x1A\n"), 0);
  std::string types, idat, header;
  for (std::size_t at = 8; at < png.size();) {
    ASSERT_LE(at + 12, png.size());
    const std::uint32_t length = BigEndian(png, at);
    ASSERT_LE(at + 12 + length, png.size());
    const std::string typed = png.substr(at + 4, 4 + length);
    EXPECT_EQ(BigEndian(png, at + 8 + length),
              Crc32(reinterpret_cast<const unsigned char*>(typed.data()), typed.size()));
    types += typed.substr(0, 4) + " ";
    if (typed.compare(0, 4, "IHDR") == 0) header = typed.substr(4);
    if (typed.compare(0, 4, "IDAT") == 0) idat += typed.substr(4);
    at += 12 + length;
  }
  EXPECT_EQ(types, "IHDR IDAT IEND ");
  ASSERT_EQ(header.size(), 13u);
  EXPECT_EQ(BigEndian(header, 0), 200u);
  EXPECT_EQ(BigEndian(header, 4), 150u);
  EXPECT_EQ(header.substr(8), std::string("\x08\x02\x00\x00\x00", 5));
  std::string raw;
  ASSERT_TRUE(UnstoreZlib(idat, raw));
  const std::size_t row = 1 + 3 * 200;
  ASSERT_EQ(raw.size(), 150 * row);
  EXPECT_EQ(raw.substr(0, 4), std::string("\0\x01\x02\x03", 4));
  EXPECT_EQ(raw.substr(149 * row, 1), std::string(1, '\0'));
  EXPECT_EQ(raw.substr(149 * row + 1 + 3 * 199), "\xFA\x80\x07");
}

TEST(ScreenshotWinTest, SkySchemeWithGutterBookmarkSelectionWhiteSpaceAndWrap) {
  SampleView v;
  ASSERT_TRUE(v.View.EndsWithSoftBreak(0));  // the long comment wraps
  const Image image = v.ShootAndSave("view-sky.png");
  ASSERT_GT(image.Width(), 0);

  // Numbers on hard lines only: the comment's continuation line has an empty cell.
  const int include = v.View.LineOfHardLine(1);  // "#include <string>"
  EXPECT_GT(v.InkInGutterCell(image, 0), 0);
  EXPECT_EQ(v.InkInGutterCell(image, 1), 0);
  EXPECT_GT(v.InkInGutterCell(image, include), 0);
  // The comment keeps its colour on the continuation line.
  const COLORREF comment = v.View.GetColorScheme()->Colors[Comment];
  EXPECT_GT(v.NearColour(image, 1, comment), 10);
  EXPECT_EQ(v.NearColour(image, include, comment), 0);
  // The bookmark's box.
  const int right = v.Edge() + v.View.GutterWidth();
  const int top = v.LineTop(v.Bookmarked());
  EXPECT_EQ(image.At(right - 11, top + v.LineHeight() / 2), RGB(0, 255, 255));
  // The selection, with the focus, in the system's highlight.
  const int selectionLine = v.View.LineFromPosition(v.View.SelectionStart());
  EXPECT_GT(v.NearColour(image, selectionLine, GetSysColor(COLOR_HIGHLIGHT)), 11 * v.CharWidth() * v.LineHeight() / 2);
  // The Sky background right of the text.
  const POINT origin = v.ClientOrigin();
  EXPECT_EQ(image.At(origin.x + v.View.ClientWidth() - 3, v.LineTop(include) + 3), RGB(255, 255, 255));
}

TEST(ScreenshotWinTest, WithoutTheFocusTheSelectionTurnsGrey) {
  SampleView v;
  SetFocus(v.Top());
  const Image image = v.ShootAndSave("view-no-focus.png");
  const int selectionLine = v.View.LineFromPosition(v.View.SelectionStart());
  const int area = 11 * v.CharWidth() * v.LineHeight();
  EXPECT_EQ(v.NearColour(image, selectionLine, GetSysColor(COLOR_HIGHLIGHT)), 0);
  EXPECT_GT(v.NearColour(image, selectionLine, GetSysColor(COLOR_BTNSHADOW)), area / 2);
}

TEST(ScreenshotWinTest, ReadOnlyGreyedView) {
  SampleView v;
  v.View.SetGreyWhenReadOnly(true);
  v.View.SetReadOnly(true);
  const Image image = v.ShootAndSave("view-readonly.png");
  const POINT origin = v.ClientOrigin();
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(image.At(origin.x + v.View.ClientWidth() - 3, v.LineTop(2) + 3), face);
  EXPECT_EQ(image.At(v.Edge() + v.View.GutterWidth() - 1, v.LineTop(2) + 3), face);
  EXPECT_EQ(image.At(v.Edge() + 1, v.LineTop(2) + 1), GutterGrey);
}

// What the user sees after typing and scrolling, painted only where the view asked for it.
TEST(ScreenshotWinTest, AfterTypingAndScrolling) {
  SampleView v;
  v.Repaint();
  v.View.SetSelection(v.View.Length(), v.View.Length(), ScrollToCaret);
  v.Type("\n// added at the end\nint more = 1;\n");
  for (int i = 0; i < 8; ++i) v.Type("more = more * 2 + " + std::to_string(i) + ";\n");
  v.Scroll(WM_VSCROLL, SB_PAGEUP);
  const int top = v.View.TopLine();
  v.Scroll(WM_VSCROLL, SB_LINEDOWN);
  v.Scroll(WM_VSCROLL, SB_LINEDOWN);
  UpdateWindow(v.Window());
  ViewWindowFixture::Pump();
  ASSERT_FALSE(SaveScreenshot(CaptureWindow(v.Top()), "view-scrolled.png").empty());
  const Image image = v.CaptureView();
  ASSERT_EQ(v.View.TopLine(), top + 2);
  const int added = v.View.LineOfHardLine(10);  // "// added at the end"
  ASSERT_LE(added, v.View.LastVisibleLine(true));
  EXPECT_GT(v.InkInGutterCell(image, added), 0);
  const COLORREF comment = v.View.GetColorScheme()->Colors[Comment];
  EXPECT_GT(v.NearColour(image, added, comment), 10);
  EXPECT_EQ(v.NearColour(image, added + 1, comment), 0);
}
