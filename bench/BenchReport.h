// The benchmark's table rows: a figure, its value, ratios, its budget and PASS or OVER.
#pragma once

#include <cstdio>
#include <string>

inline std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

inline const char* Mark(bool pass) { return pass ? "PASS" : "OVER"; }

inline void PrintRow(const std::string& figure, const std::string& value, const std::string& ratio,
                     const std::string& budget, const char* mark) {
  std::printf("%-28s %14s  %-44s %-30s %s\n", figure.c_str(), value.c_str(), ratio.c_str(), budget.c_str(), mark);
  std::fflush(stdout);
}
