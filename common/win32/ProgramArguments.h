// The running program's command line and its standard output, for the programs that can run
// without any window.
#pragma once

#include <string>
#include <vector>

// The arguments as the C runtime split them by the platform's rules, without the program.
std::vector<std::string> ProgramArguments();
// One argument quoted for a command line when it holds blanks or nothing.
std::string QuotedArgument(const std::string& argument);
// Writes text to the standard output the program was given, else to the console of the
// program that started it; silently nowhere when there is neither.
void WriteStandardOutput(const std::string& text);
