// The guard against CR and NUL in text that callers hand to SetText and ReplaceText.
#include "editor/view/CallerTextCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool IsBadByte(char c) { return c == '\r' || c == '\0'; }

// Two memchr passes: a whole document goes through here on every load, and a byte loop
// would cost more than finding its lines.
bool HasBadByte(const std::string& text) {
  return std::memchr(text.data(), '\r', text.size()) || std::memchr(text.data(), '\0', text.size());
}

}  // namespace

std::string NormalizedCallerText(std::string text, bool& hadBadBytes) {
  auto bad = std::remove_if(text.begin(), text.end(), IsBadByte);
  hadBadBytes = bad != text.end();
  text.erase(bad, text.end());
  return text;
}

void ReportBadCallerText(const std::string& text) {
  auto first = std::find_if(text.begin(), text.end(), IsBadByte);
  std::fprintf(stderr, "TextView: caller text holds %s at offset %ld of %lu; line ends must be LF only\n",
               first != text.end() && *first == '\r' ? "CR" : "NUL", static_cast<long>(first - text.begin()),
               static_cast<unsigned long>(text.size()));
  std::fflush(stderr);
  std::abort();
}

void CheckCallerText(std::string& text) {
  if (!HasBadByte(text)) return;
#ifndef NDEBUG
  ReportBadCallerText(text);
#else
  bool hadBadBytes = false;
  text = NormalizedCallerText(std::move(text), hadBadBytes);
#endif
}
