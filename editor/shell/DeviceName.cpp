// The reserved device names of Windows, decided on the name alone, so that the editor never
// opens a device (and waits on a console or a serial port) to learn that it is not a file.
#include "editor/shell/DeviceName.h"

#include <cctype>

namespace {

// The last component without a drive ("C:nul" is NUL in the drive's current folder).
std::string LastComponent(const std::string& path) {
  std::string name = path.substr(path.find_last_of("\\/") + 1);
  if (name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]))) name.erase(0, 2);
  return name;
}

// The name up to its extension or a colon, without the blanks before them, in capitals.
std::string BaseName(const std::string& name) {
  std::string base = name.substr(0, name.find_first_of(".:"));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return base;
}

bool IsNumberedPort(const std::string& base) {
  return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) && base[3] >= '1' &&
         base[3] <= '9';
}

}  // namespace

bool IsDeviceName(const std::string& path) {
  const std::string base = BaseName(LastComponent(path));
  return base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || IsNumberedPort(base);
}
