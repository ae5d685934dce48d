// ASCII case folding that leaves multi-byte UTF-8 characters alone.
#include "editor/shell/Utf8CaseMapping.h"

namespace {

bool IsAsciiLower(unsigned char c) { return c >= 'a' && c <= 'z'; }
bool IsAsciiUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
constexpr char CaseBit = 'a' - 'A';

}  // namespace

void Utf8CaseMapping::ToLower(std::string& text) const {
  for (char& c : text) {
    if (IsAsciiUpper(static_cast<unsigned char>(c))) c = static_cast<char>(c + CaseBit);
  }
}

void Utf8CaseMapping::ToUpper(std::string& text) const {
  for (char& c : text) {
    if (IsAsciiLower(static_cast<unsigned char>(c))) c = static_cast<char>(c - CaseBit);
  }
}

bool Utf8CaseMapping::IsLetter(unsigned char c) const {
  return IsAsciiLower(c) || IsAsciiUpper(c) || c >= 0x80;
}

bool Utf8CaseMapping::IsUpper(unsigned char c) const {
  return IsAsciiUpper(c);
}
