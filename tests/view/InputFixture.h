// A view 80 characters by 25 lines with shorthands for keys, clicks and documents of many
// lines, shared by the keyboard, mouse, scrolling and bookmark tests.
#pragma once

#include "tests/view/ViewFakes.h"

#include <gtest/gtest.h>

#include <string>

class InputTest : public ::testing::Test, public ViewFixture {
protected:
  static constexpr int CharW = 7;
  static constexpr int LineH = 16;

  // count lines "line0", "line1", ... or count copies of line.
  void SetLines(int count, const std::string& line = std::string()) {
    std::string text;
    for (int i = 0; i < count; ++i) {
      text += line.empty() ? "line" + std::to_string(i) : line;
      if (i + 1 < count) text += '\n';
    }
    View.SetText(text);
  }
  bool Press(int key, int modifiers = 0) { return View.KeyDown(key, modifiers); }
  // Presses and releases, as a key that is not held.
  bool Tap(int key, int modifiers = 0) {
    const bool handled = View.KeyDown(key, modifiers);
    View.KeyUp(key);
    return handled;
  }
  int At(int line, int column) { return View.LineStart(line) + column; }
  void PutCaret(int pos) { View.SetSelection(pos, pos, ScrollNone); }
  // Client coordinates of the middle of a character cell on a visible line.
  int X(int column) const { return column * CharW + CharW / 2; }
  int Y(int line) { return (line - View.TopLine()) * LineH + LineH / 2; }
};
