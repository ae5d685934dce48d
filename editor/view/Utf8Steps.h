// Character boundaries in UTF-8 text. A character is a well-formed sequence of 1 to 4 bytes;
// a byte that starts no well-formed sequence (a stray continuation byte, an overlong or
// truncated form, a surrogate) is a character of its own, so every byte belongs to exactly
// one character and the rules never fail on damaged text.
#pragma once

#include <string>

// The code point shown for a byte that is a character of its own.
constexpr unsigned ReplacementCharacter = 0xFFFD;

// A byte that continues a sequence (10xxxxxx).
inline bool IsUtf8Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Bytes of the character at text[pos], 0 <= pos < length: 1 to 4.
int Utf8SequenceLength(const char* text, int length, int pos);
// The boundary after the character at pos; length at or after the end.
int NextCharBoundary(const char* text, int length, int pos);
// The start of the character that ends at pos; 0 at or before the start.
int PreviousCharBoundary(const char* text, int length, int pos);
// pos when it is a boundary, else the start of the character it lies in.
int CharBoundaryAtOrBefore(const char* text, int length, int pos);
// Characters in text[0, length).
int Utf8CharCount(const char* text, int length);
// The code point of the character at pos (ReplacementCharacter for a byte of its own).
unsigned DecodeUtf8(const char* text, int length, int pos);
// Appends the UTF-8 form of a code point; false (nothing appended) for a surrogate or a
// value beyond U+10FFFF.
bool AppendUtf8(std::string& text, unsigned codePoint);
