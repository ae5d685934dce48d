// Letter case in a UTF-8 document, where the ANSI code page's case tables would take the
// bytes of a multi-byte character for letters of their own and change them.
#pragma once

#include "editor/shell/CaseConversion.h"

// Only the ASCII letters change case. Every byte of a multi-byte character counts as a
// letter without case: the character stays byte for byte as it is and never ends a word,
// so title case of "grüße" gives "Grüße", not "GrüßE".
class Utf8CaseMapping : public CaseMapping {
public:
  void ToLower(std::string& text) const override;
  void ToUpper(std::string& text) const override;
  bool IsLetter(unsigned char c) const override;
  bool IsUpper(unsigned char c) const override;
};
