// The ANSI code page through the platform's own conversions.
#include "editor/shell/win32/AnsiCodePage.h"

#include "common/TextEncoding.h"
#include "common/win32/CodePage.h"
#include "common/win32/WinApi.h"

#include <cstdio>

namespace {

constexpr int ShownExamples = 5;

std::wstring Wide(const std::u16string& units) {
  return std::wstring(units.begin(), units.end());
}

bool FitsCodePage(const wchar_t* character, int length) {
  BOOL usedDefault = FALSE;
  char bytes[8];
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, character, length, bytes, sizeof bytes, nullptr, &usedDefault);
  return !usedDefault;
}

// Only a conversion that lost something looks at each character, to say which ones.
void NameLostCharacters(const std::wstring& wide, AnsiConversion& conversion) {
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size();
    const int length = pair ? 2 : 1;
    if (!FitsCodePage(&wide[i], length)) {
      if (++conversion.lostCount <= ShownExamples) {
        const char32_t point =
            pair ? 0x10000 + ((static_cast<char32_t>(wide[i] - 0xD800) << 10) | (wide[i + 1] - 0xDC00)) : wide[i];
        char name[16];
        std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(point));
        conversion.lostExamples += (conversion.lostExamples.empty() ? "" : " ") + std::string(name);
      }
    }
    i += static_cast<std::size_t>(length - 1);
  }
}

}  // namespace

std::string Utf8FromAnsi(const std::string& ansi) {
  if (ansi.empty()) return ansi;
  const std::wstring wide = WideFromAnsi(ansi);
  std::size_t replaced = 0;
  return Utf8FromUtf16(std::u16string(wide.begin(), wide.end()), replaced);
}

AnsiConversion AnsiFromUtf8(const std::string& utf8) {
  AnsiConversion conversion;
  if (utf8.empty()) return conversion;
  std::size_t replaced = 0;
  const std::wstring wide = Wide(Utf16FromUtf8(utf8, replaced));
  const int size = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  conversion.text.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &usedDefault)));
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, &conversion.text[0],
                      static_cast<int>(conversion.text.size()), nullptr, &usedDefault);
  if (usedDefault) NameLostCharacters(wide, conversion);
  return conversion;
}
