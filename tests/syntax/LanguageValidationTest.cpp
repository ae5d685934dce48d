// The Languages page's checks before confirming: the first failure with its language,
// element and message, and the normalisations that stay in the working copy.
#include "editor/syntax/LanguageValidation.h"

#include "common/Paths.h"
#include "common/SettingsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ElementRecord Element(int kind, int options, std::vector<std::string> strings, int tokenKind = Comment) {
  ElementRecord element;
  element.Kind = kind;
  element.TokenKind = tokenKind;
  element.Options = options;
  element.Strings = std::move(strings);
  return element;
}

LanguageRecord Language(const std::string& name, std::vector<ElementRecord> elements = {}) {
  LanguageRecord record;
  record.Name = name;
  record.Elements = std::move(elements);
  return record;
}

std::string ElementMessage(ElementRecord element, bool matchCase = true) {
  std::string message;
  EXPECT_FALSE(ValidateElement(element, matchCase, message));
  return message;
}

bool Passes(ElementRecord& element, bool matchCase = true) {
  std::string message;
  const bool passed = ValidateElement(element, matchCase, message);
  EXPECT_EQ(passed, message.empty()) << message;
  return passed;
}

const char NotConsistent[] =
    "' is not consistent with Whole Word option. Language element strings should be valid identifiers if and only "
    "if the Whole Word option is selected. Valid identifiers begin with a letter or underscore and consist of only "
    "letters, numbers, and underscores.";

}  // namespace

TEST(LanguageValidation, NamesThatDifferOnlyInCaseFailAtTheLaterLanguage) {
  std::vector<LanguageRecord> records = {Language("Pascal"), Language("Basic"), Language("pascal")};
  ValidationFailure failure;
  ASSERT_FALSE(ValidateLanguages(records, failure));
  EXPECT_EQ(2, failure.Language);
  EXPECT_EQ(-1, failure.Element);
  EXPECT_EQ("More than one language named 'Pascal' exists. Language names are not case sensetive.", failure.Message);
}

TEST(LanguageValidation, TheFirstFailingLanguageAndElementAreReported) {
  std::vector<LanguageRecord> records = {
      Language("Good", {Element(RestOfLineKind, 0, {"//"})}),
      Language("Bad", {Element(RestOfLineKind, 0, {"#"}), Element(RangeKind, 0, {"/*", "", ""})}),
      Language("")};
  ValidationFailure failure;
  ASSERT_FALSE(ValidateLanguages(records, failure));
  EXPECT_EQ(1, failure.Language);
  EXPECT_EQ(1, failure.Element);
  EXPECT_EQ("End marker cannot be empty.", failure.Message);

  records[1].Elements[1].Strings[1] = "*/";
  ASSERT_FALSE(ValidateLanguages(records, failure));
  EXPECT_EQ(2, failure.Language);
  EXPECT_EQ(-1, failure.Element);
  EXPECT_EQ("Language name cannot be empty.", failure.Message);

  records.pop_back();
  EXPECT_TRUE(ValidateLanguages(records, failure));
}

TEST(LanguageValidation, NamesWithFileNameCharactersAreRefused) {
  LanguageRecord record = Language("C/C++");
  ValidationFailure failure;
  ASSERT_FALSE(ValidateLanguage(record, failure));
  EXPECT_EQ("Language name 'C/C++' is not valid. Language names cannot contain any of the following characters:\n"
            "\t\\/*:?\"<>|",
            failure.Message);
}

TEST(LanguageValidation, ExtensionsLoseBlanksAndLeadingDotsButNotADotInside) {
  LanguageRecord record = Language("Text");
  record.Extensions = SplitExtensions(" .txt ;..log; ;me;");
  ASSERT_EQ((std::vector<std::string>{".txt", "..log", "", "me"}), record.Extensions);
  ValidationFailure failure;
  ASSERT_TRUE(ValidateLanguage(record, failure)) << failure.Message;
  EXPECT_EQ((std::vector<std::string>{"txt", "log", "", "me"}), record.Extensions);

  // The empty piece is a real extension: files without one are shown in this language.
  LanguageList list;
  list.Languages.push_back(LanguageFromRecord(record));
  EXPECT_EQ(list.Languages[0].Get(), list.FindByExtension(""));
  EXPECT_EQ(list.Languages[0].Get(), list.FindByExtension("LOG"));

  record.Extensions = {"tar.gz"};
  ASSERT_FALSE(ValidateLanguage(record, failure));
  EXPECT_EQ(InvalidExtensionMessage("tar.gz"), failure.Message);
  EXPECT_EQ(-1, failure.Element);
}

TEST(LanguageValidation, DuplicateWordsFollowTheLanguagesCaseRule) {
  ElementRecord blind = Element(WordsKind, WholeWord, {"while", "", "WHILE", "do", "While"}, Keyword);
  ASSERT_TRUE(Passes(blind, false));
  EXPECT_EQ((std::vector<std::string>{"do", "while"}), blind.Strings);

  ElementRecord exact = Element(WordsKind, WholeWord, {"while", "WHILE", "While"}, Keyword);
  ASSERT_TRUE(Passes(exact, true));
  EXPECT_EQ((std::vector<std::string>{"WHILE", "While", "while"}), exact.Strings);  // byte order

  // Symbols keep the order they were typed in.
  ElementRecord symbols = Element(WordsKind, 0, {"==", "+", "=="}, Symbol);
  ASSERT_TRUE(Passes(symbols));
  EXPECT_EQ((std::vector<std::string>{"==", "+"}), symbols.Strings);
}

TEST(LanguageValidation, StringsAreTrimmedAndMayNotHoldWhiteSpace) {
  ElementRecord range = Element(RangeKind, 0, {"\t/*  ", "*/ ", ""});
  ASSERT_TRUE(Passes(range));
  EXPECT_EQ((std::vector<std::string>{"/*", "*/", ""}), range.Strings);

  EXPECT_EQ("'<! --' contains white space. Language element strings cannot contain white space.",
            ElementMessage(Element(RestOfLineKind, 0, {" <! -- "})));
  EXPECT_EQ("'a\tb' contains white space. Language element strings cannot contain white space.",
            ElementMessage(Element(WordsKind, WholeWord, {"a\tb"})));
}

TEST(LanguageValidation, MarkersMustNotBeEmpty) {
  EXPECT_EQ("Start marker cannot be empty.", ElementMessage(Element(RestOfLineKind, 0, {"  "})));
  EXPECT_EQ("Start marker cannot be empty.", ElementMessage(Element(RangeKind, 0, {"", "*/", ""})));
  EXPECT_EQ("Start marker cannot be empty.", ElementMessage(Element(RangeKind, 0, {})));
  EXPECT_EQ("End marker cannot be empty.", ElementMessage(Element(RangeKind, 0, {"/*"})));
}

TEST(LanguageValidation, OptionsThatDoNotApplyAreCleared) {
  ElementRecord words = Element(WordsKind, WholeWord | SpanLines | AllowNesting | 64, {"if"});
  ASSERT_TRUE(Passes(words));
  EXPECT_EQ(WholeWord | 64, words.Options);  // unknown bits are kept

  ElementRecord line = Element(RestOfLineKind, SpanLines | AllowNesting, {"//"});
  ASSERT_TRUE(Passes(line));
  EXPECT_EQ(0, line.Options);

  // Nesting needs ranges that go on over line ends; then equal markers would never close.
  ElementRecord range = Element(RangeKind, AllowNesting, {"'", "'", ""});
  ASSERT_TRUE(Passes(range));
  EXPECT_EQ(0, range.Options);
  EXPECT_EQ("Start and End marker cannot be the same if the Allow Nesting option is selected.",
            ElementMessage(Element(RangeKind, SpanLines | AllowNesting, {"'", "'", ""})));
  EXPECT_EQ("Start and End marker cannot be the same if the Allow Nesting option is selected.",
            ElementMessage(Element(RangeKind, WholeWord | SpanLines | AllowNesting, {"begin", "BEGIN", ""}), false));
  ElementRecord differentCase = Element(RangeKind, WholeWord | SpanLines | AllowNesting, {"begin", "BEGIN", ""});
  EXPECT_TRUE(Passes(differentCase, true));
}

TEST(LanguageValidation, EscapeMayDoubleTheEndMarkerButNotRepeatTheStart) {
  EXPECT_EQ("Escape char cannot be the same as the start marker.",
            ElementMessage(Element(RangeKind, 0, {"<", ">", "<"})));
  EXPECT_EQ("Escape char cannot be the same as the start marker.",
            ElementMessage(Element(RangeKind, 0, {"q<", ">", "Q<"}), false));
  ElementRecord differentCase = Element(RangeKind, 0, {"q<", ">", "Q<"});
  EXPECT_TRUE(Passes(differentCase, true));
  // A doubled quote inside the string, as in SQL and in C#'s verbatim strings.
  ElementRecord sql = Element(RangeKind, 0, {"'", "'", "'"});
  EXPECT_TRUE(Passes(sql));
  ElementRecord verbatim = Element(RangeKind, 0, {"@\"", "\"", "\""});
  EXPECT_TRUE(Passes(verbatim));
  // A whole-word range has no escapes, so its escape string is only checked as an identifier.
  ElementRecord wholeWord = Element(RangeKind, WholeWord, {"begin", "end", "begin"});
  EXPECT_TRUE(Passes(wholeWord));
}

TEST(LanguageValidation, TheShippedLanguagesPass) {
  for (const char* name : {"Batch", "C#", "C++", "C", "CSS", "HTML", "INI", "Java", "JavaScript", "Makefile", "PHP",
                           "Pascal", "Plain Text", "Python", "SQL", "Shell", "XML"}) {
    RefPtr<LanguageDef> language(new LanguageDef);
    SettingsFile file(std::string(QUILVANE_LANGUAGES_DIR) + "/" + name + ".lang", true);
    language->Exchange(file);
    LanguageRecord record = RecordFromLanguage(*language);
    record.Name = name;  // the native build reads the path with forward slashes
    ValidationFailure failure;
    EXPECT_TRUE(ValidateLanguage(record, failure)) << name << ": " << failure.Message << " at " << failure.Element;
  }
}

TEST(LanguageValidation, StringsAreIdentifiersExactlyWithWholeWord) {
  EXPECT_EQ(std::string("'REM") + NotConsistent, ElementMessage(Element(RestOfLineKind, 0, {"REM"})));
  ElementRecord rem = Element(RestOfLineKind, WholeWord, {"REM"});
  EXPECT_TRUE(Passes(rem));
  EXPECT_EQ(std::string("'//") + NotConsistent, ElementMessage(Element(RestOfLineKind, WholeWord, {"//"})));
  EXPECT_EQ(std::string("'2nd") + NotConsistent, ElementMessage(Element(WordsKind, WholeWord, {"first", "2nd"})));
  EXPECT_EQ(std::string("'e") + NotConsistent, ElementMessage(Element(RangeKind, 0, {"\"", "\"", "e"})));
  ElementRecord underscore = Element(WordsKind, WholeWord, {"_x1", "__init__"});
  EXPECT_TRUE(Passes(underscore));
}

TEST(LanguageValidation, NormalisationsStayWhenALaterCheckFails) {
  std::vector<LanguageRecord> records = {Language("A"), Language("B", {Element(RestOfLineKind, 0, {"x"})})};
  records[0].Extensions = {" .a "};
  records[1].Elements[0].Strings = {"  x "};
  ValidationFailure failure;
  ASSERT_FALSE(ValidateLanguages(records, failure));
  EXPECT_EQ(std::vector<std::string>{"a"}, records[0].Extensions);
  EXPECT_EQ(std::vector<std::string>{"x"}, records[1].Elements[0].Strings);
}
