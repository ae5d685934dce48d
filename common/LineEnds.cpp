// Line-break conversions; all of them run in one pass, as documents may be very large.
#include "common/LineEnds.h"

#include <algorithm>
#include <numeric>
#include <vector>

void NormalizeLineEnds(std::string& text) {
  std::size_t out = 0;
  const std::size_t size = text.size();
  for (std::size_t in = 0; in < size; ++in) {
    const char c = text[in];
    if (c == '\r') {
      text[out++] = '\n';
      if (in + 1 < size && text[in + 1] == '\n') ++in;
    } else {
      text[out++] = c;
    }
  }
  text.resize(out);
}

std::string ToCrLf(const std::string& text, int lineCount) {
  const std::size_t lineFeeds = lineCount > 0
                                    ? static_cast<std::size_t>(lineCount - 1)
                                    : static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  std::string result;
  result.reserve(text.size() + lineFeeds);
  for (const char c : text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

void ShiftPositions(int at, int positions[], int positionCount, int delta) {
  for (int i = 0; i < positionCount; ++i) {
    if (positions[i] >= at) positions[i] = std::max(positions[i] + delta, at);
  }
}

// Removing the CRs one after another with ShiftPositions leaves each position reduced by
// the number of CRs that stood before it. The positions are visited in ascending order
// during one sweep over the text, so the cost stays linear in the text length.
int RemoveCarriageReturns(std::string& text, int positions[], int positionCount) {
  std::vector<int> order(static_cast<std::size_t>(std::max(positionCount, 0)));
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [positions](int a, int b) { return positions[a] < positions[b]; });
  auto next = order.begin();
  int removed = 0;
  std::size_t out = 0;
  for (std::size_t in = 0; in < text.size(); ++in) {
    for (; next != order.end() && positions[*next] <= static_cast<long long>(in); ++next)
      positions[*next] -= removed;
    if (text[in] == '\r') ++removed;
    else text[out++] = text[in];
  }
  for (; next != order.end(); ++next) positions[*next] -= removed;
  text.resize(out);
  return removed;
}

void StripSoftBreaks(std::string& text) {
  std::size_t out = 0;
  const std::size_t size = text.size();
  std::size_t in = 0;
  while (in < size) {
    if (text[in] != '\r') {
      text[out++] = text[in++];
      continue;
    }
    std::size_t runEnd = in;
    while (runEnd < size && text[runEnd] == '\r') ++runEnd;
    const bool beforeLineFeed = runEnd < size && text[runEnd] == '\n';
    if (beforeLineFeed && runEnd - in == 1) text[out++] = '\n';
    in = beforeLineFeed ? runEnd + 1 : runEnd;
  }
  text.resize(out);
}

void LineFeedsToCarriageReturns(std::string& text) {
  std::replace(text.begin(), text.end(), '\n', '\r');
}
