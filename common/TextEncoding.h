// The encodings a text file can have and the conversions between UTF-8 and UTF-16. The
// editor holds a Unicode document as UTF-8 and an ANSI one as the file's own bytes.
#pragma once

#include <cstddef>
#include <string>

enum class TextEncoding { Ansi, Utf8, Utf8Bom, Utf16Le, Utf16Be };

// The name the status bar and the Save As dialog show: "ANSI", "UTF-8", "UTF-8 with BOM",
// "UTF-16 LE", "UTF-16 BE".
const char* EncodingName(TextEncoding encoding);

// The byte-order mark a file of this encoding starts with; empty for ANSI and plain UTF-8.
std::string ByteOrderMark(TextEncoding encoding);

// A byte-order mark at the start names the encoding; without one, text that is valid UTF-8
// and holds at least one multi-byte sequence is UTF-8; anything else (plain ASCII too) is
// ANSI, read as it always was.
TextEncoding DetectEncoding(const std::string& bytes);

// Whether the bytes from "from" on are valid UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF); nonAscii learns whether a multi-byte sequence was seen.
bool IsValidUtf8(const std::string& bytes, std::size_t from, bool& nonAscii);

// UTF-16 code units from bytes (from "from" on) in the given byte order. An odd last byte
// becomes U+FFFD and counts in replaced.
std::u16string Utf16FromBytes(const std::string& bytes, std::size_t from, bool bigEndian, std::size_t& replaced);
std::string BytesFromUtf16(const std::u16string& units, bool bigEndian);

// Each unpaired surrogate becomes U+FFFD and counts in replaced.
std::string Utf8FromUtf16(const std::u16string& units, std::size_t& replaced);
// Each byte that does not belong to a valid sequence becomes U+FFFD and counts in replaced.
std::u16string Utf16FromUtf8(const std::string& text, std::size_t& replaced);
