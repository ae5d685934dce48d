// The Alt-key mnemonics of the Tools menu's items and the check for duplicates among them.
#pragma once

#include <string>
#include <vector>

// The mnemonic of a menu text in upper case: the character behind the first "&" that is not
// part of a doubled "&&"; 0 when there is none or the "&" ends the text.
char MnemonicOf(const std::string& text);

struct MnemonicReport {
  bool Duplicate = false;  // shown with the warning icon; otherwise with the information icon
  std::string Message;
};

// The first duplicate among the tools' names in list order, or the message that there is
// none. The Tools menu always carries "&Edit Tools", so a tool marked E collides with it.
MnemonicReport CheckMnemonics(const std::vector<std::string>& names);
