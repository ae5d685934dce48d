// The platform's message text for a system error code.
#include "common/win32/SystemErrorText.h"

#include <cstring>

#include "common/win32/WinApi.h"

std::string SystemErrorText(unsigned long code) {
  char buffer[1024];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                buffer, sizeof buffer, nullptr);
  while (length > 0 && std::strchr(" \t\r\n", buffer[length - 1])) --length;
  return std::string(buffer, length);
}
