// Language definitions: the .lang file content, older file forms, registration of element
// strings, the lookups by name and extension, and elements outliving their definition.
#include "editor/syntax/LanguageDef.h"

#include "common/SettingsFile.h"
#include "editor/syntax/ColourState.h"
#include "editor/syntax/LanguageElements.h"
#include "editor/syntax/TokenKind.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char SavedDemo[] =
    "Version=10\r\n\r\n"
    "ExtensionsCount=2\r\n=dm\r\n=DEMO\r\nMatchCase=False\r\n\r\n"
    "LangElemCount=3\r\n\r\n"
    "LangElemKind=0\r\nTokenKind=2\r\nOptions=1\r\nWordsCount=2\r\n=begin\r\n=end\r\n\r\n"
    "LangElemKind=1\r\nTokenKind=1\r\nOptions=0\r\nMarker=--\r\n\r\n"
    "LangElemKind=2\r\nTokenKind=4\r\nOptions=22\r\nStartMarker=\"\r\nEndMarker=\"\r\nEscapeChar=\\\r\n\r\n";

// A range from a file of version 7, whose escape is stored as the escaped end marker.
std::string OldRange(const std::string& falseEnd) {
  return "LangElemKind=2\r\nTokenKind=4\r\nOptions=0\r\nStartMarker=\"\r\nEndMarker=\"\r\nFalseEnd=" + falseEnd +
         "\r\n\r\n";
}

template <class Matcher> RefPtr<LanguageElement> Found(const Matcher& lookup, const std::string& text) {
  LanguageElement* element = nullptr;
  int start = 0;
  int end = 0;
  lookup.Find(text.data(), static_cast<int>(text.size()), 0, element, start, end);
  return element;
}

LanguageElement* WordFound(const LanguageDef& language, const std::string& word, bool matchCase) {
  LanguageElement* element = nullptr;
  language.Words.Lookup(word.data(), static_cast<int>(word.size()), matchCase, element);
  return element;
}

class LanguageFiles : public ::testing::Test {
protected:
  // A path whose folder ends with a backslash on both platforms (natively the backslash is part
  // of the file name, which keeps the folder and title split the way Windows does).
  std::string LangPath(const std::string& name) const {
    std::string folder = Scratch.Path("");
    if (folder.back() != '\\') folder += '\\';
    return folder + name;
  }

  void Write(const std::string& path, const std::string& bytes) const {
    Scratch.WriteBytes(path.substr(Scratch.Path("").size()), bytes);
  }

  std::string Read(const std::string& path) const { return Scratch.ReadBytes(path.substr(Scratch.Path("").size())); }

  RefPtr<LanguageDef> Load(const std::string& path) const {
    RefPtr<LanguageDef> language = new LanguageDef;
    SettingsFile file(path, true);
    language->Exchange(file);
    return language;
  }

  void Save(LanguageDef& language, const std::string& path) const {
    SettingsFile file(path, false);
    language.Exchange(file);
    file.Save();
  }

  static RefPtr<LanguageDef> Demo() {
    RefPtr<LanguageDef> demo = new LanguageDef;
    demo->Name = "Demo";
    demo->Extensions = {"dm", "DEMO"};
    demo->MatchCase = false;
    demo->AddElement(new WordsElement(Keyword, WholeWord, {"begin", "end"}));
    demo->AddElement(new RestOfLineElement(Comment, 0, "--"));
    // Bit 16 has no meaning here but must be kept.
    demo->AddElement(new RangeElement(String, SpanLines | AllowNesting | 16, "\"", "\"", "\\"));
    return demo;
  }

  ScratchFolder Scratch;
};

TEST_F(LanguageFiles, SavingWritesEveryKindOfElementInFieldOrder) {
  const RefPtr<LanguageDef> demo = Demo();
  Save(*demo, LangPath("Demo.lang"));
  EXPECT_EQ(Read(LangPath("Demo.lang")), SavedDemo);
}

TEST_F(LanguageFiles, LoadingASavedFileGivesTheSameDefinition) {
  Write(LangPath("Demo.lang"), SavedDemo);
  const RefPtr<LanguageDef> loaded = Load(LangPath("Demo.lang"));
  EXPECT_EQ(loaded->Name, "Demo");
  EXPECT_EQ(loaded->Folder, LangPath(""));
  EXPECT_EQ(loaded->FilePath(), LangPath("Demo.lang"));
  EXPECT_EQ(loaded->Extensions, (std::vector<std::string>{"dm", "DEMO"}));
  EXPECT_FALSE(loaded->MatchCase);
  ASSERT_EQ(loaded->Elements.size(), 3u);
  const auto& range = dynamic_cast<const RangeElement&>(*loaded->Elements[2]);
  EXPECT_EQ(range.Options, SpanLines | AllowNesting | 16);
  EXPECT_EQ(range.EscapeChar, "\\");
  EXPECT_EQ(WordFound(*loaded, "END", false), loaded->Elements[0].Get());
  EXPECT_EQ(Found(loaded->Markers, "x--y"), loaded->Elements[1]);
  EXPECT_EQ(Found(loaded->Markers, "x\"y"), loaded->Elements[2]);

  Save(*loaded, LangPath("Again.lang"));
  EXPECT_EQ(Read(LangPath("Again.lang")), SavedDemo);
}

TEST_F(LanguageFiles, LoadingReplacesElementsAndExtensionsButNotFromTheFileName) {
  const RefPtr<LanguageDef> language = Demo();
  Write(LangPath("my.code.lang"),
        "Version=10\r\n\r\nExtensionsCount=0\r\nMatchCase=True\r\n\r\nLangElemCount=1\r\n\r\n"
        "LangElemKind=1\r\nTokenKind=1\r\nOptions=0\r\nMarker=;\r\n\r\n");
  SettingsFile file(LangPath("my.code.lang"), true);
  language->Exchange(file);
  EXPECT_EQ(language->Name, "my.code");
  EXPECT_TRUE(language->Extensions.empty());
  EXPECT_TRUE(language->MatchCase);
  ASSERT_EQ(language->Elements.size(), 1u);
  EXPECT_EQ(WordFound(*language, "begin", true), nullptr);
  EXPECT_EQ(Found(language->Markers, "--"), nullptr);
  EXPECT_EQ(Found(language->Markers, "a;"), language->Elements[0]);
}

TEST_F(LanguageFiles, Version7RangesTurnTheirFalseEndIntoAnEscape) {
  Write(LangPath("Old.lang"), "Version=7\r\n\r\nLanguageName=Ancient\r\nExtensionsCount=1\r\n=old\r\n"
                              "MatchCase=True\r\n\r\nLangElemCount=3\r\n\r\n" +
                                  OldRange("\\\"") + OldRange("\"\"") + OldRange(""));
  const RefPtr<LanguageDef> old = Load(LangPath("Old.lang"));
  EXPECT_EQ(old->Name, "Old");
  EXPECT_EQ(old->Extensions, std::vector<std::string>{"old"});
  ASSERT_EQ(old->Elements.size(), 3u);
  EXPECT_EQ(dynamic_cast<const RangeElement&>(*old->Elements[0]).EscapeChar, "\\");
  EXPECT_EQ(dynamic_cast<const RangeElement&>(*old->Elements[1]).EscapeChar, "");
  EXPECT_EQ(dynamic_cast<const RangeElement&>(*old->Elements[2]).EscapeChar, "");
}

TEST(EscapeFromFalseEnd, KeepsWhatPrecedesTheEndMarker) {
  EXPECT_EQ(EscapeFromFalseEnd("\\\"", "\""), "\\");
  EXPECT_EQ(EscapeFromFalseEnd("!!*/", "*/"), "!!");
  EXPECT_EQ(EscapeFromFalseEnd("*/*/", "*/"), "");
  EXPECT_EQ(EscapeFromFalseEnd("\\'", "\""), "");
  EXPECT_EQ(EscapeFromFalseEnd("/", "*/"), "");
  EXPECT_EQ(EscapeFromFalseEnd("\"", "\""), "");
}

TEST_F(LanguageFiles, Version9DropsTheStoredLanguageName) {
  Write(LangPath("Script.lang"), "Version=9\r\n\r\nLanguageName=Other\r\nExtensionsCount=1\r\n=sc\r\n"
                                 "MatchCase=False\r\n\r\nLangElemCount=1\r\n\r\n"
                                 "LangElemKind=2\r\nTokenKind=1\r\nOptions=2\r\nStartMarker=/*\r\n"
                                 "EndMarker=*/\r\nEscapeChar=\r\n\r\n");
  const RefPtr<LanguageDef> script = Load(LangPath("Script.lang"));
  EXPECT_EQ(script->Name, "Script");
  EXPECT_EQ(script->Extensions, std::vector<std::string>{"sc"});
  ASSERT_EQ(script->Elements.size(), 1u);
  EXPECT_EQ(dynamic_cast<const RangeElement&>(*script->Elements[0]).EndMarker, "*/");
}

TEST_F(LanguageFiles, AnUnknownElementKindRejectsTheFileWithoutAddingIt) {
  const std::string path = LangPath("Bad.lang");
  Write(path, "Version=10\r\n\r\nExtensionsCount=0\r\nMatchCase=True\r\n\r\nLangElemCount=2\r\n\r\n"
              "LangElemKind=1\r\nTokenKind=1\r\nOptions=0\r\nMarker=#\r\n\r\n"
              "LangElemKind=3\r\nTokenKind=1\r\nOptions=0\r\nMarker=;\r\n\r\n");
  const RefPtr<LanguageDef> language = new LanguageDef;
  try {
    SettingsFile file(path, true);
    language->Exchange(file);
    FAIL() << "kind 3 was accepted";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Code, 2);
    EXPECT_EQ(error.GetMessageText(), "Could not find field 'LangElemKind' when loading file '" + path +
                                          "'. The file may be corrupted. You should either replace the file "
                                          "with a valid copy or delete the file from disk.");
  }
  ASSERT_EQ(language->Elements.size(), 1u);
  EXPECT_EQ(Found(language->Markers, ";"), nullptr);
}

TEST_F(LanguageFiles, AWordsElementLoadingItselfReadsItsWordsAnew) {
  Write(LangPath("w.lang"), "Version=10\r\n\r\nTokenKind=3\r\nOptions=0\r\nWordsCount=1\r\n=new\r\n");
  WordsElement words(Keyword, WholeWord, {"old", "older"});
  SettingsFile file(LangPath("w.lang"), true);
  words.Exchange(file);
  EXPECT_EQ(words.TokenKind, Symbol);
  EXPECT_EQ(words.Options, 0);
  EXPECT_EQ(words.Words, std::vector<std::string>{"new"});
}

TEST(LanguageDef, TheLaterOfTwoEqualMarkersWinsWhileEqualWordsBothStay) {
  LanguageDef language;
  RefPtr<LanguageElement> symbol = new WordsElement(Symbol, 0, {"=="});
  RefPtr<LanguageElement> comment = new RestOfLineElement(Comment, 0, "==");
  language.AddElement(symbol);
  language.AddElement(comment);
  EXPECT_EQ(Found(language.Markers, "a==b"), comment);

  // Entries "x", "x", "y": the search meets the middle one, which is the later "x".
  LanguageDef words;
  RefPtr<LanguageElement> first = new WordsElement(Keyword, WholeWord, {"x"});
  RefPtr<LanguageElement> second = new WordsElement(Symbol, WholeWord, {"x", "y"});
  words.AddElement(first);
  words.AddElement(second);
  EXPECT_EQ(WordFound(words, "x", true), second.Get());
  // Entries "a", "x", "x": now the middle one is the earlier "x", so it is still there.
  words.Clear();
  EXPECT_EQ(WordFound(words, "x", true), nullptr);
  words.AddElement(new WordsElement(PlainText, WholeWord, {"a"}));
  words.AddElement(first);
  words.AddElement(new WordsElement(Symbol, WholeWord, {"x"}));
  EXPECT_EQ(WordFound(words, "x", true), first.Get());
}

TEST(LanguageDef, AWholeWordRangeHasNoEscapes) {
  // With escape entries, "ee" would be both an escaped escape and the end marker, and the
  // search of this list would meet the escape first.
  RefPtr<LanguageElement> range = new RangeElement(String, WholeWord | AllowNesting, "begin", "ee", "e");
  ColourState state;
  EXPECT_EQ(range->Match(state, "begin x ee y", 0, true), 10);
  EXPECT_TRUE(state.RangeStack.empty());
  EXPECT_FALSE(state.Current);
}

TEST(LanguageList, FindsByExtensionWithoutCaseInListOrder) {
  LanguageList list;
  for (const auto& [name, extensions] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"Cpp", {"cpp", "H"}}, {"C", {"h", "c"}}, {"Notes", {}}}) {
    RefPtr<LanguageDef> language = new LanguageDef;
    language->Name = name;
    language->Extensions = extensions;
    list.Languages.push_back(language);
  }
  EXPECT_EQ(list.FindByExtension("h"), list.Languages[0].Get());
  EXPECT_EQ(list.FindByExtension("CPP"), list.Languages[0].Get());
  EXPECT_EQ(list.FindByExtension("C"), list.Languages[1].Get());
  EXPECT_EQ(list.FindByExtension(""), nullptr);
  EXPECT_EQ(list.FindByExtension("cp"), nullptr);
  EXPECT_TRUE(list.FindByName("notes"));
  EXPECT_TRUE(list.FindByName("CPP"));
  EXPECT_FALSE(list.FindByName("Note"));
}

TEST(LanguageDef, FilePathJoinsFolderAndName) {
  LanguageDef language;
  language.Name = "my.code";
  language.Folder = "C:\\Langs";
  EXPECT_EQ(language.FilePath(), "C:\\Langs\\my.code.lang");
  language.Folder = "C:\\Langs\\";
  EXPECT_EQ(language.FilePath(), "C:\\Langs\\my.code.lang");
}

TEST(LanguageDef, AnElementOutlivesTheDefinitionThatTheListReleased) {
  LanguageList list;
  list.Languages.push_back(new LanguageDef);
  list.Languages[0]->AddElement(new RangeElement(Comment, SpanLines, "/*", "*/", ""));
  RefPtr<LanguageElement> held = list.Languages[0]->Elements[0];
  list.Languages[0] = new LanguageDef;
  EXPECT_EQ(held->RefCount(), 1);
  ColourState state;
  EXPECT_EQ(held->Match(state, "/* a */ b", 0, true), 7);
  EXPECT_EQ(held->StringAt(0), "/*");
}

}  // namespace
