// Command-line arguments and standard output of a windowed program.
#include "common/win32/ProgramArguments.h"

#include <cstdlib>

#include "common/win32/WinApi.h"

namespace {

// A windowed program gets no console of its own; started from one, it may write to it.
HANDLE OutputHandle() {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (output != nullptr && output != INVALID_HANDLE_VALUE) return output;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return nullptr;
  output = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
  return output == INVALID_HANDLE_VALUE ? nullptr : output;
}

}  // namespace

std::vector<std::string> ProgramArguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
  return arguments;
}

std::string QuotedArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  return '"' + argument + '"';
}

void WriteStandardOutput(const std::string& text) {
  HANDLE output = OutputHandle();
  if (output == nullptr) return;
  DWORD written = 0;
  WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
