// Parsing the command line into CommandLineOptions, and the usage text that explains it.
#include "editor/shell/CommandLineOptions.h"

#include <cctype>
#include <climits>

namespace {

bool IsFlag(const std::string& argument) {
  return !argument.empty() && (argument[0] == '-' || argument[0] == '/');
}

// The flag's name without its prefix, in capitals.
std::string FlagName(const std::string& argument) {
  std::string name = argument.substr(1);
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

void TakeFlag(const std::string& name, CommandLineOptions& options) {
  if (options.awaitingLine) return;
  if (name == "?" || name == "HELP") options.showHelp = true;
  if (name == "GL") options.awaitingLine = true;
}

void TakeArgument(const std::string& argument, CommandLineOptions& options) {
  if (options.awaitingLine) {
    options.gotoLine = LeadingDecimal(argument);
    options.awaitingLine = false;
  } else if (options.fileName.empty()) {
    options.fileName = argument;
  }
}

}  // namespace

CommandLineOptions ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLineOptions options;
  for (const std::string& argument : arguments) {
    if (IsFlag(argument))
      TakeFlag(FlagName(argument), options);
    else
      TakeArgument(argument, options);
  }
  return options;
}

int LeadingDecimal(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::string CommandLineHelpText() {
  return "Quilvane command line usage:\n"
         "    Quilvane [<file name>] [-GL <line number>]\n"
         "\n"
         "Explanation of flags:\n"
         "    -GL\t Go to the specified line number\n"
         "\n"
         "Examples:\n"
         "    Quilvane MyApplication.cpp\n"
         "    Quilvane C:\\Dev\\Source\\MyApplication.cpp\n"
         "    Quilvane MyApplication.cpp -GL 27";
}
