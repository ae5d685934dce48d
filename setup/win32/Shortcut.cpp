// Creates shortcuts with IShellLinkA and saves them through IPersistFile.
#include "setup/win32/Shortcut.h"

#include "common/Paths.h"
#include "common/win32/WinApi.h"

namespace {

// The link's path for IPersistFile, which takes UTF-16.
bool WidePath(const std::string& path, WCHAR (&wide)[MAX_PATH]) {
  return MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) > 0;
}

bool SaveLink(IShellLinkA* link, const std::string& path) {
  IPersistFile* file = nullptr;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) return false;
  WCHAR wide[MAX_PATH];
  const bool saved = WidePath(path, wide) && SUCCEEDED(file->Save(wide, TRUE));
  file->Release();
  return saved;
}

}  // namespace

bool CreateShortcut(const std::string& link, const std::string& target, const std::string& description) {
  IShellLinkA* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&shellLink)))) {
    return false;
  }
  shellLink->SetPath(target.c_str());
  shellLink->SetDescription(description.c_str());
  shellLink->SetWorkingDirectory(DirectoryOf(target).c_str());
  const bool saved = SaveLink(shellLink, link);
  shellLink->Release();
  return saved;
}
