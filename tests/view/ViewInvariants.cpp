// A from-scratch check of everything a TextView caches about its text.
#include "tests/view/ViewInvariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// One display line as a plain walk over the raw text sees it.
struct ScratchLine {
  int Start;
  int Length;
  bool SoftBreak;
  int HardLine;
};

std::vector<ScratchLine> ScratchLines(const std::string& raw) {
  std::vector<ScratchLine> lines;
  int start = 0, hard = 0;
  for (int i = 0; i <= static_cast<int>(raw.size()); ++i) {
    if (i < static_cast<int>(raw.size()) && raw[i] != '\n' && raw[i] != '\r') continue;
    bool soft = i < static_cast<int>(raw.size()) && raw[i] == '\r';
    lines.push_back(ScratchLine{start, i - start, soft, hard});
    if (!soft) ++hard;
    start = i + 1;
  }
  return lines;
}

std::string WithoutSoftBreaks(std::string raw) {
  raw.erase(std::remove(raw.begin(), raw.end(), '\r'), raw.end());
  return raw;
}

void CheckLineTable(TextView& view, const std::vector<ScratchLine>& lines) {
  ASSERT_EQ(static_cast<int>(lines.size()), view.LineCount()) << "line count is breaks + 1";
  for (int i = 0; i < view.LineCount(); ++i) {
    const ScratchLine& l = lines[i];
    ASSERT_EQ(l.Start, view.LineStart(i)) << "start of line " << i;
    ASSERT_EQ(l.Length, view.LineLength(i)) << "length of line " << i;
    ASSERT_EQ(l.SoftBreak, view.EndsWithSoftBreak(i)) << "break of line " << i;
    ASSERT_EQ(view.GetWordWrap() ? l.HardLine : i, view.HardLineOfLine(i)) << "hard line of line " << i;
    ASSERT_EQ(i, view.LineFromPosition(l.Start)) << "line of the start of line " << i;
    ASSERT_EQ(i, view.LineFromPosition(l.Start + l.Length)) << "line of the end of line " << i;
  }
}

void CheckHardLines(TextView& view, const std::vector<ScratchLine>& lines) {
  int hard = 0;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    if (i > 0 && lines[i - 1].SoftBreak) continue;
    ASSERT_EQ(i, view.LineOfHardLine(hard)) << "first line of hard line " << hard;
    ++hard;
  }
  ASSERT_EQ(hard, view.GetBuffer().HardLineCount());
}

void CheckWidths(TextView& view, const std::string& raw, const std::vector<ScratchLine>& lines) {
  const int widest = view.GetWidestLine();
  ASSERT_GE(widest, 0);
  ASSERT_LT(widest, view.LineCount());
  const int widestWidth = view.MeasureText(raw.data() + lines[widest].Start, lines[widest].Length);
  for (int i = 0; i < view.LineCount(); ++i) {
    int cached = view.GetBuffer().Width(i);
    if (cached == -1) continue;
    ASSERT_EQ(view.MeasureText(raw.data() + lines[i].Start, lines[i].Length), cached) << "width of line " << i;
    ASSERT_GE(widestWidth, cached) << "line " << i << " is wider than the widest line " << widest;
  }
}

// Soft breaks stand only behind the white space that ends a word.
void CheckSoftBreaks(TextView& view, const std::string& raw, const std::string& model) {
  if (!view.GetWordWrap()) {
    ASSERT_EQ(std::string::npos, raw.find('\r')) << "soft break without word wrap";
    return;
  }
  ASSERT_EQ(model, WithoutSoftBreaks(raw));
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\r') continue;
    ASSERT_GT(i, 0u) << "soft break at the document start";
    ASSERT_TRUE(raw[i - 1] == ' ' || raw[i - 1] == '\t') << "soft break at " << i << " not behind white space";
  }
}

// A position and its unwrapped twin map onto each other; a position just before a soft
// break maps to just behind it, which is the same character.
void CheckPositionMapping(TextView& view, const std::string& raw) {
  const int length = static_cast<int>(raw.size());
  const int step = std::max(1, length / 97);
  int soft = 0;
  for (int p = 0, next = 0; p <= length; ++p) {
    if (p == next || (p > 0 && raw[p - 1] == '\r')) {
      ASSERT_EQ(p - soft, view.UnwrappedPosition(p)) << "unwrapped position of " << p;
      if (p == length || raw[p] != '\r') {
        ASSERT_EQ(p, view.WrappedPosition(p - soft)) << "wrapped position of " << p;
      }
      next = p + step;
    }
    if (p < length && raw[p] == '\r') ++soft;
  }
}

}  // namespace

void CheckInvariants(TextView& view, const std::string& model) {
  const std::string raw = view.RawText();
  ASSERT_EQ(static_cast<int>(raw.size()), view.Length());
  const std::vector<ScratchLine> lines = ScratchLines(raw);
  ASSERT_NO_FATAL_FAILURE(CheckSoftBreaks(view, raw, model));
  ASSERT_NO_FATAL_FAILURE(CheckLineTable(view, lines));
  ASSERT_NO_FATAL_FAILURE(CheckHardLines(view, lines));
  ASSERT_NO_FATAL_FAILURE(CheckWidths(view, raw, lines));
  ASSERT_NO_FATAL_FAILURE(CheckPositionMapping(view, raw));
  ASSERT_EQ(model, view.GetText(NewLineLf));
  ASSERT_GE(view.SelectionStart(), 0);
  ASSERT_LE(view.SelectionEnd(), view.Length());
}
