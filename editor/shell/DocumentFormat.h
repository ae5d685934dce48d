// How a document's file is written: its encoding and its line breaks, both taken from the
// file when it is opened, so that saving gives back the file's own form.
#pragma once

#include "common/TextEncoding.h"

#include <cstddef>
#include <string>

struct DocumentFormat {
  TextEncoding encoding = TextEncoding::Ansi;
  int newLineType = 0;  // as the NewLineType setting: 0 CR LF, 1 CR, 2 LF
};

// A file's content as the editor holds it.
struct DecodedDocument {
  std::string text;  // LF line breaks; UTF-8 for a Unicode encoding, else the file's bytes
  DocumentFormat format;
  bool heldNulByte = false;       // the text ends at a NUL character; the file goes on behind it
  std::size_t replacedUnits = 0;  // broken UTF-16 shown as U+FFFD
};

// The style of the first line break; fallback for a text without one.
int DetectNewLineType(const std::string& text, int fallback);

// "CR LF", "CR" or "LF".
const char* NewLineTypeName(int newLineType);

// The file's bytes as a document. Whatever is not marked and not valid UTF-8 is ANSI and
// read as it always was: up to the first NUL byte, with every line break made an LF. A
// Unicode file is read the same way once it is UTF-8.
DecodedDocument DecodeDocument(std::string bytes, int defaultNewLineType);

// The file's bytes for the editor's LF text. Bytes of the text that are no valid UTF-8 can
// only be written to UTF-16 as U+FFFD; replaced counts them.
std::string EncodeDocument(std::string text, const DocumentFormat& format, std::size_t& replaced);
