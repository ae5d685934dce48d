// Names of the token kinds and colour items.
#include "editor/syntax/TokenKind.h"

std::string ItemName(int index, bool forDisplay) {
  static const char* const Names[ColorItemCount] = {"PlainText", "Comment", "Keyword", "Symbol", "String",
                                                    "Background"};
  if (index < 0 || index >= ColorItemCount) return "";
  if (index == PlainText && forDisplay) return "Plain Text";
  return Names[index];
}
