// The built-in C++ definition: keywords, symbols, comments, preprocessor lines and literals.
#include "editor/syntax/CppLanguage.h"

#include "editor/syntax/LanguageElements.h"
#include "editor/syntax/TokenKind.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> CppKeywords() {
  return {"break",  "case",   "char",     "const",    "continue", "default", "do",      "double",
          "else",   "enum",   "extern",   "float",    "for",      "goto",    "if",      "int",
          "long",   "return", "short",    "signed",   "sizeof",   "static",  "struct",  "switch",
          "typedef", "union", "unsigned", "void",     "volatile", "while",   "class",   "public",
          "private", "protected", "virtual", "new",   "delete",   "bool",    "true",    "false"};
}

std::vector<std::string> CppSymbols() {
  return {"(",  ")",  "~",  "!",  "%",  "^",  "&",  "|",  "*", "-", "=", "+", "/", "?",
          ":",  "==", "+=", "-=", "*=", "/=", "&=", "|=", "!=", "||", "&&", "++", "--", "::",
          ".",  ",",  ";",  "{",  "}",  "[",  "]",  "<",  ">",  "<=", ">=", "<<", ">>"};
}

}  // namespace

RefPtr<LanguageDef> MakeCppLanguage(const std::string& folder) {
  RefPtr<LanguageDef> cpp(new LanguageDef);
  cpp->Name = "C++";
  cpp->Folder = folder;
  cpp->Extensions = {"h", "c", "cpp"};
  cpp->MatchCase = true;
  cpp->AddElement(new WordsElement(Keyword, WholeWord, CppKeywords()));
  cpp->AddElement(new WordsElement(Symbol, 0, CppSymbols()));
  cpp->AddElement(new RestOfLineElement(Comment, 0, "//"));
  cpp->AddElement(new RestOfLineElement(Keyword, 0, "#"));
  cpp->AddElement(new RangeElement(String, 0, "\"", "\"", "\\"));
  cpp->AddElement(new RangeElement(String, 0, "'", "'", "\\"));
  cpp->AddElement(new RangeElement(Comment, SpanLines, "/*", "*/", ""));
  return cpp;
}
