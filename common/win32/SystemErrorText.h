// The platform's message text for a system error code.
#pragma once

#include <string>

// The system's message for code (GetLastError values) in the default language, at most
// 1023 characters, without the line break the platform puts at its end so that it fits
// into a message line; empty when the system has no text for code.
std::string SystemErrorText(unsigned long code);
