// What the command line asks of the editor: the file to open, the line to show, the help box.
#pragma once

#include <string>
#include <vector>

struct CommandLineOptions {
  std::string fileName;       // the first argument that is not a flag; empty if none
  bool awaitingLine = false;  // "GL" came, so the next non-flag argument is the line
  int gotoLine = 0;           // 1-based line to show after opening; 0 = none
  bool showHelp = false;      // "?" or "HELP"
};

// Arguments as the platform split them, without the program's own name. A flag starts with
// "-" or "/" and is compared without it and without case; flags the editor does not know
// are ignored.
CommandLineOptions ParseCommandLine(const std::vector<std::string>& arguments);

// A leading decimal integer: optional blanks and sign, then digits; 0 when there are none.
// Values beyond the range of int are held at its limits.
int LeadingDecimal(const std::string& text);

// The usage text of the help box.
std::string CommandLineHelpText();
