// The C++ text that the Colors page colours as its preview.
#pragma once

#include <string>

// Lines separated by LF, none after the last.
const std::string& ColorsPreviewText();
