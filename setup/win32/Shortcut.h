// Shell links (.lnk files) made through the shell's link object.
#pragma once

#include <string>

// Saves a shortcut at link that starts target in target's folder. False when the link object
// cannot be made or saved. COM must be initialised on the calling thread.
bool CreateShortcut(const std::string& link, const std::string& target, const std::string& description);
