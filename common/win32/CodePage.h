// Text between the system's ANSI code page and UTF-16, as the A and W functions convert it.
#pragma once

#include <string>

std::wstring WideFromAnsi(const std::string& text);
// Characters the code page lacks become its default character (or a best fit), as an A
// function would give them.
std::string AnsiFromWide(const std::wstring& text);
