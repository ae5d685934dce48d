// Reads Purgerun's options.
#include "uninstall/PurgerunOptions.h"

#include <cctype>

namespace {

std::string Upper(const std::string& word) {
  std::string upper;
  for (char c : word) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

bool ReadNumber(const std::string& digits, std::uint64_t& value) {
  if (digits.empty() || digits.size() > 19) return false;
  value = 0;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return true;
}

}  // namespace

PurgerunOptions ParsePurgerunOptions(const std::vector<std::string>& arguments) {
  PurgerunOptions options;
  for (const std::string& argument : arguments) {
    const std::string word = Upper(argument);
    if (word == "/S") {
      options.Silent = true;
      continue;
    }
    if (word.compare(0, 9, "/WAITFOR=") == 0 && ReadNumber(word.substr(9), options.WaitFor)) continue;
    if (word.compare(0, 12, "/INSTALLDIR=") == 0 && word.size() > 12) {
      options.InstallDir = argument.substr(12);
      continue;
    }
    options.Error = "Unknown option '" + argument + "'.\nUsage: Purgerun.exe [/S]";
    break;
  }
  return options;
}
