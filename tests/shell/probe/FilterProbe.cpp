// A console program for the tools' tests: a filter that sorts or upper-cases its input, one
// that fails on its error output, and a program that notes how it was started.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Every line ends with a line break in the output, as line-oriented programs write them.
int SortLines() {
  std::vector<std::string> lines;
  for (std::string line; std::getline(std::cin, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  for (const std::string& line : lines) std::cout << line << '\n';
  return 0;
}

int UpperCase() {
  std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::cout << text;
  return 0;
}

int Fail() {
  std::cout << "partial output\n";
  std::cerr << "probe: cannot filter\nsecond line\n";
  return 2;
}

// args FILE ARGUMENT...: the arguments one per line, then the current folder.
int NoteArguments(int count, char** arguments) {
  if (count < 3) return 1;
  std::ofstream out(arguments[2], std::ios::binary);
  for (int i = 3; i < count; ++i) out << arguments[i] << '\n';
  out << "cwd=" << std::filesystem::current_path().string() << '\n';
  return 0;
}

}  // namespace

int main(int count, char** arguments) {
  const std::string mode = count > 1 ? arguments[1] : "";
  if (mode == "sort") return SortLines();
  if (mode == "upper") return UpperCase();
  if (mode == "fail") return Fail();
  if (mode == "args") return NoteArguments(count, arguments);
  std::cerr << "usage: FilterProbe sort|upper|fail|args FILE ARGUMENT...\n";
  return 1;
}
