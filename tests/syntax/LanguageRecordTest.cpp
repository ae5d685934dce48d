// The Languages page's working copies: from and to definitions, the element list's texts
// and the splitting of the extension and word-list edits.
#include "editor/syntax/LanguageRecord.h"

#include "editor/syntax/LanguageElements.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

RefPtr<LanguageDef> Demo() {
  RefPtr<LanguageDef> language(new LanguageDef);
  language->Name = "Demo";
  language->Folder = "C:\\Languages\\";
  language->MatchCase = false;
  language->Extensions = {"dm", ""};
  language->AddElement(new WordsElement(Keyword, WholeWord | 64, {"begin", "end"}));
  language->AddElement(new RestOfLineElement(Comment, 0, "--"));
  language->AddElement(new RangeElement(String, SpanLines, "\"", "\"", "\\"));
  return language;
}

}  // namespace

TEST(LanguageRecord, KeepsEveryFieldFromTheDefinitionToANewOne) {
  const LanguageRecord record = RecordFromLanguage(*Demo());
  ASSERT_EQ(3u, record.Elements.size());
  EXPECT_EQ((std::vector<std::string>{"\"", "\"", "\\"}), record.Elements[2].Strings);
  EXPECT_EQ(WholeWord | 64, record.Elements[0].Options);

  const RefPtr<LanguageDef> rebuilt = LanguageFromRecord(record);
  EXPECT_EQ("Demo", rebuilt->Name);
  EXPECT_EQ("C:\\Languages\\Demo.lang", rebuilt->FilePath());
  EXPECT_FALSE(rebuilt->MatchCase);
  EXPECT_EQ((std::vector<std::string>{"dm", ""}), rebuilt->Extensions);
  ASSERT_EQ(3u, rebuilt->Elements.size());
  const auto* range = dynamic_cast<const RangeElement*>(rebuilt->Elements[2].Get());
  ASSERT_NE(nullptr, range);
  EXPECT_EQ("\\", range->EscapeChar);
  EXPECT_EQ(SpanLines, range->Options);
  // Registered again for the tokenizer: the keyword without case, the marker in the trie.
  LanguageElement* found = nullptr;
  EXPECT_TRUE(rebuilt->Words.Lookup("BEGIN", 5, false, found));
  EXPECT_EQ(rebuilt->Elements[0].Get(), found);
  EXPECT_EQ(1, RecordFromLanguage(*rebuilt).Elements[1].Kind);
}

TEST(LanguageRecord, AnUnknownKindAndMissingStringsBuildSafely) {
  LanguageRecord record = NewLanguageRecord("C:\\L\\");
  EXPECT_EQ("New Language", record.Name);
  EXPECT_TRUE(record.MatchCase);
  ElementRecord unknown;
  unknown.Kind = 7;
  ElementRecord bareRange;
  bareRange.Kind = RangeKind;
  bareRange.Options = 0;
  bareRange.Strings = {"<"};
  record.Elements = {unknown, bareRange};
  const RefPtr<LanguageDef> built = LanguageFromRecord(record);
  ASSERT_EQ(1u, built->Elements.size());
  EXPECT_EQ(RangeKind, built->Elements[0]->GetKind());
}

TEST(LanguageRecord, ElementListTexts) {
  ElementRecord element = NewElementRecord();
  EXPECT_EQ(WordsKind, element.Kind);
  EXPECT_EQ(WholeWord, element.Options);
  EXPECT_EQ("Keywords", ElementListText(element));
  element.TokenKind = Symbol;
  EXPECT_EQ("Symbols", ElementListText(element));
  element.Kind = RestOfLineKind;
  element.TokenKind = Comment;
  element.Strings = {"//"};
  EXPECT_EQ("// Comment", ElementListText(element));
  element.Kind = RangeKind;
  element.Strings = {"/*", "*/", ""};
  EXPECT_EQ("/* Comment */", ElementListText(element));
  element.Kind = 9;
  EXPECT_EQ("Comment", ElementListText(element));
}

TEST(LanguageRecord, EditTextsSplitAndJoin) {
  EXPECT_EQ((std::vector<std::string>{"c", "", "h"}), SplitExtensions("c;;h;"));
  EXPECT_TRUE(SplitExtensions("").empty());
  EXPECT_EQ("c; ; h", JoinExtensions({"c", "", "h"}));
  EXPECT_EQ((std::vector<std::string>{"if", "else", "", "do"}), SplitWordList(" if \r\nelse\r\rdo\n"));
  EXPECT_EQ("if\r\nelse", JoinWordList({"if", "else"}));
}
