// The Goto Line dialog's field: a leading decimal number, and the message when there is none.
#pragma once

#include <string>

// The 1-based line the field asks for. False when the field holds no number (its value is 0
// but it is not exactly "0"). The number is not checked against the text's line count.
bool ParseGotoLine(const std::string& field, int& number);

std::string InvalidLineNumberMessage(const std::string& field);
