// Reads Setup's options for an installation without the dialog.
#include "setup/SetupOptions.h"

#include <cctype>

namespace {

std::string Upper(const std::string& word) {
  std::string upper;
  for (char c : word) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// "/D=" and the words behind it, which the runtime split at the folder's spaces.
std::string FolderArgument(const std::vector<std::string>& arguments, std::size_t first) {
  std::string folder = arguments[first].substr(3);
  for (std::size_t i = first + 1; i < arguments.size(); ++i) folder += ' ' + arguments[i];
  return folder;
}

}  // namespace

SetupOptions ParseSetupOptions(const std::vector<std::string>& arguments) {
  SetupOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string word = Upper(arguments[i]);
    if (word == "/S") {
      options.Silent = true;
    } else if (word == "/NODESKTOP") {
      options.Desktop = false;
    } else if (word == "/NOSENDTO") {
      options.SendTo = false;
    } else if (word.compare(0, 3, "/D=") == 0) {
      options.Folder = FolderArgument(arguments, i);
      if (options.Folder.empty()) options.Error = std::string("The option /D= names no folder.\n") + SetupUsage;
      break;
    } else {
      options.Error = "Unknown option '" + arguments[i] + "'.\n" + SetupUsage;
      break;
    }
  }
  return options;
}
