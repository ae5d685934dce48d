// The editor's one text search: find forwards or backwards, wrapped search and replace all.
#include "common/TextSearch.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

namespace {

using ByteTable = std::array<unsigned char, 256>;

ByteTable BuildTable(int (*convert)(int)) {
  ByteTable table{};
  for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(convert(c));
  return table;
}

// Built once from the runtime's tolower, so ignoring case costs one look-up per byte.
const ByteTable& LowerCaseTable() {
  static const ByteTable table = BuildTable([](int c) { return std::tolower(c); });
  return table;
}

const ByteTable& IdentityTable() {
  static const ByteTable table = BuildTable([](int c) { return c; });
  return table;
}

// One pattern over one text. Candidates are start indexes; the caller keeps them in
// [0, LastStart()] so that no comparison reads past the end of the text.
class Matcher {
public:
  Matcher(std::string_view text, const std::string& pattern, int flags);

  int LastStart() const { return Length - PatternLength; }
  // The first or last accepted candidate in [first, last], or -1.
  int Forward(int first, int last) const;
  int Backward(int first, int last) const;
  // wordBefore: whether the character in front of p is a word character.
  bool MatchesAt(int p, bool wordBefore) const;
  bool WordBefore(int p) const { return p > 0 && IsWordChar(Text[p - 1]); }

private:
  unsigned char Fold(char c) const { return Folding[static_cast<unsigned char>(c)]; }
  int NextCandidate(int p, int last) const;
  bool SameCharsAt(int p) const;
  bool WordEndsAt(int end) const;

  const char* Text;
  int Length;
  std::string Pattern;  // already folded
  int PatternLength;
  const ByteTable& Folding;
  bool IgnoreCase;
  bool WholeWord;
};

Matcher::Matcher(std::string_view text, const std::string& pattern, int flags)
    : Text(text.data()),
      Length(static_cast<int>(text.size())),
      Pattern(pattern),
      PatternLength(static_cast<int>(pattern.size())),
      Folding((flags & SearchIgnoreCase) ? LowerCaseTable() : IdentityTable()),
      IgnoreCase((flags & SearchIgnoreCase) != 0),
      WholeWord((flags & SearchWholeWord) != 0) {
  for (char& c : Pattern) c = static_cast<char>(Fold(c));
}

// The next candidate at or behind p whose first character matches, or -1. With match
// case memchr does the scan, which is what keeps searches in big documents fast.
int Matcher::NextCandidate(int p, int last) const {
  if (p > last) return -1;
  if (!IgnoreCase) {
    const void* hit = std::memchr(Text + p, Pattern[0], static_cast<std::size_t>(last - p + 1));
    return hit ? static_cast<int>(static_cast<const char*>(hit) - Text) : -1;
  }
  const unsigned char first = static_cast<unsigned char>(Pattern[0]);
  while (p <= last && Fold(Text[p]) != first) ++p;
  return p <= last ? p : -1;
}

int Matcher::Forward(int first, int last) const {
  for (int p = NextCandidate(first, last); p >= 0; p = NextCandidate(p + 1, last)) {
    if (MatchesAt(p, WordBefore(p))) return p;
  }
  return -1;
}

int Matcher::Backward(int first, int last) const {
  const unsigned char firstChar = static_cast<unsigned char>(Pattern[0]);
  for (int p = last; p >= first; --p) {
    if (Fold(Text[p]) == firstChar && MatchesAt(p, WordBefore(p))) return p;
  }
  return -1;
}

bool Matcher::SameCharsAt(int p) const {
  if (!IgnoreCase) return std::memcmp(Text + p, Pattern.data(), Pattern.size()) == 0;
  for (int i = 0; i < PatternLength; ++i) {
    if (Fold(Text[p + i]) != static_cast<unsigned char>(Pattern[i])) return false;
  }
  return true;
}

// A match ending at `end` runs into a word when its last character and the one behind it
// are both word characters.
bool Matcher::WordEndsAt(int end) const {
  return end < Length && IsWordChar(Text[end - 1]) && IsWordChar(Text[end]);
}

bool Matcher::MatchesAt(int p, bool wordBefore) const {
  if (WholeWord && wordBefore && IsWordChar(Text[p])) return false;
  if (!SameCharsAt(p)) return false;
  return !(WholeWord && WordEndsAt(p + PatternLength));
}

// The next match at or behind p while ReplaceAll rebuilds the text: what lies in front of
// p has already been replaced, so the whole-word test at p must see the last character
// written, not the original one.
int NextReplaceMatch(const Matcher& matcher, int p, const std::string& written) {
  if (p > matcher.LastStart()) return -1;
  const bool wordBefore = !written.empty() && IsWordChar(written.back());
  if (matcher.MatchesAt(p, wordBefore)) return p;
  return matcher.Forward(p + 1, matcher.LastStart());
}

void MovePositions(int positions[], int positionCount, int matchEnd, int shift) {
  if (!positions) return;
  for (int i = 0; i < positionCount; ++i) {
    if (positions[i] >= matchEnd) positions[i] += shift;
  }
}

}  // namespace

bool IsWordChar(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

int FindText(std::string_view text, const std::string& pattern, int flags, int from, int to) {
  if (pattern.empty()) return -1;
  const int length = static_cast<int>(text.size());
  if (to < 0 || to > length) to = length;
  from = std::max(from, 0);
  const Matcher matcher(text, pattern, flags);
  const int last = std::min(to - 1, matcher.LastStart());
  if (from > last) return -1;
  return (flags & SearchBackwards) ? matcher.Backward(from, last) : matcher.Forward(from, last);
}

int FindWrapped(std::string_view text, const std::string& pattern, int flags, int start,
                int end) {
  const int length = static_cast<int>(text.size());
  const int s = start == length ? 0 : start;
  if (end > s) return FindText(text, pattern, flags, s, end);
  const bool backwards = (flags & SearchBackwards) != 0;
  const int found = backwards ? FindText(text, pattern, flags, 0, end)
                              : FindText(text, pattern, flags, s, length);
  if (found >= 0) return found;
  return backwards ? FindText(text, pattern, flags, s, length)
                   : FindText(text, pattern, flags, 0, end);
}

// The result is built in a new string, so many matches in a big text cost one pass
// instead of one move of the whole tail per replacement.
int ReplaceAll(std::string& text, const std::string& find, const std::string& replace,
               int flags, int from, int maxCount, int positions[], int positionCount) {
  std::string result;
  const int count = ReplaceAllInto(text, result, find, replace, flags, from, maxCount, positions, positionCount);
  if (count > 0) text.swap(result);
  return count;
}

// Room for the whole text at once (a little more when the text grows), so that a big
// text is not copied again on every doubling of the result.
int ReplaceAllInto(std::string_view text, std::string& result, const std::string& find,
                   const std::string& replace, int flags, int from, int maxCount, int positions[],
                   int positionCount) {
  if (find.empty()) return 0;
  const int length = static_cast<int>(text.size());
  const int findLength = static_cast<int>(find.size());
  const int shift = static_cast<int>(replace.size()) - findLength;
  const Matcher matcher(text, find, flags);
  int p = std::max(from, 0);
  result.clear();
  result.reserve(text.size() + (shift > 0 ? text.size() / 16 : 0));
  result.append(text, 0, static_cast<std::size_t>(std::min(p, length)));
  int count = 0;
  while (p < length && (maxCount < 0 || count < maxCount)) {
    const int match = NextReplaceMatch(matcher, p, result);
    if (match < 0) break;
    result.append(text, static_cast<std::size_t>(p), static_cast<std::size_t>(match - p));
    MovePositions(positions, positionCount, static_cast<int>(result.size()) + findLength, shift);
    result += replace;
    p = match + findLength;
    ++count;
  }
  if (count == 0) return 0;
  result.append(text, static_cast<std::size_t>(p), std::string::npos);
  return count;
}
