// Letter case through the user32 character functions of the ANSI code page.
#include "editor/shell/win32/WindowsCaseMapping.h"

#include "common/win32/WinApi.h"

void WindowsCaseMapping::ToLower(std::string& text) const {
  if (!text.empty()) CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
}

void WindowsCaseMapping::ToUpper(std::string& text) const {
  if (!text.empty()) CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
}

bool WindowsCaseMapping::IsLetter(unsigned char c) const {
  return IsCharAlphaA(static_cast<CHAR>(c)) != FALSE;
}

bool WindowsCaseMapping::IsUpper(unsigned char c) const {
  return IsCharUpperA(static_cast<CHAR>(c)) != FALSE;
}
