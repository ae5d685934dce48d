// The language files shipped in languages/: they load, cover their extensions, save back unchanged and colour samples.
#include "common/SettingsFile.h"
#include "editor/syntax/ColourLine.h"
#include "editor/syntax/LanguageDef.h"
#include "editor/syntax/LanguageElements.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// The shipped files, in name order.
std::vector<std::filesystem::path> LanguageFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(QUILVANE_LANGUAGES_DIR))
    if (entry.path().extension() == ".lang") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

RefPtr<LanguageDef> Load(const std::filesystem::path& path) {
  RefPtr<LanguageDef> language(new LanguageDef);
  SettingsFile file(path.string(), true);
  language->Exchange(file);
  return language;
}

// The shipped definitions by file title, loaded once for all tests.
const std::map<std::string, RefPtr<LanguageDef>>& Shipped() {
  static const std::map<std::string, RefPtr<LanguageDef>> languages = [] {
    std::map<std::string, RefPtr<LanguageDef>> loaded;
    for (const auto& path : LanguageFiles()) loaded[path.stem().string()] = Load(path);
    return loaded;
  }();
  return languages;
}

// The title of the file a definition came from, whatever separator its name was cut at.
std::string TitleOf(const LanguageDef& language) {
  return std::filesystem::path(language.Name).filename().string();
}

TEST(ShippedLanguages, EveryFileLoadsAndSavesBackByteForByte) {
  ScratchFolder scratch;
  const auto files = LanguageFiles();
  ASSERT_GE(files.size(), 17u);
  for (const auto& path : files) {
    SCOPED_TRACE(path.filename().string());
    RefPtr<LanguageDef> language = Load(path);
    {
      SettingsFile file(scratch.Path("saved.lang"), false);
      language->Exchange(file);
    }
    EXPECT_EQ(scratch.ReadBytes("saved.lang"), ReadBytes(path));
  }
}

TEST(ShippedLanguages, EachExtensionFindsItsLanguage) {
  const std::map<std::string, std::string> expected = {
      {"c", "C"},          {"cpp", "C++"},      {"cc", "C++"},       {"cxx", "C++"},     {"h", "C++"},
      {"hpp", "C++"},      {"cs", "C#"},        {"java", "Java"},    {"js", "JavaScript"},
      {"mjs", "JavaScript"}, {"cjs", "JavaScript"}, {"jsx", "JavaScript"}, {"ts", "JavaScript"},
      {"tsx", "JavaScript"}, {"py", "Python"},  {"pyw", "Python"},   {"htm", "HTML"},    {"html", "HTML"},
      {"xhtml", "HTML"},   {"xml", "XML"},      {"svg", "XML"},      {"xsl", "XML"},     {"css", "CSS"},
      {"sql", "SQL"},      {"pas", "Pascal"},   {"pp", "Pascal"},    {"dpr", "Pascal"},  {"lpr", "Pascal"},
      {"inc", "Pascal"},   {"bat", "Batch"},    {"cmd", "Batch"},    {"ini", "INI"},     {"inf", "INI"},
      {"cfg", "INI"},      {"mak", "Makefile"}, {"mk", "Makefile"},  {"", "Makefile"},  {"php", "PHP"},     {"sh", "Shell"},
      {"bash", "Shell"},   {"txt", "Plain Text"}};
  LanguageList list;
  for (const auto& entry : Shipped()) list.Languages.push_back(entry.second);
  for (const auto& [extension, title] : expected) {
    const LanguageDef* found = list.FindByExtension(extension);
    ASSERT_NE(found, nullptr) << extension;
    EXPECT_EQ(TitleOf(*found), title) << extension;
  }
}

TEST(ShippedLanguages, NoExtensionIsClaimedTwice) {
  std::map<std::string, std::string> owner;
  for (const auto& [title, language] : Shipped())
    for (std::string extension : language->Extensions) {
      std::transform(extension.begin(), extension.end(), extension.begin(),
                     [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
      const auto [at, added] = owner.emplace(extension, title);
      EXPECT_TRUE(added) << extension << " in " << title << " and " << at->second;
    }
}

bool IsIdentifier(const std::string& text) {
  if (text.empty() || !(std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_')) return false;
  return std::all_of(text.begin(), text.end(),
                     [](unsigned char c) { return std::isalnum(c) || c == '_'; });
}

// Only characters that the tokenizer keeps in one run of other characters can ever be found.
bool IsFindableMarker(const std::string& text) {
  return !text.empty() && std::none_of(text.begin(), text.end(), [](unsigned char c) {
    return std::isalpha(c) || c == '_' || std::isspace(c);
  });
}

std::string LookupKey(std::string text, bool matchCase) {
  if (!matchCase)
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// A string registered twice would leave one of its elements unreachable.
TEST(ShippedLanguages, EveryRegisteredStringCanBeFoundAndIsRegisteredOnce) {
  for (const auto& [title, language] : Shipped()) {
    std::set<std::string> words, markers;
    for (const auto& element : language->Elements) {
      const bool wholeWord = (element->Options & WholeWord) != 0;
      for (int i = 0; i < element->StringCount(); ++i) {
        const std::string text = element->StringAt(i);
        SCOPED_TRACE(title + ": \"" + text + "\"");
        EXPECT_TRUE(wholeWord ? IsIdentifier(text) : IsFindableMarker(text));
        const bool added = wholeWord ? words.insert(LookupKey(text, language->MatchCase)).second
                                     : markers.insert(text).second;
        EXPECT_TRUE(added);
      }
      if (const auto* range = dynamic_cast<const RangeElement*>(element.Get())) {
        EXPECT_FALSE(range->EndMarker.empty()) << title;
      }
    }
  }
}

struct Expected {
  int Line;
  std::string Text;
  int Kind;
};

struct Sample {
  std::string Language;
  std::vector<std::string> Lines;
  std::vector<Expected> Tokens;
};

const std::vector<Sample>& Samples() {
  static const std::vector<Sample> samples = {
      {"C",
       {"#include <stdio.h>", "int main(void) { // entry", "  return x != 'a' ? \"q\\\"s\" : 0; /* two",
        "lines */ exit(0);"},
       {{0, "#include <stdio.h>", Keyword}, {1, "int", Keyword}, {1, "main", PlainText}, {1, "(", Symbol},
        {1, "// entry", Comment}, {2, "!=", Symbol}, {2, "'a'", String}, {2, "\"q\\\"s\"", String},
        {2, "/* two", Comment}, {3, "lines */", Comment}, {3, "exit", PlainText}, {3, ";", Symbol}}},
      {"C++",
       {"class A : public B {", "  std::string s = \"a\\\\\"; // c", "#define X 1", "/* a", "b */ int n;"},
       {{0, "class", Keyword}, {0, "public", Keyword}, {1, "::", Symbol}, {1, "\"a\\\\\"", String},
        {1, "// c", Comment}, {2, "#define X 1", Keyword}, {3, "/* a", Comment}, {4, "b */", Comment},
        {4, "int", Keyword}}},
      {"C#",
       {"using System; // u", "var p = @\"C:\\dir\\\";", "#region R", "char c = '\\'';", "/* a", "b */"},
       {{0, "using", Keyword}, {0, ";", Symbol}, {0, "// u", Comment}, {1, "var", Keyword},
        {1, "@\"C:\\dir\\\"", String}, {2, "#region R", Keyword}, {3, "'\\''", String}, {5, "b */", Comment}}},
      {"Java",
       {"public class T { // j", "  String s = \"x\";", "/* a", "b */ return;", "@Override"},
       {{0, "public", Keyword}, {0, "{", Symbol}, {0, "// j", Comment}, {1, "String", PlainText},
        {1, "\"x\"", String}, {3, "b */", Comment}, {3, "return", Keyword}, {4, "@", Symbol}}},
      {"JavaScript",
       {"const f = (a) => a ?? 'b'; // c", "interface P { n: number }", "let t = `x", "y`;", "/* a", "b */"},
       {{0, "const", Keyword}, {0, "=>", Symbol}, {0, "??", Symbol}, {0, "'b'", String}, {0, "// c", Comment},
        {1, "interface", Keyword}, {1, "number", Keyword}, {2, "`x", String}, {3, "y`", String},
        {5, "b */", Comment}}},
      {"Python",
       {"def f(x): # d", "    return x // 2", "s = '''doc", "more'''", "t = \"a\\\"b\""},
       {{0, "def", Keyword}, {0, "(", Symbol}, {0, "# d", Comment}, {1, "return", Keyword}, {1, "//", Symbol},
        {2, "'''doc", String}, {3, "more'''", String}, {4, "\"a\\\"b\"", String}}},
      {"HTML",
       {"<!DOCTYPE html>", "<a href=\"x.htm\">Text</a>", "<!-- note", "end -->"},
       {{0, "<!", Symbol}, {0, "DOCTYPE", Keyword}, {0, ">", Symbol}, {1, "href", Keyword},
        {1, "\"x.htm\"", String}, {1, "</", Symbol}, {2, "<!-- note", Comment}, {3, "end -->", Comment}}},
      {"XML",
       {"<?xml version=\"1.0\"?>", "<item id='7'>", "<![CDATA[x]]>", "<!-- c", "d -->"},
       {{0, "<?xml version=\"1.0\"?>", Keyword}, {1, "<", Symbol}, {1, "'7'", String},
        {2, "<![CDATA[x]]>", String}, {4, "d -->", Comment}}},
      {"CSS",
       {"body { color: red; } /* c", "d */ .a { margin: 0 !important; }", "a::before { content: \"\\\"\" }"},
       {{0, "color", Keyword}, {0, "{", Symbol}, {0, "/* c", Comment}, {1, "d */", Comment},
        {1, "important", Keyword}, {1, "!", Symbol}, {2, "\"\\\"\"", String}}},
      {"SQL",
       {"SELECT name FROM t WHERE x = 'it''s' -- q", "/* a", "b */ select 1;"},
       {{0, "SELECT", Keyword}, {0, "WHERE", Keyword}, {0, "=", Symbol}, {0, "'it''s'", String},
        {0, "-- q", Comment}, {2, "b */", Comment}, {2, "select", Keyword}}},
      {"Pascal",
       {"program P; { c", "d } BEGIN", "  s := 'don''t'; // e", "{$MODE delphi} (* x *) end."},
       {{0, "program", Keyword}, {0, "{ c", Comment}, {1, "d }", Comment}, {1, "BEGIN", Keyword},
        {2, ":=", Symbol}, {2, "'don''t'", String}, {2, "// e", Comment}, {3, "{$MODE delphi}", Keyword},
        {3, "(* x *)", Comment}, {3, "end", Keyword}}},
      {"Batch",
       {"@echo off", "REM note", ":: other", "set \"x=a b\"", "if exist %f% goto end"},
       {{0, "@", Symbol}, {0, "echo", Keyword}, {0, "off", Keyword}, {1, "REM note", Comment},
        {2, ":: other", Comment}, {3, "\"x=a b\"", String}, {4, "exist", Keyword}, {4, "%", Symbol}}},
      {"INI",
       {"[Section]", "; comment", "name = \"quoted\"", "# hash"},
       {{0, "[Section]", Keyword}, {1, "; comment", Comment}, {2, "name", PlainText}, {2, "=", Symbol},
        {2, "\"quoted\"", String}, {3, "# hash", Comment}}},
      {"Makefile",
       {".PHONY: all", "CC := gcc # c", "ifeq ($(CC),gcc)", "\t@echo \"built $@\""},
       {{0, "PHONY", Keyword}, {0, ":", Symbol}, {1, ":=", Symbol}, {1, "# c", Comment}, {2, "ifeq", Keyword},
        {2, "$", Symbol}, {3, "\"built $@\"", String}}},
      {"PHP",
       {"<?php echo \"a\\\"b\"; // c", "$x = 'y'; # h", "/* a", "b */ FUNCTION f() {}"},
       {{0, "<?", Symbol}, {0, "php", Keyword}, {0, "echo", Keyword}, {0, "\"a\\\"b\"", String},
        {0, "// c", Comment}, {1, "$", Symbol}, {1, "'y'", String}, {1, "# h", Comment}, {3, "b */", Comment},
        {3, "FUNCTION", Keyword}}},
      {"Shell",
       {"if [ \"$#\" -gt 0 ]; then # c", "echo $# 'a b'"},
       {{0, "if", Keyword}, {0, "[", Symbol}, {0, "\"$#\"", String}, {0, "then", Keyword}, {0, "# c", Comment},
        {1, "$#", Symbol}, {1, "'a b'", String}}},
  };
  return samples;
}

std::vector<RefPtr<LineColouring>> ColourLines(const LanguageDef& language, const std::vector<std::string>& lines) {
  std::vector<RefPtr<LineColouring>> coloured;
  ColourState state;
  for (const auto& line : lines) {
    coloured.push_back(ColourLine(&language, line, state, false));
    state = coloured.back()->EndState;
  }
  return coloured;
}

// The tokens must lie end to end and rebuild the line.
void ExpectTokensCoverLine(const LineColouring& colouring, const std::string& line) {
  std::string rebuilt;
  for (const auto& token : colouring.Tokens) {
    EXPECT_EQ(token.Column, static_cast<int>(rebuilt.size())) << line;
    rebuilt += token.Text;
  }
  EXPECT_EQ(rebuilt, line);
}

const ColouredToken* FindToken(const LineColouring& colouring, const std::string& text) {
  for (const auto& token : colouring.Tokens)
    if (token.Text == text) return &token;
  return nullptr;
}

TEST(ShippedLanguages, SamplesColourAsTheirLanguageReads) {
  for (const auto& sample : Samples()) {
    SCOPED_TRACE(sample.Language);
    const auto found = Shipped().find(sample.Language);
    ASSERT_NE(found, Shipped().end());
    const auto coloured = ColourLines(*found->second, sample.Lines);
    for (std::size_t i = 0; i < sample.Lines.size(); ++i) ExpectTokensCoverLine(*coloured[i], sample.Lines[i]);
    for (const auto& expected : sample.Tokens) {
      const ColouredToken* token = FindToken(*coloured[static_cast<std::size_t>(expected.Line)], expected.Text);
      ASSERT_NE(token, nullptr) << "line " << expected.Line << ": " << expected.Text;
      EXPECT_EQ(token->Kind, expected.Kind) << "line " << expected.Line << ": " << expected.Text;
    }
  }
}

TEST(ShippedLanguages, PlainTextColoursNothing) {
  const auto found = Shipped().find("Plain Text");
  ASSERT_NE(found, Shipped().end());
  EXPECT_TRUE(found->second->Elements.empty());
  const std::vector<std::string> lines = {"int x = \"1\"; // /* nothing", "*/ 'y'"};
  const auto coloured = ColourLines(*found->second, lines);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ExpectTokensCoverLine(*coloured[i], lines[i]);
    for (const auto& token : coloured[i]->Tokens) EXPECT_EQ(token.Kind, PlainText) << token.Text;
  }
}

// A string left open ends with its line, so one stray quote cannot colour the rest of a file.
TEST(ShippedLanguages, UnclosedStringsEndAtTheLineBreak) {
  for (const char* title : {"C", "C++", "Java", "JavaScript", "Python", "SQL", "Pascal", "Shell", "PHP"}) {
    SCOPED_TRACE(title);
    const auto found = Shipped().find(title);
    ASSERT_NE(found, Shipped().end());
    const auto coloured = ColourLines(*found->second, {"x = 'open", "y"});
    const ColouredToken* open = FindToken(*coloured[0], "'open");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->Kind, String);
    EXPECT_EQ(coloured[0]->EndState, ColourState());
    ASSERT_EQ(coloured[1]->Tokens.size(), 1u);
    EXPECT_EQ(coloured[1]->Tokens[0].Kind, PlainText);
  }
}

}  // namespace
