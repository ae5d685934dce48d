// Letter case as Windows maps it for the user's ANSI code page.
#pragma once

#include "editor/shell/CaseConversion.h"

class WindowsCaseMapping : public CaseMapping {
public:
  void ToLower(std::string& text) const override;
  void ToUpper(std::string& text) const override;
  bool IsLetter(unsigned char c) const override;
  bool IsUpper(unsigned char c) const override;
};
