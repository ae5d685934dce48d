// The preview text of the Colors page: a comment, keywords, symbols and strings.
#include "editor/syntax/ColorsPreviewText.h"

const std::string& ColorsPreviewText() {
  static const std::string text =
      "// This is a preview of your currently selected colors.\n"
      "\n"
      "// Converts a LF, CR, or CRLF string to a LF string.\n"
      "void ConvertAnyToLF(LPTSTR dest, LPCTSTR src) {\n"
      "\twhile (true) {\n"
      "\t\tif (*src == '\\r' && src[1] != '\\n')//found just CR\n"
      "\t\t\t*dest = '\\n';\n"
      "\t\telse {\n"
      "\t\t\tif (*src == '\\r')//found CRLF, so skip the CR\n"
      "\t\t\t\t++src;\n"
      "\n"
      "\t\t\tATLASSERT(*src != '\\r');//should never happen\n"
      "\n"
      "\t\t\t*dest = *src;\n"
      "\n"
      "\t\t\tif (*dest == NULL)\n"
      "\t\t\t\tbreak;\n"
      "\t\t}\n"
      "\n"
      "\t\t++dest;\n"
      "\t\t++src;\n"
      "\t}\n"
      "}";
  return text;
}
