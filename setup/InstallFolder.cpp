// Installation folder texts: the trailing backslash and the product's sub-folder.
#include "setup/InstallFolder.h"

#include "common/Constants.h"
#include "common/Paths.h"

std::string WithTrailingBackslash(const std::string& folder) {
  if (!folder.empty() && folder.back() == '\\') return folder;
  return folder + '\\';
}

std::string BrowsedInstallFolder(const std::string& picked) {
  std::string folder = picked;
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  const std::string product = ProductName;
  const bool endsWithProduct = folder.size() >= product.size() &&
                               folder.compare(folder.size() - product.size(), product.size(), product) == 0;
  return endsWithProduct ? folder : JoinPath(folder, product);
}
