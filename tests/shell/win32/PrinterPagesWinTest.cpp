// Printed pages drawn by the real GDI path onto a page-sized bitmap that stands in for the
// printer: what is counted as drawn is what the page shows, the header sits where it should,
// and every page is saved as a picture.
#include "editor/shell/win32/PrinterPages.h"

#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A letter page at 100 pixels per inch, printed from a 96 dpi screen.
constexpr int PageWidth = 850;
constexpr int PageHeight = 1100;
constexpr int PageDpi = 100;
constexpr int ScreenDpi = 96;
constexpr COLORREF White = RGB(255, 255, 255);

// The printer's pages, each captured when it ends; the text handed to each page's body is kept.
class BitmapPages : public PrinterPages {
public:
  BitmapPages(HDC context, HBITMAP bitmap, HFONT font, int tabWidth, bool utf8 = false)
      : PrinterPages(context, font, PageWidth, PageHeight, tabWidth, utf8), Bitmap(bitmap) {}

  bool StartPage() override {
    RECT page{0, 0, PageWidth, PageHeight};
    FillRect(Context, &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return true;
  }
  int DrawBody(const char* text, int length) override {
    const int drawn = PrinterPages::DrawBody(text, length);
    Bodies.emplace_back(text, drawn);
    return drawn;
  }
  bool EndPage() override {
    GdiFlush();
    Images.push_back(ImageOfBitmap(Bitmap));
    return true;
  }

  std::vector<std::string> Bodies;
  std::vector<Image> Images;

private:
  HBITMAP Bitmap;
};

// Ink = any pixel that is not white; the bounding box of it inside an area.
struct InkBox {
  int Left = -1, Top = -1, Right = -1, Bottom = -1;  // Right and Bottom inclusive; -1: no ink
  bool Empty() const { return Left < 0; }
};

InkBox FindInk(const Image& image, const PageRect& area) {
  InkBox box;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) {
      if (image.At(x, y) == White) continue;
      if (box.Empty()) box = InkBox{x, y, x, y};
      box.Left = std::min(box.Left, x);
      box.Right = std::max(box.Right, x);
      box.Top = std::min(box.Top, y);
      box.Bottom = std::max(box.Bottom, y);
    }
  return box;
}

class PrinterPagesTest : public testing::Test {
protected:
  void SetUp() override {
    HDC screen = GetDC(nullptr);
    Context = CreateCompatibleDC(screen);
    Bitmap = CreateCompatibleBitmap(screen, PageWidth, PageHeight);
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(Context && Bitmap);
    Previous = SelectObject(Context, Bitmap);
    ViewFont = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
    Font = CreatePrinterFont(ViewFont, PageDpi, ScreenDpi);
    ASSERT_TRUE(ViewFont && Font);
  }
  void TearDown() override {
    SelectObject(Context, Previous);
    DeleteObject(Bitmap);
    DeleteDC(Context);
    DeleteObject(Font);
    DeleteObject(ViewFont);
  }

  // The width GDI itself gives the characters, tabs expanded as the pages expand them.
  int GdiWidth(const BitmapPages& pages, const std::string& text) {
    if (text.empty()) return 0;
    return LOWORD(GetTabbedTextExtentA(Context, text.data(), static_cast<int>(text.size()), 1,
                                       &pages.Font().TabStop));
  }

  void SavePages(const BitmapPages& pages, const std::string& name) {
    for (size_t i = 0; i < pages.Images.size(); ++i)
      SaveScreenshot(pages.Images[i], name + "-" + std::to_string(i + 1) + ".png");
  }

  HDC Context = nullptr;
  HBITMAP Bitmap = nullptr;
  HGDIOBJ Previous = nullptr;
  HFONT ViewFont = nullptr;
  HFONT Font = nullptr;
};

std::string LongLine() {
  static const char* const words[] = {"alpha", "beta", "gamma", "delta", "epsilon", "zeta", "eta", "theta"};
  std::string text;
  for (int i = 0; i < 1500; ++i) text += std::string(words[i % 8]) + (i % 13 == 0 ? "&co " : " ");
  return text;
}

TEST_F(PrinterPagesTest, TheFontIsTheViewsScaledToThePrinterResolution) {
  LOGFONTA font{};
  GetObjectA(Font, sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -14);  // -13 * 100 / 96 = -13.54
  EXPECT_STREQ(font.lfFaceName, "Courier New");
}

TEST_F(PrinterPagesTest, ALongSingleLineSpreadsOverPagesAndEveryCharacterIsDrawnOnce) {
  BitmapPages pages(Context, Bitmap, Font, 4);
  const std::string text = LongLine();
  ASSERT_EQ(PrintPages(pages, text, "", 1), PrintOutcome::Printed);
  ASSERT_GE(pages.Images.size(), 2u);
  std::string drawn;
  for (const std::string& body : pages.Bodies) drawn += body;
  EXPECT_EQ(drawn, text);
  SavePages(pages, "print-long-line");
}

TEST_F(PrinterPagesTest, EachLineIsAsWideAsGdiDrawsItAndStaysInsideTheBody) {
  BitmapPages pages(Context, Bitmap, Font, 4);
  const std::string text = LongLine();
  ASSERT_EQ(PrintPages(pages, text, "", 1), PrintOutcome::Printed);
  const PageRect& body = pages.Layout().Body;
  for (size_t page = 0; page < pages.Bodies.size(); ++page) {
    const std::string& chunk = pages.Bodies[page];
    const PageFit fit = FitPage(chunk.data(), static_cast<int>(chunk.size()), body.Width(), body.Height(), pages.Font());
    for (const PrintLine& line : fit.Lines) {
      const std::string drawn = chunk.substr(line.Start, line.Length);
      EXPECT_LE(GdiWidth(pages, drawn), body.Width()) << drawn;
      // The word that went to the next line would not have fitted behind this one.
      const size_t next = chunk.find_first_not_of(' ', line.Start + line.Length);
      if (next == std::string::npos) continue;
      const std::string longer = chunk.substr(line.Start, chunk.find(' ', next) - line.Start);
      EXPECT_GT(GdiWidth(pages, longer), body.Width()) << longer;
    }
    const InkBox ink = FindInk(pages.Images[page], body);
    ASSERT_FALSE(ink.Empty());
    EXPECT_LE(ink.Right, body.Right);
    EXPECT_GE(ink.Left, body.Left);
  }
}

TEST_F(PrinterPagesTest, ThePageNumberIsRightAlignedAndAnUntitledHeaderHasNoCentre) {
  BitmapPages pages(Context, Bitmap, Font, 4);
  ASSERT_EQ(PrintPages(pages, LongLine(), "", 1), PrintOutcome::Printed);
  const PageRect& header = pages.Layout().Header;
  const int digit = pages.Font().Advances['1'];
  for (size_t page = 0; page < pages.Images.size(); ++page) {
    const InkBox ink = FindInk(pages.Images[page], header);
    ASSERT_FALSE(ink.Empty());
    EXPECT_LE(ink.Right, header.Right);
    EXPECT_GE(ink.Right, header.Right - digit);
    // The number's digits and nothing else.
    EXPECT_GE(ink.Left, header.Right - digit * static_cast<int>(std::to_string(page + 1).size()) - 1);
  }
  // Between the header and the body one line stays empty.
  const PageRect gap{header.Left, header.Bottom, header.Right, pages.Layout().Body.Top};
  EXPECT_TRUE(FindInk(pages.Images[0], gap).Empty());
}

TEST_F(PrinterPagesTest, TheTitleIsCentredAndAnAmpersandIsPrintedAsItIs) {
  BitmapPages pages(Context, Bitmap, Font, 4);
  const std::string title = "R&D notes.txt";
  ASSERT_EQ(PrintPages(pages, "one line", title, 1), PrintOutcome::Printed);
  ASSERT_EQ(pages.Images.size(), 1u);
  const PageRect& header = pages.Layout().Header;
  const int titleWidth = GdiWidth(pages, title);  // with the "&" drawn, not taken as a prefix
  const PageRect centre{header.Left, header.Top, header.Right - 4 * pages.Font().Advances['1'], header.Bottom};
  const InkBox ink = FindInk(pages.Images[0], centre);
  ASSERT_FALSE(ink.Empty());
  const int middle = (header.Left + header.Right) / 2;
  EXPECT_NEAR(ink.Left, middle - titleWidth / 2, pages.Font().Advances['R']);
  EXPECT_NEAR(ink.Right, middle + titleWidth / 2, pages.Font().Advances['t']);
  SavePages(pages, "print-titled");
}

TEST_F(PrinterPagesTest, TabsAreExpandedToTheViewsTabWidth) {
  BitmapPages pages(Context, Bitmap, Font, 8);
  ASSERT_EQ(PrintPages(pages, "\tX\n", "", 1), PrintOutcome::Printed);
  const PageRect& body = pages.Layout().Body;
  TEXTMETRICA metrics{};
  GetTextMetricsA(Context, &metrics);
  EXPECT_EQ(pages.Font().TabStop, 8 * metrics.tmAveCharWidth);
  const InkBox ink = FindInk(pages.Images[0], body);
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.Left, body.Left + pages.Font().TabStop - 1);
  EXPECT_LE(ink.Right, body.Left + pages.Font().TabStop + pages.Font().Advances['X']);
}

TEST_F(PrinterPagesTest, TwoCopiesDrawTheSamePagesTwice) {
  BitmapPages pages(Context, Bitmap, Font, 4);
  ASSERT_EQ(PrintPages(pages, LongLine(), "a.txt", 2), PrintOutcome::Printed);
  ASSERT_EQ(pages.Images.size() % 2, 0u);
  const size_t set = pages.Images.size() / 2;
  for (size_t i = 0; i < set; ++i) {
    EXPECT_EQ(pages.Bodies[i], pages.Bodies[i + set]);
    // The same page number on the same spot, and the same ink everywhere.
    const PageRect& header = pages.Layout().Header;
    EXPECT_EQ(FindInk(pages.Images[i], header).Left, FindInk(pages.Images[i + set], header).Left);
    EXPECT_EQ(pages.Images[i].Count(0, 0, PageWidth, PageHeight, White),
              pages.Images[i + set].Count(0, 0, PageWidth, PageHeight, White));
  }
}

// A UTF-8 text is drawn as its characters: "Grüße" takes five advances of the fixed-pitch
// font, not the seven its bytes would take as code-page characters, and a page or a line
// never ends inside a character.
TEST_F(PrinterPagesTest, AUtf8TextIsDrawnAndBrokenAsItsCharacters) {
  BitmapPages word(Context, Bitmap, Font, 4, true);
  ASSERT_EQ(PrintPages(word, "Gr\xC3\xBC\xC3\x9F" "e", "", 1), PrintOutcome::Printed);
  const PageRect& body = word.Layout().Body;
  const InkBox ink = FindInk(word.Images[0], body);
  ASSERT_FALSE(ink.Empty());
  const int advance = word.Font().Advances['G'];
  EXPECT_GT(ink.Right, body.Left + 4 * advance);
  EXPECT_LE(ink.Right, body.Left + 5 * advance);

  BitmapPages pages(Context, Bitmap, Font, 4, true);
  std::string text;
  for (int i = 0; i < 2000; ++i) text += i % 7 == 0 ? "caf\xC3\xA9 " : "\xC3\xBC\xC3\x9F\xC3\xA9\xC3\xA0\xC3\xB6\xC3\xA7\xC3\xB1\xC3\xA5";
  ASSERT_EQ(PrintPages(pages, text, "", 1), PrintOutcome::Printed);
  ASSERT_GE(pages.Bodies.size(), 2u);
  std::string drawn;
  for (const std::string& chunk : pages.Bodies) {
    EXPECT_NE(static_cast<unsigned char>(chunk[0]) & 0xC0, 0x80u);
    const PageFit fit = FitPage(chunk.data(), static_cast<int>(chunk.size()), body.Width(), body.Height(), pages.Font());
    for (const PrintLine& line : fit.Lines) {
      const char after = chunk[static_cast<std::size_t>(line.Start + line.Length) % chunk.size()];
      EXPECT_NE(static_cast<unsigned char>(after) & 0xC0, 0x80u);
    }
    drawn += chunk;
  }
  EXPECT_EQ(drawn, text);
  SavePages(pages, "print-utf8");
}

}  // namespace
