// Encoding detection and UTF-8 <-> UTF-16 conversion, written out by hand so that the same
// code runs, and is tested, on every platform.
#include "common/TextEncoding.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at "at" with its code point, or 0 when none starts there.
std::size_t DecodeUtf8(const std::string& text, std::size_t at, char32_t& point) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length;
  char32_t minimum;
  if (lead < 0x80) {
    point = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, minimum = 0x80, point = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, minimum = 0x800, point = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, minimum = 0x10000, point = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() - at < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if (!IsContinuation(next)) return 0;
    point = (point << 6) | (next & 0x3F);
  }
  const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
  return point < minimum || point > 0x10FFFF || surrogate ? 0 : length;
}

void AppendUtf8(std::string& out, char32_t point) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (point >> 18));
    out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t point) {
  if (point < 0x10000) {
    out += static_cast<char16_t>(point);
    return;
  }
  point -= 0x10000;
  out += static_cast<char16_t>(0xD800 | (point >> 10));
  out += static_cast<char16_t>(0xDC00 | (point & 0x3FF));
}

bool StartsWith(const std::string& bytes, const std::string& prefix) {
  return bytes.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

const char* EncodingName(TextEncoding encoding) {
  switch (encoding) {
  case TextEncoding::Utf8: return "UTF-8";
  case TextEncoding::Utf8Bom: return "UTF-8 with BOM";
  case TextEncoding::Utf16Le: return "UTF-16 LE";
  case TextEncoding::Utf16Be: return "UTF-16 BE";
  default: return "ANSI";
  }
}

std::string ByteOrderMark(TextEncoding encoding) {
  switch (encoding) {
  case TextEncoding::Utf8Bom: return "\xEF\xBB\xBF";
  case TextEncoding::Utf16Le: return "\xFF\xFE";
  case TextEncoding::Utf16Be: return "\xFE\xFF";
  default: return std::string();
  }
}

TextEncoding DetectEncoding(const std::string& bytes) {
  for (const TextEncoding marked : {TextEncoding::Utf8Bom, TextEncoding::Utf16Le, TextEncoding::Utf16Be})
    if (StartsWith(bytes, ByteOrderMark(marked))) return marked;
  bool nonAscii = false;
  return IsValidUtf8(bytes, 0, nonAscii) && nonAscii ? TextEncoding::Utf8 : TextEncoding::Ansi;
}

// ASCII bytes take the short path, so that a plain ASCII file costs one quick look at each byte.
bool IsValidUtf8(const std::string& bytes, std::size_t from, bool& nonAscii) {
  nonAscii = false;
  const std::size_t size = bytes.size();
  std::size_t at = from;
  while (at < size) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80) {
      ++at;
      continue;
    }
    char32_t point;
    const std::size_t length = DecodeUtf8(bytes, at, point);
    if (length == 0) return false;
    nonAscii = true;
    at += length;
  }
  return true;
}

std::u16string Utf16FromBytes(const std::string& bytes, std::size_t from, bool bigEndian, std::size_t& replaced) {
  std::u16string units;
  if (from >= bytes.size()) return units;
  const std::size_t count = (bytes.size() - from) / 2;
  units.reserve(count + 1);
  const int high = bigEndian ? 0 : 1;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = from + 2 * i;
    const auto first = static_cast<unsigned char>(bytes[at + high]);
    const auto second = static_cast<unsigned char>(bytes[at + 1 - high]);
    units += static_cast<char16_t>((first << 8) | second);
  }
  if ((bytes.size() - from) % 2 != 0) {
    units += static_cast<char16_t>(Replacement);
    ++replaced;
  }
  return units;
}

std::string BytesFromUtf16(const std::u16string& units, bool bigEndian) {
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (const char16_t unit : units) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

std::string Utf8FromUtf16(const std::u16string& units, std::size_t& replaced) {
  std::string text;
  text.reserve(units.size());
  const std::size_t size = units.size();
  for (std::size_t i = 0; i < size; ++i) {
    const char16_t unit = units[i];
    if (unit < 0xD800 || unit > 0xDFFF) {
      AppendUtf8(text, unit);
    } else if (unit <= 0xDBFF && i + 1 < size && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
      AppendUtf8(text, 0x10000 + ((static_cast<char32_t>(unit - 0xD800) << 10) | (units[i + 1] - 0xDC00)));
      ++i;
    } else {
      AppendUtf8(text, Replacement);
      ++replaced;
    }
  }
  return text;
}

std::u16string Utf16FromUtf8(const std::string& text, std::size_t& replaced) {
  std::u16string units;
  units.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    char32_t point;
    const std::size_t length = DecodeUtf8(text, at, point);
    if (length == 0) {
      AppendUtf16(units, Replacement);
      ++replaced;
      ++at;
    } else {
      AppendUtf16(units, point);
      at += length;
    }
  }
  return units;
}
