// Recording painters for the view's tests: every draw call with the colours and pen in force,
// its text and its coordinates. Text is as wide as the fake measurer makes it.
#pragma once

#include "tests/view/ViewFakes.h"

#include <string>
#include <vector>

// One call into a painter. Text: text drawn at (X, Y) in TextColour on BackColour, Width
// wide, tabs from TabOrigin. Fill and RoundBox: (X, Y)-(X2, Y2) in Fill. Pixel: (X, Y) in
// Fill. Line: (X, Y)-(X2, Y) in Pen.
struct PaintCall {
  enum Kind { Text, FillRect, Pixel, Line, RoundBox };
  Kind What = Text;
  int X = 0, Y = 0, X2 = 0, Y2 = 0;
  std::string Chars;
  int Width = 0;
  int TabStop = 0, TabOrigin = 0;
  Colour TextColour = 0, BackColour = 0, Pen = 0, Fill = 0;
};

inline PaintCall MakeCall(PaintCall::Kind kind, int x, int y, int x2 = 0, int y2 = 0) {
  PaintCall call;
  call.What = kind;
  call.X = x;
  call.Y = y;
  call.X2 = x2;
  call.Y2 = y2;
  return call;
}

inline std::vector<PaintCall> CallsOf(const std::vector<PaintCall>& calls, PaintCall::Kind kind) {
  std::vector<PaintCall> result;
  for (const PaintCall& call : calls)
    if (call.What == kind) result.push_back(call);
  return result;
}

class FakePainter : public ViewPainter {
public:
  void SetTextColour(Colour colour) override { TextColour = colour; }
  void SetBackColour(Colour colour) override { BackColour = colour; }
  void SelectPen(Colour colour) override { Pen = colour; }
  int DrawText(int x, int y, const char* text, int count, int tabStop, int tabOrigin) override {
    PaintCall call = Call(PaintCall::Text, x, y);
    call.Chars.assign(text, static_cast<std::size_t>(count));
    call.Width = Widths.TabbedWidth(text, count, tabStop, x - tabOrigin);
    call.TabStop = tabStop;
    call.TabOrigin = tabOrigin;
    Calls.push_back(call);
    return call.Width;
  }
  void FillRect(int left, int top, int right, int bottom, Colour colour) override {
    PaintCall call = Call(PaintCall::FillRect, left, top, right, bottom);
    call.Fill = colour;
    Calls.push_back(call);
  }
  void SetPixel(int x, int y, Colour colour) override {
    PaintCall call = Call(PaintCall::Pixel, x, y);
    call.Fill = colour;
    Calls.push_back(call);
  }
  void DrawHorizontalLine(int x1, int x2, int y) override { Calls.push_back(Call(PaintCall::Line, x1, y, x2, y)); }

  std::vector<PaintCall> Of(PaintCall::Kind kind) const { return CallsOf(Calls, kind); }
  // What the text calls drew at row y, in order.
  std::string TextAt(int y) const {
    std::string text;
    for (const PaintCall& call : Calls)
      if (call.What == PaintCall::Text && call.Y == y) text += call.Chars;
    return text;
  }
  long long CharactersDrawn() const {
    long long count = 0;
    for (const PaintCall& call : Calls) count += static_cast<long long>(call.Chars.size());
    return count;
  }

  std::vector<PaintCall> Calls;
  FakeMeasurer Widths;  // the painter's font: as wide as the view's fake measurer

private:
  PaintCall Call(PaintCall::Kind kind, int x, int y, int x2 = 0, int y2 = 0) const {
    PaintCall call = MakeCall(kind, x, y, x2, y2);
    call.TextColour = TextColour;
    call.BackColour = BackColour;
    call.Pen = Pen;
    return call;
  }

  Colour TextColour = 0, BackColour = 0, Pen = 0;
};

class FakeGutterPainter : public GutterPainter {
public:
  void FillRect(int left, int top, int right, int bottom, Colour colour) override {
    Calls.push_back(Call(PaintCall::FillRect, left, top, right, bottom, colour));
  }
  void DrawText(int x, int y, const char* text, int count, Colour colour) override {
    PaintCall call = Call(PaintCall::Text, x, y, 0, 0, 0);
    call.Chars.assign(text, static_cast<std::size_t>(count));
    call.TextColour = colour;
    Calls.push_back(call);
  }
  void RoundRect(int left, int top, int right, int bottom, Colour brush) override {
    Calls.push_back(Call(PaintCall::RoundBox, left, top, right, bottom, brush));
  }

  std::vector<PaintCall> Of(PaintCall::Kind kind) const { return CallsOf(Calls, kind); }

  std::vector<PaintCall> Calls;

private:
  static PaintCall Call(PaintCall::Kind kind, int x, int y, int x2, int y2, Colour fill) {
    PaintCall call = MakeCall(kind, x, y, x2, y2);
    call.Fill = fill;
    return call;
  }
};
