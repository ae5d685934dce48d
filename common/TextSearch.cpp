// The editor's one text search: find forwards or backwards, wrapped search and replace all.
#include "common/TextSearch.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
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

// The bytes of source code and prose from the most to the least common, roughly; control
// characters and bytes from 128 up are rarer still. The order only has to be right in the
// large: it picks the two bytes of the pattern that the scan looks for.
const char CommonBytes[] =
    " etaoinsrlcdhu\n\tmpf_g.(),;ybw=vk\"-*/ASCTEIRNOLDPM>{}<01:[]2x'FBHUj#&WGq+V\\!|KzYJ3456789Z%?X@$^`~Q";

// Higher for more common bytes, 0 for the unlisted ones.
const std::array<int, 256>& Commonness() {
  static const std::array<int, 256> table = [] {
    std::array<int, 256> result{};
    const int count = static_cast<int>(sizeof CommonBytes - 1);
    for (int i = 0; i < count; ++i) result[static_cast<unsigned char>(CommonBytes[i])] = count - i;
    return result;
  }();
  return table;
}

// Eight bytes (four on 32-bit builds) tested at once in one register.
using Chunk = std::size_t;
constexpr Chunk EveryByte = ~Chunk(0) / 0xFF;  // 0x0101...01
constexpr Chunk HighBits = EveryByte * 0x80;

Chunk Broadcast(unsigned char c) { return EveryByte * c; }

Chunk LoadChunk(const char* p) {
  Chunk chunk;
  std::memcpy(&chunk, p, sizeof chunk);
  return chunk;
}

// The bytes of the text that fold to one byte of the pattern.
class ByteSet {
public:
  void Add(char c);
  bool Has(char c) const { return Members[static_cast<unsigned char>(c)]; }
  // The high bit of every byte of chunk that is in the set, and maybe of some others.
  Chunk Marks(Chunk chunk) const;

private:
  std::array<bool, 256> Members{};
  bool Empty = true;
  unsigned char First = 0;
  Chunk Spread = 0;  // in each byte: the bits in which the members differ from the first
  Chunk Wanted = 0;  // in each byte: First | Spread
};

void ByteSet::Add(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (Empty) First = byte;
  Empty = false;
  Spread |= Broadcast(static_cast<unsigned char>(First ^ byte));
  Wanted = Broadcast(First) | Spread;
  Members[byte] = true;
}

// The bytes x with (x | Spread) == Wanted become zero: exactly the members when they
// differ in one bit, as the two cases of an ASCII letter do, a few more otherwise. The
// zero-byte test then marks every zero byte, and through its borrow maybe the byte above.
Chunk ByteSet::Marks(Chunk chunk) const {
  const Chunk x = (chunk | Spread) ^ Wanted;
  return (x - EveryByte) & ~x & HighBits;
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
  bool WordBefore(int p) const { return p > 0 && IsWord(Text[p - 1]); }
  bool IsWord(char c) const { return IsWordChar(c) || (Utf8Words && static_cast<unsigned char>(c) >= 0x80); }

private:
  unsigned char Fold(char c) const { return Folding[static_cast<unsigned char>(c)]; }
  unsigned char PatternByte(int i) const { return static_cast<unsigned char>(Pattern[i]); }
  void ChooseAnchors();
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
  bool Utf8Words;
  int Anchor = 0;  // the index in the pattern of its rarest byte
  int Second = 0;  // the index of the next rarest one
  ByteSet AnchorBytes;  // the bytes of the text that fold to the pattern's byte at Anchor
  ByteSet SecondBytes;  // and those that fold to its byte at Second
};

Matcher::Matcher(std::string_view text, const std::string& pattern, int flags)
    : Text(text.data()),
      Length(static_cast<int>(text.size())),
      Pattern(pattern),
      PatternLength(static_cast<int>(pattern.size())),
      Folding((flags & SearchIgnoreCase) ? LowerCaseTable() : IdentityTable()),
      IgnoreCase((flags & SearchIgnoreCase) != 0),
      WholeWord((flags & SearchWholeWord) != 0),
      Utf8Words((flags & SearchUtf8Words) != 0) {
  for (char& c : Pattern) c = static_cast<char>(Fold(c));
  ChooseAnchors();
}

// The scan looks for the pattern's two rarest bytes rather than its first one, since a word
// that never occurs mostly starts with common letters. Under ignore case a byte counts as
// common as all the bytes that fold to it together.
void Matcher::ChooseAnchors() {
  std::array<int, 256> commonness{};
  for (int c = 0; c < 256; ++c) commonness[Folding[c]] += Commonness()[c];
  const auto rarest = [&](int except) {
    int best = -1;
    for (int i = 0; i < PatternLength; ++i) {
      if (i == except) continue;
      if (best < 0 || commonness[PatternByte(i)] < commonness[PatternByte(best)]) best = i;
    }
    return best < 0 ? except : best;
  };
  Anchor = rarest(-1);
  Second = rarest(Anchor);
  for (int c = 0; c < 256; ++c) {
    if (Folding[c] == PatternByte(Anchor)) AnchorBytes.Add(static_cast<char>(c));
    if (Folding[c] == PatternByte(Second)) SecondBytes.Add(static_cast<char>(c));
  }
}

// The next candidate in [p, last] whose bytes at Anchor and Second fit, or -1. Testing
// both a chunk at a time leaves few candidates even where both are common letters, under
// either case rule, and runs the same with every C library.
int Matcher::NextCandidate(int p, int last) const {
  const char* anchor = Text + Anchor;
  const char* second = Text + Second;
  constexpr int Size = static_cast<int>(sizeof(Chunk));
  for (const int end = last + 1;;) {
    for (; end - p >= Size; p += Size) {
      if (AnchorBytes.Marks(LoadChunk(anchor + p)) & SecondBytes.Marks(LoadChunk(second + p))) break;
    }
    for (const int stop = p + std::min(end - p, Size); p < stop; ++p) {
      if (AnchorBytes.Has(anchor[p]) && SecondBytes.Has(second[p])) return p;
    }
    if (p >= end) return -1;
  }
}

int Matcher::Forward(int first, int last) const {
  for (int p = NextCandidate(first, last); p >= 0; p = NextCandidate(p + 1, last)) {
    if (MatchesAt(p, WordBefore(p))) return p;
  }
  return -1;
}

// Block by block from the end, each block scanned forwards, so that searching backwards
// uses the same fast scan; a block is small enough that a match near the end is found
// without scanning much in front of it.
int Matcher::Backward(int first, int last) const {
  constexpr int BlockSize = 1 << 16;
  for (int end = last; end >= first; end -= BlockSize) {
    const int start = std::max(first, end - BlockSize + 1);
    int found = -1;
    for (int p = Forward(start, end); p >= 0; p = Forward(p + 1, end)) found = p;
    if (found >= 0) return found;
  }
  return -1;
}

bool Matcher::SameCharsAt(int p) const {
  if (!IgnoreCase) return std::memcmp(Text + p, Pattern.data(), Pattern.size()) == 0;
  for (int i = 0; i < PatternLength; ++i) {
    if (Fold(Text[p + i]) != PatternByte(i)) return false;
  }
  return true;
}

// A match ending at `end` runs into a word when its last character and the one behind it
// are both word characters.
bool Matcher::WordEndsAt(int end) const {
  return end < Length && IsWord(Text[end - 1]) && IsWord(Text[end]);
}

bool Matcher::MatchesAt(int p, bool wordBefore) const {
  if (WholeWord && wordBefore && IsWord(Text[p])) return false;
  if (!SameCharsAt(p)) return false;
  return !(WholeWord && WordEndsAt(p + PatternLength));
}

// The next match at or behind p while ReplaceAll rebuilds the text: what lies in front of
// p has already been replaced, so the whole-word test at p must see the last character
// written, not the original one.
int NextReplaceMatch(const Matcher& matcher, int p, const std::string& written) {
  if (p > matcher.LastStart()) return -1;
  const bool wordBefore = !written.empty() && matcher.IsWord(written.back());
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
