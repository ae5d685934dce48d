// A C++ view in a large window over the test fakes, and a painter that only counts what it
// is asked to draw (its text is as wide as the fake measurer's), for the painting figures.
#pragma once

#include "editor/syntax/ColorScheme.h"
#include "editor/syntax/CppLanguage.h"
#include "tests/view/ViewFakes.h"

constexpr int WindowWidth = 1200;
constexpr int WindowHeight = 900;

class CountingPainter : public ViewPainter {
public:
  void SetTextColour(Colour) override {}
  void SetBackColour(Colour) override {}
  void SelectPen(Colour) override {}
  int DrawText(int x, int, const char* text, int count, int tabStop, int tabOrigin) override {
    ++Calls;
    Characters += count;
    return Widths.TabbedWidth(text, count, tabStop, x - tabOrigin);
  }
  void FillRect(int, int, int, int, Colour) override { ++Calls; }
  void SetPixel(int, int, Colour) override { ++Calls; }
  void DrawHorizontalLine(int, int, int) override { ++Calls; }

  long long Calls = 0;
  long long Characters = 0;
  FakeMeasurer Widths;
};

inline RefPtr<ColorScheme> SkyScheme() {
  ColorSchemeList schemes;
  schemes.AddDefaultSchemes();
  return schemes.Schemes.front();
}

struct PaintView : ViewFixture {
  PaintView() {
    View.SetClientSize(WindowWidth, WindowHeight);
    View.SetLanguage(MakeCppLanguage(""));
    View.SetColorScheme(SkyScheme());
  }
};
