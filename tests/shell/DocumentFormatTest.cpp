// A document's file form: what opening a file's bytes gives, and the bytes saving writes back.
#include "editor/shell/DocumentFormat.h"

#include <gtest/gtest.h>

namespace {

std::string Encoded(const std::string& text, TextEncoding encoding, int newLineType) {
  std::size_t replaced = 0;
  const std::string bytes = EncodeDocument(text, DocumentFormat{encoding, newLineType}, replaced);
  EXPECT_EQ(replaced, 0u);
  return bytes;
}

}  // namespace

TEST(DetectNewLineType, TakesTheFirstBreakOrTheFallback) {
  EXPECT_EQ(DetectNewLineType("a\r\nb\nc\r", 1), 0);
  EXPECT_EQ(DetectNewLineType("a\nb\r\n", 0), 2);
  EXPECT_EQ(DetectNewLineType("a\rb\r\n", 0), 1);
  EXPECT_EQ(DetectNewLineType("a\r", 0), 1);
  EXPECT_EQ(DetectNewLineType("no break", 2), 2);
  EXPECT_EQ(DetectNewLineType("", 1), 1);
}

TEST(DecodeDocument, AnAnsiFileIsReadAsItAlwaysWas) {
  const DecodedDocument document = DecodeDocument("caf\xE9\r\nb\rc\n", 2);
  EXPECT_EQ(document.format.encoding, TextEncoding::Ansi);
  EXPECT_EQ(document.format.newLineType, 0);
  EXPECT_EQ(document.text, "caf\xE9\nb\nc\n");
  const DecodedDocument cut = DecodeDocument(std::string("ab\ncd\0ef", 8), 0);
  EXPECT_TRUE(cut.heldNulByte);
  EXPECT_EQ(cut.text, "ab\ncd");
  EXPECT_EQ(cut.format.newLineType, 2);
}

TEST(DecodeDocument, AnEmptyFileOrAMarkAloneIsAnEmptyDocumentWithTheDefaultBreaks) {
  EXPECT_EQ(DecodeDocument("", 1).format.newLineType, 1);
  EXPECT_EQ(DecodeDocument("", 1).format.encoding, TextEncoding::Ansi);
  for (const char* mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
    const DecodedDocument document = DecodeDocument(mark, 2);
    EXPECT_EQ(document.text, "");
    EXPECT_NE(document.format.encoding, TextEncoding::Ansi);
    EXPECT_EQ(document.format.newLineType, 2);
    EXPECT_EQ(document.replacedUnits, 0u);
  }
}

TEST(DecodeDocument, Utf16BecomesUtf8AndANulCharacterCutsLikeANulByte) {
  const DecodedDocument le = DecodeDocument(std::string("\xFF\xFE" "a\0\r\0\n\0\xE9\0", 10), 0);
  EXPECT_EQ(le.format.encoding, TextEncoding::Utf16Le);
  EXPECT_EQ(le.format.newLineType, 0);
  EXPECT_EQ(le.text, "a\n\xC3\xA9");
  EXPECT_FALSE(le.heldNulByte);
  const DecodedDocument be = DecodeDocument(std::string("\xFE\xFF\0a\0\n\0\0\0b", 10), 0);
  EXPECT_EQ(be.format.encoding, TextEncoding::Utf16Be);
  EXPECT_EQ(be.text, "a\n");
  EXPECT_TRUE(be.heldNulByte);
}

TEST(DecodeDocument, BrokenUtf16IsShownAsReplacementCharactersAndCounted) {
  const DecodedDocument document = DecodeDocument(std::string("\xFF\xFE" "a\0\x3D\xD8" "b\0c", 9), 0);
  EXPECT_EQ(document.text, "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
  EXPECT_EQ(document.replacedUnits, 2u);
}

TEST(DecodeDocument, Utf8LosesItsMarkOnlyInTheText) {
  const DecodedDocument marked = DecodeDocument("\xEF\xBB\xBFx\ny", 0);
  EXPECT_EQ(marked.format.encoding, TextEncoding::Utf8Bom);
  EXPECT_EQ(marked.text, "x\ny");
  EXPECT_EQ(marked.format.newLineType, 2);
  const DecodedDocument plain = DecodeDocument("\xE2\x82\xAC\r", 0);
  EXPECT_EQ(plain.format.encoding, TextEncoding::Utf8);
  EXPECT_EQ(plain.text, "\xE2\x82\xAC\n");
  EXPECT_EQ(plain.format.newLineType, 1);
}

TEST(EncodeDocument, GivesBackTheBytesOfEveryFormOpened) {
  const std::string files[] = {
      "caf\xE9\r\nb\r\n",
      "a\nb\n",
      "a\rb",
      "\xEF\xBB\xBF\xE2\x82\xAC\r\n",
      "\xC3\xA9t\xC3\xA9\n",
      std::string("\xFF\xFE" "a\0\r\0\n\0\x3D\xD8\x00\xDE", 12),
      std::string("\xFE\xFF\0a\0\r\0b", 8),
  };
  for (const std::string& file : files) {
    const DecodedDocument document = DecodeDocument(file, 0);
    EXPECT_EQ(Encoded(document.text, document.format.encoding, document.format.newLineType), file);
  }
}

TEST(EncodeDocument, ConvertsToAnotherUnicodeEncodingAndCountsBytesUtf16CannotHold) {
  EXPECT_EQ(Encoded("\xC3\xA9\n", TextEncoding::Utf16Le, 0), std::string("\xFF\xFE\xE9\0\r\0\n\0", 8));
  EXPECT_EQ(Encoded("x", TextEncoding::Utf8Bom, 2), "\xEF\xBB\xBFx");
  std::size_t replaced = 0;
  EXPECT_EQ(EncodeDocument("\xE9", DocumentFormat{TextEncoding::Utf16Be, 0}, replaced), "\xFE\xFF\xFF\xFD");
  EXPECT_EQ(replaced, 1u);
}
