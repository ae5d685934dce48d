// Deterministic stand-ins for the window around a TextView: every character 7 pixels wide,
// lines 16 pixels high, and a log of what the view asked the window to do.
#pragma once

#include "common/LineEnds.h"
#include "editor/view/TextView.h"

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

class FakeMeasurer : public TextMeasurer {
public:
  // Jumps from tab to tab, so that measuring a big document in benchmarks costs little.
  int TabbedWidth(const char* text, int count, int tabStop, int startX) override {
    int x = startX;
    const char* end = text + count;
    for (const char* p = text; p < end;) {
      const char* tab = static_cast<const char*>(std::memchr(p, '\t', static_cast<std::size_t>(end - p)));
      if (!tab) tab = end;
      x += Characters(p, tab) * CharWidth;
      if (tab == end) break;
      x = tabStop > 0 ? (x / tabStop + 1) * tabStop : x + CharWidth;
      p = tab + 1;
    }
    ++Calls;
    return x - startX;
  }
  FontMetrics Metrics() override { return FontMetrics{CharWidth, 16, CharWidth}; }
  int GlyphWidth(char) override { return CharWidth; }
  // In UTF-8 every character is CharWidth wide too: the bytes that continue one add nothing.
  void SetUtf8(bool on) override { Utf8 = on; }
  // Eight bytes at a time past ASCII, as a real measurer's table walks ASCII quickly too, so
  // that benchmarks compare UTF-8 with ASCII fairly.
  int Characters(const char* from, const char* to) const {
    int count = static_cast<int>(to - from);
    if (!Utf8) return count;
    const char* p = from;
    for (std::uint64_t word; to - p >= 8; p += 8) {
      std::memcpy(&word, p, 8);
      if (word & 0x8080808080808080ull)
        for (int i = 0; i < 8; ++i) count -= (static_cast<unsigned char>(p[i]) & 0xC0) == 0x80;
    }
    for (; p < to; ++p) count -= (static_cast<unsigned char>(*p) & 0xC0) == 0x80;
    return count;
  }

  int CharWidth = 7;
  bool Utf8 = false;
  int Calls = 0;
};

// One call of the view into its window.
struct HostEvent {
  enum Kind {
    Strip, Rect, All, Gutter, Scroll, VScroll, HScroll, Caret, CaretGone, CaretMove, GutterWidth, Focus,
    Timer, Notify, Beep, Wait
  };
  Kind What;
  int A = 0, B = 0, C = 0, D = 0;
};

class FakeHost : public ViewHost {
public:
  void InvalidateStrip(int top, int height, int left) override { Log(HostEvent::Strip, top, height, left); }
  void InvalidateRect(int top, int height, int left, int right) override {
    Log(HostEvent::Rect, top, height, left, right);
  }
  void InvalidateAll() override { Log(HostEvent::All); }
  void RepaintGutter() override { Log(HostEvent::Gutter); }
  void ScrollText(int dx, int dy) override { Log(HostEvent::Scroll, dx, dy); }
  void SetVerticalScrollBar(const ScrollBarState& s) override {
    Vertical = s;
    Log(HostEvent::VScroll, s.Max, s.Page, s.Position);
  }
  void SetHorizontalScrollBar(const ScrollBarState& s) override {
    Horizontal = s;
    Log(HostEvent::HScroll, s.Max, s.Page, s.Position);
  }
  void RecreateCaret() override { Log(HostEvent::Caret); }
  void DestroyCaret() override { Log(HostEvent::CaretGone); }
  void MoveCaret(int x, int y) override { Log(HostEvent::CaretMove, x, y); }
  void GutterWidthChanged() override { Log(HostEvent::GutterWidth); }
  void TakeFocus() override {
    Focus = true;
    Log(HostEvent::Focus);
  }
  void StartDragTimer() override { Log(HostEvent::Timer, 1); }
  void StopDragTimer() override { Log(HostEvent::Timer, 0); }
  // Not logged: a test of what the view repaints need not know when it scans.
  void ScheduleScan() override { ScanScheduled = true; }
  void Notify(int code) override { Log(HostEvent::Notify, code); }
  void Beep() override { Log(HostEvent::Beep); }
  void BeginWaitCursor() override { Log(HostEvent::Wait, 1); }
  void EndWaitCursor() override { Log(HostEvent::Wait, 0); }
  bool HasFocus() override { return Focus; }
  bool IsEnabled() override { return Enabled; }
  bool IsKeyDown(int key) override { return KeysDown.count(key) != 0; }
  // Distinct made-up colours: 0x0100xx for system colour xx.
  Colour SystemColour(int index) override { return 0x010000u + static_cast<Colour>(index); }

  int Count(HostEvent::Kind kind) const {
    int n = 0;
    for (const HostEvent& e : Events) n += e.What == kind;
    return n;
  }
  // The notification codes in the order they were sent.
  std::vector<int> Notifications() const {
    std::vector<int> codes;
    for (const HostEvent& e : Events)
      if (e.What == HostEvent::Notify) codes.push_back(e.A);
    return codes;
  }
  void Clear() { Events.clear(); }

  std::vector<HostEvent> Events;
  std::set<int> KeysDown;
  bool Focus = true;
  bool Enabled = true;
  bool ScanScheduled = false;
  ScrollBarState Vertical, Horizontal;

private:
  void Log(HostEvent::Kind kind, int a = 0, int b = 0, int c = 0, int d = 0) {
    Events.push_back(HostEvent{kind, a, b, c, d});
  }
};

class FakeClipboard : public ViewClipboard {
public:
  // Like the real clipboard: text is kept with CR LF and read back with soft breaks stripped.
  bool SetText(const std::string& text, bool utf8) override {
    if (!Available) return false;
    Text = ToCrLf(text);
    HasText = true;
    TextIsUtf8 = utf8;
    return true;
  }
  bool GetText(std::string& text, bool utf8) override {
    if (!Available || !HasText) return false;
    AskedForUtf8 = utf8;
    text = Text;
    StripSoftBreaks(text);
    return true;
  }
  bool ReadFiles(std::string& text) override {
    if (!Available || !HasFiles) return false;
    text = FilesText;
    return true;
  }
  bool CanPaste() override { return Available && (HasText || HasFiles); }

  std::string Text;  // as the clipboard holds it, CR LF breaks
  bool HasText = false;
  bool TextIsUtf8 = false;    // the form the view last put there
  bool AskedForUtf8 = false;  // the form the view last asked for
  std::string FilesText;
  bool HasFiles = false;
  bool Available = true;
};

// A view in a window 80 characters wide and 25 lines high.
struct ViewFixture {
  FakeMeasurer Measurer;
  FakeHost Host;
  FakeClipboard Clipboard;
  TextView View{Measurer, Host, Clipboard};
  ViewFixture() { View.SetClientSize(80 * 7, 25 * 16); }
};
