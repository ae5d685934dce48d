// The painters draw what the view asks for onto a device context: checked pixel by pixel on
// a 32-bit DIB section.
#include "editor/view/win32/GdiPainter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <cstring>
#include <string>

namespace {

constexpr int Width = 200;
constexpr int Height = 60;

// A memory context on a white bitmap whose pixels the test reads directly.
class Canvas {
public:
  Canvas() : Context(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap = CreateDIBSection(Context, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    Pixels = static_cast<std::uint32_t*>(bits);
    OriginalBitmap = SelectObject(Context, Bitmap);
    OriginalFont = SelectObject(Context, GetStockObject(DEFAULT_GUI_FONT));
    FillSolid(Context, RECT{0, 0, Width, Height}, RGB(255, 255, 255));
  }
  ~Canvas() {
    SelectObject(Context, OriginalFont);
    SelectObject(Context, OriginalBitmap);
    DeleteObject(Bitmap);
    DeleteDC(Context);
  }
  // The pixel as a COLORREF (0x00BBGGRR).
  bool SameAs(const Canvas& other) const {
    GdiFlush();
    for (int i = 0; i < Width * Height; ++i)
      if (Pixels[i] != other.Pixels[i]) return false;
    return true;
  }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const std::uint32_t pixel = Pixels[y * Width + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }
  int Count(COLORREF colour, int left, int top, int right, int bottom) const {
    int count = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) count += At(x, y) == colour;
    return count;
  }

  HDC Context;

private:
  HBITMAP Bitmap = nullptr;
  std::uint32_t* Pixels = nullptr;
  HGDIOBJ OriginalBitmap = nullptr;
  HGDIOBJ OriginalFont = nullptr;
};

const COLORREF White = RGB(255, 255, 255);
const COLORREF Green = RGB(0, 128, 0);
const COLORREF Red = RGB(255, 0, 0);
const COLORREF Blue = RGB(0, 0, 255);

TEST(GdiPainterWinTest, DrawTextPaintsAnOpaqueRunAsWideAsGdiMeasuresIt) {
  Canvas canvas;
  const char text[] = "ab\tWW";
  INT stops[1] = {28};
  const int expected = LOWORD(GetTabbedTextExtentA(canvas.Context, text, 5, 1, stops));
  GdiMeasurer measurer;
  int width = 0;
  {
    GdiPainter painter(canvas.Context, measurer);
    painter.SetTextColour(Red);
    painter.SetBackColour(Blue);
    width = painter.DrawText(10, 5, text, 5, 28, 10);
  }
  EXPECT_EQ(width, expected);
  TEXTMETRICA metrics{};
  GetTextMetricsA(canvas.Context, &metrics);
  // The background of the run is opaque blue from x to x + width, and nothing beyond it.
  EXPECT_EQ(canvas.At(10, 5), Blue);
  EXPECT_EQ(canvas.At(10 + width - 1, 5 + metrics.tmHeight - 1), Blue);
  EXPECT_EQ(canvas.At(10 + width, 5), White);
  EXPECT_EQ(canvas.At(9, 5), White);
  EXPECT_GT(canvas.Count(Red, 10, 5, 10 + width, 5 + metrics.tmHeight), 10) << "the glyphs are drawn in red";
  // The context's colours and mode are what they were before the paint.
  EXPECT_EQ(GetTextColor(canvas.Context), RGB(0, 0, 0));
  EXPECT_EQ(GetBkMode(canvas.Context), OPAQUE);
}

TEST(GdiPainterWinTest, TabsRunToMultiplesOfTheStopFromTheOrigin) {
  Canvas canvas;
  GdiMeasurer measurer;
  GdiPainter painter(canvas.Context, measurer);
  // Drawn 5 pixels right of an origin at 20: the tab ends at 20 + 28, so 23 pixels wide.
  EXPECT_EQ(painter.DrawText(25, 0, "\t", 1, 28, 20), 23);
  EXPECT_EQ(painter.DrawText(0, 20, "", 0, 28, 0), 0);
}

TEST(GdiPainterWinTest, FillPixelAndLineUseTheirColours) {
  Canvas canvas;
  GdiMeasurer measurer;
  {
    GdiPainter painter(canvas.Context, measurer);
    painter.SetBackColour(Red);
    painter.FillRect(5, 5, 15, 10, Blue);
    painter.SetPixel(50, 30, Red);
    painter.SelectPen(Blue);
    painter.SelectPen(Red);
    painter.DrawHorizontalLine(60, 70, 40);
    painter.SelectPen(Blue);
    painter.DrawHorizontalLine(60, 70, 41);
  }
  EXPECT_EQ(canvas.Count(Blue, 0, 0, Width, 20), 50);
  EXPECT_EQ(canvas.At(4, 5), White);
  EXPECT_EQ(canvas.At(15, 9), White);
  EXPECT_EQ(canvas.At(50, 30), Red);
  EXPECT_EQ(canvas.Count(Red, 60, 40, 80, 41), 10) << "the line leaves out its last point";
  EXPECT_EQ(canvas.Count(Blue, 60, 41, 80, 42), 10) << "the pen made first for a colour is used again";
  EXPECT_EQ(GetBkColor(canvas.Context), White) << "a fill leaves the text background alone";
}

struct Token {
  const char* Text;
  COLORREF Colour;
};

const Token Tokens[] = {{"\t", Green}, {"int", Blue}, {" ", Green}, {"count", Green}, {" = ", Red},
                        {"0", Green}, {";\t", Red}, {"// done", Green}, {"\t", Green}, {"x", Green}};

// Tokens drawn one by one through the painter give the very pixels of TabbedTextOutA drawing
// each run of same-coloured tokens with one tab position from the line's origin. (Drawing a
// run at once keeps a glyph's overhang that the next token's background would cut off.)
TEST(GdiPainterWinTest, JoinedRunsPaintWhatTabbedTextOutPaints) {
  Canvas joined, reference;
  GdiMeasurer measurer;
  const int origin = 3, tabStop = 4 * measurer.Metrics().AverageCharWidth;
  int x = origin;
  {
    GdiPainter painter(joined.Context, measurer);
    painter.SetBackColour(White);
    for (const Token& token : Tokens) {
      painter.SetTextColour(token.Colour);
      x += painter.DrawText(x, 10, token.Text, static_cast<int>(std::strlen(token.Text)), tabStop, origin);
    }
  }
  int referenceX = origin;
  SetBkMode(reference.Context, OPAQUE);
  INT stops[1] = {tabStop};
  for (size_t i = 0; i < std::size(Tokens);) {
    std::string run;
    const COLORREF colour = Tokens[i].Colour;
    for (; i < std::size(Tokens) && Tokens[i].Colour == colour; ++i) run += Tokens[i].Text;
    SetTextColor(reference.Context, colour);
    referenceX += LOWORD(TabbedTextOutA(reference.Context, referenceX, 10, run.data(), static_cast<int>(run.size()), 1,
                                        stops, origin));
  }
  EXPECT_EQ(x, referenceX);
  EXPECT_TRUE(joined.SameAs(reference));
  EXPECT_GT(joined.Count(Blue, 0, 0, Width, Height), 5);
}

// A run that stops (a new line, a changed background) is drawn before the next begins, and
// what is drawn after it (a white-space mark) lands on top of it.
TEST(GdiPainterWinTest, MarksAndNewRunsComeAfterThePendingText) {
  Canvas canvas;
  GdiMeasurer measurer;
  {
    GdiPainter painter(canvas.Context, measurer);
    painter.SetTextColour(Green);
    painter.SetBackColour(Blue);
    const int w = painter.DrawText(0, 0, "    ", 4, 28, 0);
    painter.SetPixel(w / 2, 5, Red);
    painter.SetBackColour(Red);
    painter.DrawText(w, 0, "  ", 2, 28, 0);
    painter.SetBackColour(Blue);
    painter.DrawText(0, 20, "\t", 1, 28, 0);
  }
  EXPECT_EQ(canvas.At(1, 5), Blue);
  EXPECT_EQ(canvas.At(measurer.TabbedWidth("    ", 4, 28, 0) / 2, 5), Red);
  EXPECT_EQ(canvas.At(measurer.TabbedWidth("    ", 4, 28, 0) + 1, 5), Red);
  EXPECT_EQ(canvas.Count(Blue, 0, 20, 28, 21), 28) << "a tab's cell is filled to its stop";
  EXPECT_EQ(canvas.At(28, 20), White);
}

TEST(GdiGutterPainterWinTest, NumbersAreTransparentAndBoxesRounded) {
  Canvas canvas;
  const COLORREF grey = RGB(230, 230, 230);
  const COLORREF green = RGB(0, 96, 0);
  const COLORREF cyan = RGB(0, 255, 255);
  {
    GdiGutterPainter painter(canvas.Context);
    painter.FillRect(0, 0, 100, 40, grey);
    painter.DrawText(2, 2, "88", 2, green);
    painter.RoundRect(120, 10, 140, 25, cyan);
  }
  EXPECT_GT(canvas.Count(green, 0, 0, 40, 30), 10);
  EXPECT_EQ(canvas.Count(White, 0, 0, 100, 40), 0) << "the numbers leave the gutter's fill around them";
  EXPECT_EQ(canvas.At(130, 17), cyan);
  EXPECT_EQ(canvas.At(130, 10), RGB(0, 0, 0)) << "the outline is black";
  EXPECT_EQ(canvas.At(120, 10), White) << "the corners are rounded";
  EXPECT_EQ(canvas.At(140, 17), White);
  EXPECT_EQ(GetBkMode(canvas.Context), OPAQUE);
}

}  // namespace
