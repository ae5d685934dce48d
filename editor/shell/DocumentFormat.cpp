// A document's file form: detecting it on open and writing the text back in it.
#include "editor/shell/DocumentFormat.h"

#include "common/LineEnds.h"
#include "editor/shell/DocumentText.h"

namespace {

bool IsUtf16(TextEncoding encoding) {
  return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
}

// The text of a file whose bytes after the mark are its encoding's; UTF-8 as it is.
std::string UnicodeText(std::string bytes, TextEncoding encoding, std::size_t& replaced) {
  const std::size_t mark = ByteOrderMark(encoding).size();
  if (!IsUtf16(encoding)) {
    bytes.erase(0, mark);
    return bytes;  // moved, not copied
  }
  const std::u16string units = Utf16FromBytes(bytes, mark, encoding == TextEncoding::Utf16Be, replaced);
  bytes = std::string();  // a large file need not be held three times
  return Utf8FromUtf16(units, replaced);
}

}  // namespace

int DetectNewLineType(const std::string& text, int fallback) {
  const std::size_t at = text.find_first_of("\r\n");
  if (at == std::string::npos) return fallback;
  if (text[at] == '\n') return 2;
  return at + 1 < text.size() && text[at + 1] == '\n' ? 0 : 1;
}

const char* NewLineTypeName(int newLineType) {
  if (newLineType == 1) return "CR";
  if (newLineType == 2) return "LF";
  return "CR LF";
}

DecodedDocument DecodeDocument(std::string bytes, int defaultNewLineType) {
  DecodedDocument document;
  document.format.encoding = DetectEncoding(bytes);
  if (document.format.encoding == TextEncoding::Ansi)
    document.text = std::move(bytes);
  else
    document.text = UnicodeText(std::move(bytes), document.format.encoding, document.replacedUnits);
  const std::size_t zero = document.text.find('\0');
  document.heldNulByte = zero != std::string::npos;
  if (document.heldNulByte) document.text.resize(zero);
  document.format.newLineType = DetectNewLineType(document.text, defaultNewLineType);
  NormalizeLineEnds(document.text);
  return document;
}

std::string EncodeDocument(std::string text, const DocumentFormat& format, std::size_t& replaced) {
  text = ToNewLineType(std::move(text), format.newLineType);
  const std::string mark = ByteOrderMark(format.encoding);
  if (IsUtf16(format.encoding))
    return mark + BytesFromUtf16(Utf16FromUtf8(text, replaced), format.encoding == TextEncoding::Utf16Be);
  if (!mark.empty()) text.insert(0, mark);
  return text;
}
