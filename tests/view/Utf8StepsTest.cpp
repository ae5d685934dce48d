// The character rules of UTF-8 text: boundaries of 1- to 4-byte sequences, bytes that are
// characters of their own, counting, decoding and encoding.
#include "editor/view/Utf8Steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int Length(const std::string& s) {
  return static_cast<int>(s.size());
}

// Every boundary from the start, stepping forward.
std::vector<int> ForwardBoundaries(const std::string& s) {
  std::vector<int> result{0};
  for (int pos = 0; pos < Length(s);) result.push_back(pos = NextCharBoundary(s.data(), Length(s), pos));
  return result;
}

std::vector<int> BackwardBoundaries(const std::string& s) {
  std::vector<int> result{Length(s)};
  for (int pos = Length(s); pos > 0;) result.insert(result.begin(), pos = PreviousCharBoundary(s.data(), Length(s), pos));
  return result;
}

}  // namespace

TEST(Utf8Steps, SequencesOfOneToFourBytesAreOneCharacterEach) {
  const std::string text = "a\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80z";  // a é 日 😀 z
  const std::vector<int> expected{0, 1, 3, 6, 10, 11};
  EXPECT_EQ(ForwardBoundaries(text), expected);
  EXPECT_EQ(BackwardBoundaries(text), expected);
  EXPECT_EQ(Utf8CharCount(text.data(), Length(text)), 5);
}

TEST(Utf8Steps, ABytePartOfNoWellFormedSequenceIsACharacterOfItsOwn) {
  // A stray continuation, an overlong form of '/', a surrogate, a truncated sequence, a
  // lead byte beyond U+10FFFF.
  const std::string text = "\x80" "\xC0\xAF" "\xED\xA0\x80" "\xE6\x97" "\xF5\x80";
  const int n = Length(text);
  EXPECT_EQ(Utf8CharCount(text.data(), n), n);
  EXPECT_EQ(ForwardBoundaries(text), BackwardBoundaries(text));
  for (int pos = 0; pos < n; ++pos) EXPECT_EQ(DecodeUtf8(text.data(), n, pos), ReplacementCharacter) << pos;
}

TEST(Utf8Steps, APositionInsideACharacterMovesBackToItsStart) {
  const std::string text = "x\xF0\x9F\x98\x80y";
  const int n = Length(text);
  EXPECT_EQ(CharBoundaryAtOrBefore(text.data(), n, 1), 1);
  EXPECT_EQ(CharBoundaryAtOrBefore(text.data(), n, 2), 1);
  EXPECT_EQ(CharBoundaryAtOrBefore(text.data(), n, 4), 1);
  EXPECT_EQ(CharBoundaryAtOrBefore(text.data(), n, 5), 5);
  // Continuation bytes after a character are characters of their own, so boundaries.
  const std::string stray = "\xC3\xA9\x80\x80";
  EXPECT_EQ(CharBoundaryAtOrBefore(stray.data(), 4, 1), 0);
  EXPECT_EQ(CharBoundaryAtOrBefore(stray.data(), 4, 2), 2);
  EXPECT_EQ(CharBoundaryAtOrBefore(stray.data(), 4, 3), 3);
}

TEST(Utf8Steps, DecodingAndEncodingAgree) {
  for (unsigned codePoint : {0x41u, 0xE9u, 0x7FFu, 0x800u, 0x65E5u, 0x2713u, 0xFFFFu, 0x10000u, 0x1F600u, 0x10FFFFu}) {
    std::string text;
    ASSERT_TRUE(AppendUtf8(text, codePoint)) << codePoint;
    EXPECT_EQ(Utf8SequenceLength(text.data(), Length(text), 0), Length(text)) << codePoint;
    EXPECT_EQ(DecodeUtf8(text.data(), Length(text), 0), codePoint);
  }
  std::string text;
  EXPECT_FALSE(AppendUtf8(text, 0xD800));
  EXPECT_FALSE(AppendUtf8(text, 0x110000));
  EXPECT_TRUE(text.empty());
  ASSERT_TRUE(AppendUtf8(text, 0x65E5));
  EXPECT_EQ(text, "\xE6\x97\xA5");
}
