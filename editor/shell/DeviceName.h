// Whether a path names one of the devices that Windows reserves in every folder.
#pragma once

#include <string>

// True for CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9 as the path's last component,
// in any letter case, also with an extension ("nul.txt"), a folder or drive in front
// ("C:\x\nul.txt"), trailing blanks or a colon ("CON:"): Windows opens the device for each
// of them instead of a file.
bool IsDeviceName(const std::string& path);
