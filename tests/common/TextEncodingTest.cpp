// Encoding detection and the UTF-8 <-> UTF-16 conversions, with their broken inputs.
#include "common/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

std::string Utf8Of(const std::u16string& units, std::size_t& replaced) {
  return Utf8FromUtf16(units, replaced);
}

}  // namespace

TEST(DetectEncoding, AMarkNamesTheEncodingEvenWithNothingBehindIt) {
  EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF"), TextEncoding::Utf8Bom);
  EXPECT_EQ(DetectEncoding("\xFF\xFE"), TextEncoding::Utf16Le);
  EXPECT_EQ(DetectEncoding("\xFE\xFF"), TextEncoding::Utf16Be);
  EXPECT_EQ(DetectEncoding("\xFF\xFEh\0i\0"), TextEncoding::Utf16Le);
}

TEST(DetectEncoding, UnmarkedTextIsUtf8OnlyWhenValidAndNotPlainAscii) {
  EXPECT_EQ(DetectEncoding(""), TextEncoding::Ansi);
  EXPECT_EQ(DetectEncoding("plain ascii\r\n"), TextEncoding::Ansi);
  EXPECT_EQ(DetectEncoding("caf\xC3\xA9"), TextEncoding::Utf8);
  EXPECT_EQ(DetectEncoding("\xF0\x9F\x98\x80"), TextEncoding::Utf8);
  // Windows-1252 "café", a cut sequence, an overlong form, a surrogate, beyond U+10FFFF.
  EXPECT_EQ(DetectEncoding("caf\xE9"), TextEncoding::Ansi);
  EXPECT_EQ(DetectEncoding("ab\xC3"), TextEncoding::Ansi);
  EXPECT_EQ(DetectEncoding("\xC0\xAF"), TextEncoding::Ansi);
  EXPECT_EQ(DetectEncoding("\xED\xA0\x80"), TextEncoding::Ansi);
  EXPECT_EQ(DetectEncoding("\xF4\x90\x80\x80"), TextEncoding::Ansi);
  // A half mark is no mark.
  EXPECT_EQ(DetectEncoding("\xEF\xBB"), TextEncoding::Ansi);
}

TEST(Utf16FromBytes, ReadsBothByteOrdersAndReplacesAnOddLastByte) {
  std::size_t replaced = 0;
  EXPECT_EQ(Utf16FromBytes(std::string("\xFF\xFE" "A\0\xAC\x20", 6), 2, false, replaced), u"A\u20AC");
  EXPECT_EQ(Utf16FromBytes(std::string("\0A\x20\xAC", 4), 0, true, replaced), u"A\u20AC");
  EXPECT_EQ(replaced, 0u);
  EXPECT_EQ(Utf16FromBytes(std::string("A\0B", 3), 0, false, replaced), u"A\uFFFD");
  EXPECT_EQ(replaced, 1u);
  EXPECT_EQ(Utf16FromBytes("\xFF\xFE", 2, false, replaced), u"");
}

TEST(BytesFromUtf16, WritesTheByteOrderAsked) {
  EXPECT_EQ(BytesFromUtf16(u"A\u20AC", false), std::string("A\0\xAC\x20", 4));
  EXPECT_EQ(BytesFromUtf16(u"A\u20AC", true), std::string("\0A\x20\xAC", 4));
}

TEST(Utf8FromUtf16, JoinsSurrogatePairsAndReplacesUnpairedOnes) {
  std::size_t replaced = 0;
  EXPECT_EQ(Utf8Of(u"a\u00E9\u20AC\U0001F600", replaced), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(replaced, 0u);
  // A lone high surrogate, a lone low one, and a high one at the very end.
  const std::u16string broken{u'x', char16_t(0xD83D), u'y', char16_t(0xDE00), char16_t(0xD800)};
  EXPECT_EQ(Utf8Of(broken, replaced), "x\xEF\xBF\xBDy\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(replaced, 3u);
  // U+0000 stays a character.
  EXPECT_EQ(Utf8Of(std::u16string(1, u'\0'), replaced), std::string(1, '\0'));
}

TEST(Utf16FromUtf8, RoundTripsEveryPlaneAndReplacesEachBadByte) {
  std::size_t replaced = 0;
  const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xEF\xBF\xBF";
  const std::u16string units = Utf16FromUtf8(text, replaced);
  EXPECT_EQ(units, u"a\u00E9\u20AC\U0001F600\uFFFF");
  EXPECT_EQ(Utf8Of(units, replaced), text);
  EXPECT_EQ(replaced, 0u);
  EXPECT_EQ(Utf16FromUtf8("caf\xE9!", replaced), u"caf\uFFFD!");
  EXPECT_EQ(replaced, 1u);
}

TEST(EncodingName, NamesEveryEncoding) {
  EXPECT_STREQ(EncodingName(TextEncoding::Ansi), "ANSI");
  EXPECT_STREQ(EncodingName(TextEncoding::Utf8), "UTF-8");
  EXPECT_STREQ(EncodingName(TextEncoding::Utf8Bom), "UTF-8 with BOM");
  EXPECT_STREQ(EncodingName(TextEncoding::Utf16Le), "UTF-16 LE");
  EXPECT_STREQ(EncodingName(TextEncoding::Utf16Be), "UTF-16 BE");
}
