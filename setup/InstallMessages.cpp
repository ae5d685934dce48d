// Message texts of the installer; each failure line ends with its own line feed so that the
// collected text lists one failure per line.
#include "setup/InstallMessages.h"

std::string CouldNotCreateDirectoryText(const std::string& folder) {
  return "Could not create directory '" + folder + "'.";
}

std::string CouldNotMoveText(const std::string& destination) {
  return "Could not move file from existing install to new location '" + destination + "'\n";
}

std::string CouldNotInstallText(const std::string& fileName) {
  return "Could not install file '" + fileName + "'\n";
}

std::string CouldNotWriteText(const std::string& path) {
  return "Could not write file '" + path + "'\n";
}

std::string InstallFinishedText(const std::string& errors) {
  if (errors.empty()) return "Installation completed successfully!";
  return "The following errors occurred during installation:\n\n" + errors;
}
