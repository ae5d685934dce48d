// Times the view's window: a full repaint of coloured C++ text, a repaint of one 10 MB line
// scrolled to its middle, and Page Down steps through a 100 MB document. Prints medians.
#include "bench/BenchDocument.h"
#include "bench/BenchMeasure.h"
#include "bench/BenchReport.h"
#include "common/win32/FontHelpers.h"
#include "common/win32/WinApi.h"
#include "editor/syntax/ColorScheme.h"
#include "editor/syntax/CppLanguage.h"
#include "editor/view/win32/TextViewWindow.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char FrameClassName[] = "ViewPaintTimingFrame";

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

HWND CreateFrame() {
  WNDCLASSEXA frameClass{};
  frameClass.cbSize = sizeof frameClass;
  frameClass.lpfnWndProc = DefWindowProcA;
  frameClass.hInstance = GetModuleHandleA(nullptr);
  frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  frameClass.lpszClassName = FrameClassName;
  RegisterClassExA(&frameClass);
  HWND frame = CreateWindowExA(0, FrameClassName, "view_paint_timing", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                               1200, 900, nullptr, nullptr, frameClass.hInstance, nullptr);
  ShowWindow(frame, SW_SHOW);
  UpdateWindow(frame);
  return frame;
}

RefPtr<ColorScheme> SkyScheme() {
  ColorSchemeList schemes;
  schemes.AddDefaultSchemes();
  for (const auto& scheme : schemes.Schemes)
    if (scheme->Name == "Sky") return scheme;
  return nullptr;
}

// The view as the editor sets it up: both bars, a client edge, line numbers and bookmarks,
// Courier New, C++ colouring.
bool CreateView(TextViewWindow& view, HWND frame) {
  RECT client;
  GetClientRect(frame, &client);
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL;
  if (!view.CreateView(frame, client, style, WS_EX_CLIENTEDGE, 104, MakeCppLanguage(""), SkyScheme())) return false;
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontA(PointsToFontHeight(screen, 10), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                           "Courier New");
  ReleaseDC(nullptr, screen);
  view.SetFont(font);
  DeleteObject(font);
  view.SetShowLineNumbers(true);
  SetFocus(view.Window());
  return true;
}

// Milliseconds of each of runs calls of step, with the messages it left handled in between.
template <class Step> std::vector<double> TimeSteps(int runs, Step&& step) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    PumpMessages();
    times.push_back(TimeOf(step) * 1000);
  }
  PumpMessages();
  return times;
}

void Repaint(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

void Report(const std::string& figure, const std::vector<double>& times, double budget) {
  const double median = Median(times);
  double worst = 0;
  for (double time : times) worst = std::max(worst, time);
  PrintRow(figure, Format("%.3f ms", median), Format("worst %.3f ms", worst) + Format(", %.0f runs", times.size()),
           Format("budget %.0f ms (median)", budget), Mark(median <= budget));
}

// About bytes of C++ statements on one line, without a line break.
std::string OneLongLine(long long bytes) {
  const std::string piece = "for (int i = 0; i < count; ++i) total += Width(text[i]); /* one more */ ";
  std::string line;
  line.reserve(static_cast<size_t>(bytes) + piece.size());
  while (static_cast<long long>(line.size()) < bytes) line += piece;
  return line;
}

void TimeFullRepaint(TextViewWindow& view) {
  view.SetText(GenerateDocument(200000, 5000, 1));
  view.SetSelection(0, 0, ScrollToCaret);
  Repaint(view.Window());
  Report("full repaint, C++ text", TimeSteps(100, [&] { Repaint(view.Window()); }), 5);
}

void TimeLongLine(TextViewWindow& view) {
  view.SetText(OneLongLine(10 * 1000 * 1000));
  view.SetSelection(0, 0, ScrollNone);
  view.SetScrollX(view.LineWidth(0) / 2);
  Repaint(view.Window());
  Report("repaint, 10 MB line, middle", TimeSteps(100, [&] { Repaint(view.Window()); }), 10);
}

void TimePageDown(TextViewWindow& view) {
  const double loading = TimeOf([&] { view.SetText(GenerateDocument(100LL * 1000 * 1000, 2500000, 7)); });
  PrintRow("load 100 MB (SetText)", Format("%.0f ms", loading * 1000), "", "", "");
  view.SetSelection(0, 0, ScrollToCaret);
  Repaint(view.Window());
  auto pageDown = [&] {
    SendMessageA(view.Window(), WM_KEYDOWN, VK_NEXT, 1);
    UpdateWindow(view.Window());
  };
  Report("Page Down, 100 MB, top", TimeSteps(200, pageDown), 5);
  const double jump = TimeOf([&] {
    view.GotoLine(view.LineCount() * 9 / 10);
    UpdateWindow(view.Window());
  });
  PrintRow("goto 90% (colours above)", Format("%.0f ms", jump * 1000), "", "", "");
  Report("Page Down, 100 MB, at 90%", TimeSteps(200, pageDown), 5);
}

}  // namespace

int main() {
  HWND frame = CreateFrame();
  TextViewWindow view;
  if (!frame || !CreateView(view, frame)) {
    std::printf("The view's window could not be created.\n");
    return 1;
  }
  PumpMessages();
  TimeFullRepaint(view);
  TimeLongLine(view);
  TimePageDown(view);
  DestroyWindow(view.Window());
  DestroyWindow(frame);
  return 0;
}
