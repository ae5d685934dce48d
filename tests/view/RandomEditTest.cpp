// Long seeded random edit sequences checked step by step against a plain string model.
#include "tests/view/ViewFakes.h"
#include "tests/view/ViewInvariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Relative weights of the step kinds; a zero leaves a kind out.
struct StepMix {
  int Replace = 4;
  int Type = 4;
  int Delete = 1;
  int Undo = 2;
  int Redo = 1;
  int ToggleWrap = 0;
  int Resize = 0;
  int TabWidth = 0;
  bool StartWrapped = false;
};

// Drives one view and keeps the text it must hold: the model, plus the model's history of
// whole texts, one entry per change that reaches the undo list.
class RandomEditSession {
public:
  RandomEditSession(unsigned seed, const StepMix& mix) : Rng(seed), Mix(mix) {
    View().SetUndoLimit(UndoHistory::NoLimit);
    while (Model.size() < 800) Model += RandomText(80, true);
    View().SetText(Model);
    View().SetModified(false);
    View().ClearUndo();
    History.push_back(Model);
    if (Mix.StartWrapped) View().SetWordWrap(true);
  }

  void Run(int steps) {
    ASSERT_NO_FATAL_FAILURE(CheckAll());
    for (int step = 0; step < steps; ++step) {
      SCOPED_TRACE("step " + std::to_string(step));
      Trace.str("");
      Step();
      SCOPED_TRACE(Trace.str());
      ASSERT_NO_FATAL_FAILURE(CheckAll());
    }
  }

  // Undo to the loaded text, then redo to the newest text of the history.
  void UndoAllThenRedoAll() {
    while (View().CanUndo()) View().Undo();
    ASSERT_EQ(History.front(), View().GetText(NewLineLf));
    ASSERT_FALSE(View().IsModified());
    Current = 0;
    Model = History.front();
    ASSERT_NO_FATAL_FAILURE(CheckInvariants(View(), Model));
    while (View().CanRedo()) View().Redo();
    ASSERT_EQ(History.back(), View().GetText(NewLineLf));
    Current = History.size() - 1;
    Model = History.back();
    ASSERT_NO_FATAL_FAILURE(CheckAll());
  }

  size_t HistorySize() const { return History.size(); }

private:
  TextView& View() { return F.View; }

  int Random(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Rng); }
  bool Chance(int percent) { return Random(0, 99) < percent; }

  std::string RandomText(int maxLength, bool withBreaks) {
    static const char kinds[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_{};()";
    std::string text;
    int length = Chance(10) ? Random(0, maxLength) : Random(0, std::min(maxLength, 12));
    bool longWord = Chance(5);
    for (int i = 0; i < length; ++i) {
      int r = Random(0, 99);
      if (longWord || r < 70) text += kinds[Random(0, sizeof kinds - 2)];
      else if (r < 85) text += ' ';
      else if (r < 95) text += '\t';
      else if (withBreaks) text += '\n';
    }
    return text;
  }

  // The unwrapped twin of a raw position, counted on the raw text itself.
  int Unwrapped(const std::string& raw, int pos) const {
    return pos - static_cast<int>(std::count(raw.begin(), raw.begin() + pos, '\r'));
  }

  // The start of the display line that pos belongs to; a break belongs to the line before it.
  static int DisplayLineStart(const std::string& raw, int pos) {
    while (pos > 0 && raw[pos - 1] != '\n' && raw[pos - 1] != '\r') --pos;
    return pos;
  }

  // The model after raw [from, to) became text; one history entry when the text changed.
  void ApplyToModel(const std::string& raw, int from, int to, const std::string& text) {
    const int u = Unwrapped(raw, from);
    std::string next = Model;
    next.replace(u, Unwrapped(raw, to) - u, text);
    if (next == Model) return;
    Model = next;
    History.resize(++Current);
    History.push_back(Model);
  }

  void Step() {
    const int total = Mix.Replace + Mix.Type + Mix.Delete + Mix.Undo + Mix.Redo + Mix.ToggleWrap + Mix.Resize +
                      Mix.TabWidth;
    int r = Random(0, total - 1);
    if ((r -= Mix.Replace) < 0) return ReplaceRandomRange();
    if ((r -= Mix.Type) < 0) return TypeRandomChar();
    if ((r -= Mix.Delete) < 0) return PressDelete();
    if ((r -= Mix.Undo) < 0) return UndoOne();
    if ((r -= Mix.Redo) < 0) return RedoOne();
    if ((r -= Mix.ToggleWrap) < 0) return ToggleWrap();
    if ((r -= Mix.Resize) < 0) return Resize();
    SetRandomTabWidth();
  }

  // Documents stay between a few hundred and two thousand characters: short ones grow,
  // long ones lose big ranges.
  void ReplaceRandomRange() {
    const std::string raw = View().RawText();
    const int length = static_cast<int>(raw.size());
    const bool big = length > 1500, small = length < 400;
    const int pos = Random(0, length);
    const int count = std::min(length - pos, big ? Random(0, 400) : small ? Random(0, 2) : Random(0, 8));
    const std::string text = RandomText(big ? 20 : 300, true);
    const bool explicitSelection = Chance(20);
    const int selStart = explicitSelection ? pos : -1;
    const int selEnd = explicitSelection ? pos + static_cast<int>(text.size()) : -1;
    Trace << "ReplaceText(" << pos << ", " << count << ", \"" << text << "\", " << selStart << ", " << selEnd << ")";
    const bool done = View().ReplaceText(pos, count, text, selStart, selEnd, explicitSelection ? 2 : 1, true);
    EXPECT_EQ(count > 0 || !text.empty(), done);
    ApplyToModel(raw, pos, pos + count, text);
    if (done) ExpectCaretAt(Unwrapped(raw, pos) + static_cast<int>(text.size()));
  }

  void RandomSettings() {
    if (Chance(10)) View().SetInsertMode(!View().IsInsertMode());
    if (Chance(5)) View().AutoIndent = !View().AutoIndent;
    if (Chance(5)) View().TabInsertsSpaces = !View().TabInsertsSpaces;
  }

  void PlaceCaret(bool allowSelection) {
    const int length = View().Length();
    const int caret = Random(0, length);
    const int anchor = allowSelection && Chance(30) ? std::max(0, std::min(length, caret + Random(-30, 30))) : caret;
    View().SetSelection(anchor, caret, 1);
  }

  void TypeRandomChar() {
    RandomSettings();
    const int r = Random(0, 99);
    if (r < 60) return TypeText(static_cast<char>('a' + Random(0, 25)));
    if (r < 70) return TypeText(' ');
    if (r < 78) return TypeText('\t');
    if (r < 90) return TypeEnter();
    TypeBackspace();
  }

  // Held keys make the control characters count as typed.
  void TypeWithKey(int ch, int key) {
    F.Host.KeysDown.insert(key);
    View().TypeChar(ch);
    F.Host.KeysDown.clear();
  }

  // A printable character, space or tab at the caret: over a selection (insert mode only,
  // letters only) the selection goes first; overwrite replaces what is under the caret
  // unless that is a hard break or the end.
  void TypeText(char ch) {
    const bool overSelection = ch != ' ' && ch != '\t' && View().IsInsertMode();
    PlaceCaret(overSelection);
    const std::string raw = View().RawText();
    const int low = View().SelectionStart(), high = View().SelectionEnd();
    std::string text(1, ch);
    if (ch == '\t' && View().TabInsertsSpaces) text.assign(View().GetTabWidth(), ' ');
    Trace << "TypeChar(" << static_cast<int>(ch) << ") at " << View().Anchor() << "-" << View().Caret()
          << (View().IsInsertMode() ? " insert" : " overwrite");
    if (ch == '\t') TypeWithKey(ch, KeyTab);
    else View().TypeChar(ch);
    if (high > low) ApplyToModel(raw, low, high, "");
    const bool overwrite = !View().IsInsertMode() && low < static_cast<int>(raw.size()) && raw[low] != '\n';
    ApplyToModel(raw, low, high > low ? low : overwrite ? low + 1 : low, text);
    ExpectCaretAt(Unwrapped(raw, low) + static_cast<int>(text.size()));
  }

  // Enter: the LF and, with auto indent and the caret past the start of its display line,
  // the leading white space of the hard line's first display line.
  void TypeEnter() {
    PlaceCaret(false);
    const std::string raw = View().RawText();
    const int caret = View().Caret();
    std::string text = "\n";
    const int lineStart = DisplayLineStart(raw, caret);
    if (View().AutoIndent && caret > lineStart) {
      int first = lineStart;
      while (first > 0 && raw[first - 1] == '\r') first = DisplayLineStart(raw, first - 1);
      int end = first;
      while (end < static_cast<int>(raw.size()) && (raw[end] == ' ' || raw[end] == '\t')) ++end;
      text += raw.substr(first, end - first);
    }
    Trace << "Enter at " << caret << (View().AutoIndent ? " auto indent" : "");
    TypeWithKey(Chance(50) ? '\r' : '\n', KeyEnter);
    ApplyToModel(raw, caret, caret, text);
    ExpectCaretAt(Unwrapped(raw, caret) + static_cast<int>(text.size()));
  }

  // Backspace just behind a soft break takes the character before the break with it.
  void TypeBackspace() {
    PlaceCaret(true);
    const std::string raw = View().RawText();
    const int low = View().SelectionStart(), high = View().SelectionEnd();
    const int m = high > low ? low : View().Caret() - 1;
    Trace << "Backspace at " << View().Anchor() << "-" << View().Caret();
    TypeWithKey(KeyBackspace, KeyBackspace);
    if (high - low <= 1 && m >= 0 && raw[m] == '\r') {
      if (m >= 1) DeleteInModel(raw, m - 1, m + 1);
    } else if (high > low) {
      DeleteInModel(raw, low, high);
    } else if (m >= 0) {
      DeleteInModel(raw, m, m + 1);
    }
  }

  // The caret stays where the deleted text was.
  void DeleteInModel(const std::string& raw, int from, int to) {
    ApplyToModel(raw, from, to, "");
    ExpectCaretAt(Unwrapped(raw, from));
  }

  // Delete on a soft break takes the character behind the break with it.
  void PressDelete() {
    PlaceCaret(true);
    const std::string raw = View().RawText();
    const int length = static_cast<int>(raw.size());
    const int low = View().SelectionStart(), high = View().SelectionEnd();
    Trace << "DeleteKey at " << View().Anchor() << "-" << View().Caret();
    View().DeleteKey();
    if (high - low <= 1 && low < length && raw[low] == '\r') DeleteInModel(raw, low, std::min(low + 2, length));
    else if (high > low) DeleteInModel(raw, low, high);
    else if (low < length) DeleteInModel(raw, low, low + 1);
  }

  void UndoOne() {
    Trace << "Undo";
    EXPECT_EQ(Current > 0, View().CanUndo());
    View().Undo();
    if (Current == 0) return;
    Model = History[--Current];
  }

  void RedoOne() {
    Trace << "Redo";
    EXPECT_EQ(Current + 1 < History.size(), View().CanRedo());
    View().Redo();
    if (Current + 1 == History.size()) return;
    Model = History[++Current];
  }

  void ToggleWrap() {
    Trace << "SetWordWrap(" << !View().GetWordWrap() << ")";
    View().SetWordWrap(!View().GetWordWrap());
  }

  // Windows from a few pixels to 150 characters wide; wrapped text follows at once.
  void Resize() {
    const int width = Chance(10) ? Random(1, 20) : Random(3, Chance(80) ? 40 : 150) * 7;
    const int height = Random(1, 40) * 16;
    Trace << "SetClientSize(" << width << ", " << height << ")";
    View().SetClientSize(width, height);
    if (View().GetWordWrap()) View().Rewrap(true);
  }

  void SetRandomTabWidth() {
    const int width = Random(1, 8);
    Trace << "SetTabWidth(" << width << ")";
    View().SetTabWidth(width);
  }

  // The caret stands behind the same character as in the model, whatever soft breaks the
  // change moved.
  void ExpectCaretAt(int unwrapped) {
    const std::string raw = View().RawText();
    EXPECT_EQ(unwrapped, Unwrapped(raw, View().Caret())) << "caret at " << View().Caret();
  }

  void CheckAll() {
    ASSERT_NO_FATAL_FAILURE(CheckInvariants(View(), Model));
    ASSERT_EQ(Current != 0, View().IsModified()) << "modified away from the loaded text";
  }

  ViewFixture F;
  std::mt19937 Rng;
  StepMix Mix;
  std::string Model;
  std::vector<std::string> History;
  size_t Current = 0;
  std::ostringstream Trace;
};

void RunSession(unsigned seed, const StepMix& mix, int steps) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  RandomEditSession session(seed, mix);
  ASSERT_NO_FATAL_FAILURE(session.Run(steps));
  EXPECT_GT(session.HistorySize(), 10u);
  ASSERT_NO_FATAL_FAILURE(session.UndoAllThenRedoAll());
}

TEST(RandomEdit, UnwrappedEditsAndUndo) { RunSession(1, StepMix{}, 2500); }

TEST(RandomEdit, WrappedEditsInChangingWindows) {
  StepMix mix;
  mix.Resize = 1;
  mix.StartWrapped = true;
  RunSession(2, mix, 2000);
}

TEST(RandomEdit, WrapTogglesBetweenEdits) {
  StepMix mix;
  mix.ToggleWrap = 1;
  mix.Resize = 1;
  mix.TabWidth = 1;
  RunSession(3, mix, 2000);
}

TEST(RandomEdit, TypingAndDeletingWrapped) {
  StepMix mix;
  mix.Replace = 1;
  mix.Type = 8;
  mix.Delete = 3;
  mix.Resize = 1;
  mix.TabWidth = 1;
  mix.StartWrapped = true;
  RunSession(4, mix, 2500);
}

TEST(RandomEdit, UndoRedoHeavy) {
  StepMix mix;
  mix.Undo = 4;
  mix.Redo = 3;
  mix.ToggleWrap = 1;
  mix.Resize = 1;
  RunSession(5, mix, 1500);
}

}  // namespace
