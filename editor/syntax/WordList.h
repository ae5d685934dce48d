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

  static constexpr unsigned FilterBits = 1u << 16;
  std::vector<std::pair<std::string, Value>> Entries;  // sorted with case
  std::uint64_t Filter[FilterBits / 64] = {};
};

template <class Value> void WordList<Value>::Clear() {
  Entries.clear();
  std::fill(std::begin(Filter), std::end(Filter), std::uint64_t{0});
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
}

template <class Value>
bool WordList<Value>::Lookup(const char* text, int length, bool matchCase, Value& value) const {
  if (!MayHold(text, length)) return false;
  int low = 0;
  int high = static_cast<int>(Entries.size()) - 1;
  while (low <= high) {
    const int mid = (low + high) / 2;
    const std::string& word = Entries[static_cast<std::size_t>(mid)].first;
    const int size = static_cast<int>(word.size());
    const int order = matchCase ? CompareWithCase(word.data(), size, text, length)
                                : CompareWithoutCase(word.data(), size, text, length);
    if (order == 0) {
      value = Entries[static_cast<std::size_t>(mid)].second;
      return true;
    }
    if (order < 0) low = mid + 1;
    else high = mid - 1;
  }
  return false;
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
