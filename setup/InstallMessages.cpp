// Message texts of the installer; each failure line ends with its own line feed so that the
// collected text lists one failure per line.
#include "setup/InstallMessages.h"

#include "common/StringList.h"

namespace {

const char NoShortcutsText[] = "No shortcuts were made, as the program files could not all be installed.";

}  // namespace

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

std::string LoggedLeftoversText(const std::string& logPath) {
  return std::string(NoShortcutsText) + " The files that were installed are listed in '" + logPath +
         "'; Uninstall.exe or Purgerun.exe in that folder removes them.";
}

std::string UnloggedLeftoversText(const std::vector<std::string>& left) {
  return std::string(NoShortcutsText) + " Uninstall.log could not be written either, so these files and folders " +
         "are left for you to remove:\n" + JoinText(left, "\n");
}
