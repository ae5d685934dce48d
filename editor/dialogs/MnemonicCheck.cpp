// Finds the mnemonic of a menu text and reports the first two items of the Tools menu sharing one.
#include "editor/dialogs/MnemonicCheck.h"

#include "common/Constants.h"

#include <cctype>

namespace {

constexpr char EditToolsItem[] = "&Edit Tools";
constexpr char NoDuplicates[] = "There are no duplicate mnemonics.";

constexpr char DuplicateFormat[] = "Duplicate mnemonic '%c' found in the following menu items:\n%s\n%s";

// The format's three fields filled in turn; a "%" in a tool's name stays as it is.
std::string Format(char mnemonic, const std::string& first, const std::string& second) {
  std::string text(DuplicateFormat);
  size_t at = 0;
  for (const std::string& value : {std::string(1, mnemonic), first, second}) {
    at = text.find('%', at);
    text.replace(at, 2, value);
    at += value.size();
  }
  return text;
}

std::string EditToolsCollision(const std::string& name) {
  std::string text = Format('E', name, EditToolsItem);
  text += std::string("\n\nNote that ") + ProductName + " adds the " + EditToolsItem +
          " menu item to the Tools menu automatically, and you cannot modify the mnemonic for the " + EditToolsItem +
          " menu item.";
  return text;
}

}  // namespace

char MnemonicOf(const std::string& text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&') {
      ++i;
      continue;
    }
    plain += text[i];
  }
  const size_t mark = plain.find('&');
  if (mark == std::string::npos || mark + 1 >= plain.size()) return 0;
  return static_cast<char>(std::toupper(static_cast<unsigned char>(plain[mark + 1])));
}

MnemonicReport CheckMnemonics(const std::vector<std::string>& names) {
  for (size_t i = 0; i < names.size(); ++i) {
    const char mnemonic = MnemonicOf(names[i]);
    if (!mnemonic) continue;
    if (mnemonic == 'E') return {true, EditToolsCollision(names[i])};
    for (size_t j = i + 1; j < names.size(); ++j)
      if (MnemonicOf(names[j]) == mnemonic)
        return {true, Format(mnemonic, names[i], names[j])};
  }
  return {false, NoDuplicates};
}
