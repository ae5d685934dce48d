// Character boundaries in UTF-8 text, after the table of well-formed byte sequences of the
// Unicode standard: the second byte's range depends on the first, which rules out overlong
// forms, surrogates and values beyond U+10FFFF.
#include "editor/view/Utf8Steps.h"

#include <algorithm>

namespace {

unsigned char ByteAt(const char* text, int pos) {
  return static_cast<unsigned char>(text[pos]);
}

// Bytes a sequence with this first byte needs, and the allowed range of its second byte;
// 0 when the byte starts no multi-byte sequence.
int ExpectedLength(unsigned char lead, unsigned char& low, unsigned char& high) {
  low = 0x80;
  high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

int Utf8SequenceLength(const char* text, int length, int pos) {
  const unsigned char lead = ByteAt(text, pos);
  if (lead < 0x80) return 1;
  unsigned char low = 0, high = 0;
  const int expected = ExpectedLength(lead, low, high);
  if (expected == 0 || pos + expected > length) return 1;
  const unsigned char second = ByteAt(text, pos + 1);
  if (second < low || second > high) return 1;
  for (int i = 2; i < expected; ++i)
    if (!IsUtf8Continuation(text[pos + i])) return 1;
  return expected;
}

int NextCharBoundary(const char* text, int length, int pos) {
  if (pos >= length) return length;
  return pos + Utf8SequenceLength(text, length, std::max(pos, 0));
}

// A sequence is at most 4 bytes, so its start lies at most 3 continuation bytes back.
int PreviousCharBoundary(const char* text, int length, int pos) {
  if (pos <= 0) return 0;
  pos = std::min(pos, length);
  int start = pos - 1;
  while (start > 0 && start > pos - 4 && IsUtf8Continuation(text[start])) --start;
  return Utf8SequenceLength(text, length, start) == pos - start ? start : pos - 1;
}

int CharBoundaryAtOrBefore(const char* text, int length, int pos) {
  if (pos <= 0 || pos >= length || !IsUtf8Continuation(text[pos])) return std::min(std::max(pos, 0), length);
  int start = pos - 1;
  while (start > 0 && start > pos - 3 && IsUtf8Continuation(text[start])) --start;
  return Utf8SequenceLength(text, length, start) > pos - start ? start : pos;
}

int Utf8CharCount(const char* text, int length) {
  int count = 0;
  for (int pos = 0; pos < length; pos = NextCharBoundary(text, length, pos)) ++count;
  return count;
}

unsigned DecodeUtf8(const char* text, int length, int pos) {
  const int bytes = Utf8SequenceLength(text, length, pos);
  const unsigned char lead = ByteAt(text, pos);
  if (bytes == 1) return lead < 0x80 ? lead : ReplacementCharacter;
  unsigned codePoint = lead & (0x7Fu >> bytes);
  for (int i = 1; i < bytes; ++i) codePoint = (codePoint << 6) | (ByteAt(text, pos + i) & 0x3Fu);
  return codePoint;
}

bool AppendUtf8(std::string& text, unsigned codePoint) {
  if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return false;
  if (codePoint < 0x80) {
    text += static_cast<char>(codePoint);
    return true;
  }
  const int bytes = codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
  const unsigned leads[] = {0, 0, 0xC0, 0xE0, 0xF0};
  text += static_cast<char>(leads[bytes] | (codePoint >> (6 * (bytes - 1))));
  for (int i = bytes - 2; i >= 0; --i) text += static_cast<char>(0x80 | ((codePoint >> (6 * i)) & 0x3F));
  return true;
}
