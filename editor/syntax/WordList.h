// Words sorted by the platform's locale order, looked up with or without case.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

// The locale comparisons of single-byte text, with and without case (lstrcmpA, lstrcmpiA on
// Windows; portable equivalents with the same ordering elsewhere). <0, 0, >0.
inline unsigned char FoldedForCompare(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// Inline: every identifier of a coloured line is looked up with these.
inline int CompareWithoutCase(const char* a, int aLength, const char* b, int bLength) {
  const int common = aLength < bLength ? aLength : bLength;
  for (int i = 0; i < common; ++i) {
    const int difference = FoldedForCompare(a[i]) - FoldedForCompare(b[i]);
    if (difference != 0) return difference > 0 ? 1 : -1;
  }
  return (aLength > bLength) - (aLength < bLength);
}

// Strings equal without case differ only in the case of letters: as in the Windows locale
// order, the first such difference decides, and the lower-case letter comes first.
inline int CompareWithCase(const char* a, int aLength, const char* b, int bLength) {
  const int order = CompareWithoutCase(a, aLength, b, bLength);
  if (order != 0) return order;
  for (int i = 0; i < aLength; ++i) {
    if (a[i] != b[i]) return a[i] >= 'a' ? -1 : 1;
  }
  return 0;
}
// The identifier run (NextRun) at or after start in text[0, length): moves start to it and
// sets its length; false when none is left.
bool NextIdentifier(const char* text, int length, int& start, int& runLength);

// The ordering with case puts case only after the letters themselves, so a binary search
// with the case-blind comparison finds words in the list sorted with case. Equal strings
// keep both entries, the later one behind.
template <class Value> class WordList {
public:
  void Clear();
  void Add(const std::string& s, Value value);
  // The value of the first entry the binary search meets that equals text[0, length).
  bool Lookup(const char* text, int length, bool matchCase, Value& value) const;
  // The first identifier run (NextRun) from pos on that Lookup finds: [start, end), value.
  bool Find(const char* text, int length, int pos, bool matchCase, Value& value, int& start, int& end) const;

private:
  // A filter over (length, first, second and last letter, case folded): most identifiers of
  // a text are no word of the list, and it rejects them without a search. It never rejects
  // a text that the search would find.
  static unsigned FilterSlot(const char* text, int length) {
    const unsigned first = FoldedForCompare(text[0]);
    const unsigned second = length > 1 ? FoldedForCompare(text[1]) : 0u;
    const unsigned last = FoldedForCompare(text[length - 1]);
    return (static_cast<unsigned>(length) * 40503u + first * 2654435761u + second * 97u + last * 7919u) % FilterBits;
  }
  bool MayHold(const char* text, int length) const {
    if (length <= 0) return false;
    const unsigned slot = FilterSlot(text, length);
    return (Filter[slot / 64] >> (slot % 64) & 1u) != 0;
  }

  // The entry the binary search meets for text, or -1.
  int Search(const char* text, int length, bool matchCase) const;
  static std::uint32_t Hash(const char* text, int length, bool fold);
  void Rehash();
  void Place(std::vector<int>& slots, const std::string& key, int entry, bool fold);
  int Probe(const std::vector<int>& slots, const char* text, int length, bool fold) const;

  static constexpr unsigned FilterBits = 1u << 16;
  std::vector<std::pair<std::string, Value>> Entries;  // sorted with case
  std::uint64_t Filter[FilterBits / 64] = {};
  // Open-addressed tables holding, for each word (exactly, and case folded), the entry the
  // binary search meets for it, so that a look-up costs one hash; -1 = empty slot. The search
  // with case meets only words equal byte for byte, and the one without case takes the same
  // path for every spelling of a word, so the tables answer as the search would.
  std::vector<int> ExactSlots;
  std::vector<int> FoldedSlots;
};

template <class Value> void WordList<Value>::Clear() {
  Entries.clear();
  std::fill(std::begin(Filter), std::end(Filter), std::uint64_t{0});
  ExactSlots.clear();
  FoldedSlots.clear();
}

template <class Value> void WordList<Value>::Add(const std::string& s, Value value) {
  const auto greater = [](const std::string& word, const std::pair<std::string, Value>& entry) {
    return CompareWithCase(word.data(), static_cast<int>(word.size()), entry.first.data(),
                           static_cast<int>(entry.first.size())) < 0;
  };
  Entries.emplace(std::upper_bound(Entries.begin(), Entries.end(), s, greater), s, value);
  const int length = static_cast<int>(s.size());
  if (length > 0) {
    const unsigned slot = FilterSlot(s.data(), length);
    Filter[slot / 64] |= std::uint64_t{1} << (slot % 64);
  }
  Rehash();
}

template <class Value> std::uint32_t WordList<Value>::Hash(const char* text, int length, bool fold) {
  std::uint32_t hash = 2166136261u;
  for (int i = 0; i < length; ++i)
    hash = (hash ^ (fold ? FoldedForCompare(text[i]) : static_cast<unsigned char>(text[i]))) * 16777619u;
  return hash;
}

template <class Value> void WordList<Value>::Rehash() {
  std::size_t size = 16;
  while (size < 2 * Entries.size()) size *= 2;
  ExactSlots.assign(size, -1);
  FoldedSlots.assign(size, -1);
  for (const auto& entry : Entries) {
    Place(ExactSlots, entry.first, Search(entry.first.data(), static_cast<int>(entry.first.size()), true), false);
    Place(FoldedSlots, entry.first, Search(entry.first.data(), static_cast<int>(entry.first.size()), false), true);
  }
}

template <class Value>
void WordList<Value>::Place(std::vector<int>& slots, const std::string& key, int entry, bool fold) {
  const int length = static_cast<int>(key.size());
  if (entry < 0 || Probe(slots, key.data(), length, fold) >= 0) return;
  const std::size_t mask = slots.size() - 1;
  std::size_t slot = Hash(key.data(), length, fold) & mask;
  while (slots[slot] >= 0) slot = (slot + 1) & mask;
  slots[slot] = entry;
}

template <class Value>
int WordList<Value>::Probe(const std::vector<int>& slots, const char* text, int length, bool fold) const {
  if (slots.empty()) return -1;
  const std::size_t mask = slots.size() - 1;
  for (std::size_t slot = Hash(text, length, fold) & mask; slots[slot] >= 0; slot = (slot + 1) & mask) {
    const std::string& word = Entries[static_cast<std::size_t>(slots[slot])].first;
    const int size = static_cast<int>(word.size());
    const bool equal = fold ? CompareWithoutCase(word.data(), size, text, length) == 0
                            : size == length && std::equal(word.begin(), word.end(), text);
    if (equal) return slots[slot];
  }
  return -1;
}

template <class Value>
bool WordList<Value>::Lookup(const char* text, int length, bool matchCase, Value& value) const {
  if (!MayHold(text, length)) return false;
  const int entry = Probe(matchCase ? ExactSlots : FoldedSlots, text, length, !matchCase);
  if (entry < 0) return false;
  value = Entries[static_cast<std::size_t>(entry)].second;
  return true;
}

template <class Value> int WordList<Value>::Search(const char* text, int length, bool matchCase) const {
  int low = 0;
  int high = static_cast<int>(Entries.size()) - 1;
  while (low <= high) {
    const int mid = (low + high) / 2;
    const std::string& word = Entries[static_cast<std::size_t>(mid)].first;
    const int size = static_cast<int>(word.size());
    const int order = matchCase ? CompareWithCase(word.data(), size, text, length)
                                : CompareWithoutCase(word.data(), size, text, length);
    if (order == 0) return mid;
    if (order < 0) low = mid + 1;
    else high = mid - 1;
  }
  return -1;
}

template <class Value>
bool WordList<Value>::Find(const char* text, int length, int pos, bool matchCase, Value& value, int& start,
                           int& end) const {
  int runLength = 0;
  for (int p = pos < 0 ? 0 : pos; NextIdentifier(text, length, p, runLength); p += runLength) {
    if (Lookup(text + p, runLength, matchCase, value)) {
      start = p;
      end = p + runLength;
      return true;
    }
  }
  return false;
}
