// Reading the Goto Line field the way the command line reads its line number.
#include "editor/shell/GotoLine.h"

#include "editor/shell/CommandLineOptions.h"

bool ParseGotoLine(const std::string& field, int& number) {
  number = LeadingDecimal(field);
  return number != 0 || field == "0";
}

std::string InvalidLineNumberMessage(const std::string& field) {
  return "'" + field + "' is not a valid line number.";
}
