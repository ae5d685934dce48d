// Colouring and loading under hostile input: markers of extreme lengths, empty and colliding
// marker strings, lines of many megabytes, and damaged or truncated .lang files.
#include "editor/syntax/ColourLine.h"

#include "common/SettingsFile.h"
#include "editor/syntax/CppLanguage.h"
#include "editor/syntax/LanguageDef.h"
#include "editor/syntax/LanguageElements.h"
#include "editor/syntax/TokenKind.h"
#include "tests/common/ScratchFolder.h"
#include "tests/syntax/ColouredTokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Tokens that do not continue the line exactly where the previous one ended, are empty, or
// have a kind outside the token kinds. Counted rather than asserted one by one, so that
// lines with millions of tokens stay quick to check.
int CoverageFaults(const LineColouring& colouring, const std::string& line) {
  int faults = 0;
  std::size_t column = 0;
  for (const ColouredToken& token : colouring.Tokens) {
    if (token.Column != static_cast<int>(column) || token.Text.empty() ||
        line.compare(column, token.Text.size(), token.Text) != 0 || token.Kind < PlainText || token.Kind > String)
      ++faults;
    column += token.Text.size();
  }
  return column == line.size() ? faults : faults + 1;
}

RefPtr<LineColouring> ColourChecked(const LanguageDef* language, const std::string& line,
                                    const ColourState& start = ColourState(), bool continues = false) {
  RefPtr<LineColouring> colouring = ColourLine(language, line, start, continues);
  EXPECT_EQ(CoverageFaults(*colouring, line), 0) << line.substr(0, 200);
  EXPECT_TRUE(colouring->StartState == start);
  return colouring;
}

class Robustness : public ::testing::Test {
protected:
  LanguageElement* Add(LanguageElement* element) {
    Language->AddElement(element);
    return element;
  }
  std::string Tokens(const std::string& line, const ColourState& start = ColourState(), bool continues = false) {
    return TokensText(*ColourChecked(Language.Get(), line, start, continues));
  }
  ColourState EndOf(const std::string& line, const ColourState& start = ColourState(), bool continues = false) {
    return ColourChecked(Language.Get(), line, start, continues)->EndState;
  }

  RefPtr<LanguageDef> Language = new LanguageDef;
};

TEST(MarkerLength, MarkersAndWordsOfOneTo300BytesMatchWhole) {
  for (std::size_t length = 1; length <= 300; ++length) {
    const std::string start(length, '<'), end(length, '>'), escape(length, '!');
    const std::string marker(length, '#'), word(length, 'w');
    RefPtr<LanguageDef> language = new LanguageDef;
    language->AddElement(new RangeElement(String, 0, start, end, escape));
    language->AddElement(new RestOfLineElement(Comment, 0, marker));
    language->AddElement(new WordsElement(Keyword, WholeWord, {word}));
    const std::string range = start + "a" + escape + end + "b" + end;
    EXPECT_EQ(TokensText(*ColourChecked(language.Get(), "x " + range + " y")), "0:x|0: |4:" + range + "|0: |0:y")
        << length;
    EXPECT_EQ(TokensText(*ColourChecked(language.Get(), "v " + marker + " rest")), "0:v|0: |1:" + marker + " rest")
        << length;
    EXPECT_EQ(TokensText(*ColourChecked(language.Get(), word + " " + word + "x")), "2:" + word + "|0: |0:" + word + "x")
        << length;
    // One byte short of a marker matches nothing.
    const std::string shortRun = std::string(length - 1, '#') + " " + std::string(length - 1, '<');
    RefPtr<LineColouring> colouring = ColourChecked(language.Get(), shortRun);
    for (const ColouredToken& token : colouring->Tokens) EXPECT_EQ(token.Kind, PlainText) << length;
  }
}

TEST_F(Robustness, EmptyMarkerStringsAreNeverFound) {
  Add(new RangeElement(String, SpanLines, "", "\"", "\\"));
  Add(new RestOfLineElement(Comment, 0, ""));
  Add(new WordsElement(Keyword, WholeWord, {""}));
  Add(new WordsElement(Symbol, 0, {""}));
  EXPECT_EQ(Tokens("say \"hi\" // =;"), "0:say|0: |0:\"|0:hi|0:\"|0: |0://|0: |0:=;");
  EXPECT_TRUE(EndOf("a \"b", ColourState(), true) == ColourState());
}

TEST_F(Robustness, ARangeWithAnEmptyStartMarkerGoesOnWhenAStateHoldsIt) {
  RefPtr<LanguageElement> range = Add(new RangeElement(Comment, SpanLines, "", "*/", ""));
  ColourState open;
  open.RangeStack.push_back(range);
  EXPECT_EQ(Tokens("a */ b", open), "1:a */|0: |0:b");
  EXPECT_EQ(Tokens("a b", open), "1:a b");
  EXPECT_TRUE(EndOf("a b", open) == open);
}

TEST_F(Robustness, ARangeWithAnEmptyEndMarkerRunsToTheEndOfTheLine) {
  RefPtr<LanguageElement> spanning = Add(new RangeElement(String, SpanLines, "\"", "", ""));
  RefPtr<LanguageElement> cut = Add(new RangeElement(Comment, 0, "`", "", "\\"));
  EXPECT_EQ(Tokens("a \"b \" c"), "0:a|0: |4:\"b \" c");
  const ColourState spanEnd = EndOf("a \"b");
  ASSERT_EQ(spanEnd.RangeStack.size(), 1u);
  EXPECT_TRUE(spanEnd.RangeStack.back() == spanning);
  EXPECT_EQ(Tokens("next line", spanEnd), "4:next line");

  EXPECT_EQ(Tokens("x `y\\` z"), "0:x|0: |1:`y\\` z");
  EXPECT_TRUE(EndOf("x `y", ColourState(), true).Current == cut);
  EXPECT_TRUE(EndOf("x `y", ColourState(), false) == ColourState());
}

TEST_F(Robustness, AnEmptyEscapeStringEscapesNothing) {
  Add(new RangeElement(String, 0, "\"", "\"", ""));
  EXPECT_EQ(Tokens("\"a\\\"b\""), "4:\"a\\\"|0:b|4:\"");
}

TEST_F(Robustness, AStartMarkerEqualToItsEndMarkerUnderNestingOnlyOpensLevels) {
  Add(new RangeElement(String, SpanLines | AllowNesting, "|", "|", ""));
  EXPECT_EQ(Tokens("a |b| c|"), "0:a|0: |4:|b| c|");
  const ColourState end = EndOf("a |b| c|");
  EXPECT_EQ(end.RangeStack.size(), 3u);
  EXPECT_EQ(Tokens("x|", end), "4:x|");
  EXPECT_EQ(EndOf("x|", end).RangeStack.size(), 4u);
}

TEST_F(Robustness, AStartMarkerEqualToItsEndMarkerWithoutSpanningEndsAtTheHardBreak) {
  RefPtr<LanguageElement> range = Add(new RangeElement(String, AllowNesting, "%%", "%%", ""));
  EXPECT_EQ(Tokens("a %%b%% c"), "0:a|0: |4:%%b%% c");
  EXPECT_TRUE(EndOf("a %%b%% c", ColourState(), false) == ColourState());
  const ColourState soft = EndOf("a %%b%% c", ColourState(), true);
  EXPECT_TRUE(soft.RangeStack.empty());
  EXPECT_TRUE(soft.Current == range);
  EXPECT_EQ(Tokens("d %%", soft), "4:d %%");
}

TEST_F(Robustness, AWholeWordRangeWithEqualMarkersUnderNestingFinishes) {
  Add(new RangeElement(Keyword, WholeWord | SpanLines | AllowNesting, "begin", "begin", "begin"));
  const std::string tokens = Tokens("x begin y begin z");
  EXPECT_TRUE(tokens == "0:x|0: |2:begin y begin z" || tokens == "0:x|0: |2:begin y begin|0: |0:z") << tokens;
}

TEST_F(Robustness, AnEscapeEqualToTheEndMarkerMakesADoubledEndMarkerPartOfTheRange) {
  Add(new RangeElement(String, 0, "'", "'", "'"));
  EXPECT_EQ(Tokens("'a''b' c"), "4:'a''b'|0: |0:c");
  EXPECT_EQ(Tokens("''"), "4:''");
  EXPECT_EQ(Tokens("'''' x"), "4:''''|0: |0:x");
  EXPECT_EQ(Tokens("''' x"), "4:''' x");
  EXPECT_TRUE(EndOf("''' x") == ColourState());
}

TEST_F(Robustness, AMultiByteEscapeEqualToTheEndMarker) {
  Add(new RangeElement(Comment, SpanLines, "/*", "*/", "*/"));
  EXPECT_EQ(Tokens("/* a */*/ b */ c"), "1:/* a */*/ b */|0: |0:c");
}

// Lines of ten megabytes in the built-in C++ definition: each must be coloured in one pass.
class LongLines : public ::testing::Test {
protected:
  static std::string Repeated(const std::string& piece) {
    std::string line;
    line.reserve(TenMegabytes + piece.size());
    while (line.size() < TenMegabytes) line += piece;
    return line;
  }
  RefPtr<LineColouring> ColourLong(const std::string& line) {
    RefPtr<LineColouring> colouring = ColourLine(Cpp.Get(), line, ColourState(), false);
    EXPECT_EQ(CoverageFaults(*colouring, line), 0);
    return colouring;
  }

  static constexpr std::size_t TenMegabytes = 10u << 20;
  RefPtr<LanguageDef> Cpp = MakeCppLanguage("");
};

TEST_F(LongLines, CommentStartsRepeated) {
  RefPtr<LineColouring> colouring = ColourLong(Repeated("/*"));
  ASSERT_FALSE(colouring->Tokens.empty());
  EXPECT_EQ(colouring->Tokens.front().Kind, Comment);
}

TEST_F(LongLines, Quotes) {
  RefPtr<LineColouring> colouring = ColourLong(Repeated("\""));
  int nonStrings = 0;
  for (const ColouredToken& token : colouring->Tokens) nonStrings += token.Kind != String;
  EXPECT_EQ(nonStrings, 0);
  EXPECT_EQ(colouring->Tokens.size(), TenMegabytes / 2);
}

TEST_F(LongLines, Letters) {
  const std::string line = Repeated("abcdefghij");
  RefPtr<LineColouring> colouring = ColourLong(line);
  ASSERT_EQ(colouring->Tokens.size(), 1u);
  EXPECT_EQ(colouring->Tokens[0].Kind, PlainText);
}

// A valid file of every element kind, one line per entry.
const std::vector<std::string> CurrentFile = {
    "Version=10", "", "ExtensionsCount=2", "=c", "=h", "MatchCase=False", "", "LangElemCount=3", "",
    "LangElemKind=0", "TokenKind=2", "Options=1", "WordsCount=2", "=int", "=while", "",
    "LangElemKind=1", "TokenKind=1", "Options=0", "Marker=//", "",
    "LangElemKind=2", "TokenKind=4", "Options=2", "StartMarker=\"", "EndMarker=\"", "EscapeChar=\\", ""};

// The same in the old form, with the repeated language name and a false end.
const std::vector<std::string> OldFile = {
    "Version=7", "", "LanguageName=Old", "ExtensionsCount=1", "=sql", "MatchCase=True", "", "LangElemCount=1",
    "", "LangElemKind=2", "TokenKind=4", "Options=0", "StartMarker='", "EndMarker='", "FalseEnd=\\'", ""};

class DamagedFiles : public ::testing::Test {
protected:
  // Loads text as a .lang file: the Exception code, or 0 when it loaded. Anything else
  // thrown fails the test.
  int LoadCode(const std::string& text) {
    Folder.WriteBytes("Damaged.lang", text);
    Language = new LanguageDef;
    try {
      SettingsFile file(Folder.Path("Damaged.lang"), true);
      Language->Exchange(file);
      return 0;
    } catch (const Exception& error) {
      return error.Code;
    }
  }
  static std::string Join(const std::vector<std::string>& lines, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += lines[i] + "\r\n";
    return text;
  }
  // Whether only empty lines follow the first count lines.
  static bool OnlyBlankAfter(const std::vector<std::string>& lines, std::size_t count) {
    for (std::size_t i = count; i < lines.size(); ++i)
      if (!lines[i].empty()) return false;
    return true;
  }
  void ExpectEveryLineCutFailsWithCodeTwo(const std::vector<std::string>& lines) {
    for (std::size_t count = 0; count <= lines.size(); ++count) {
      const int expected = OnlyBlankAfter(lines, count) ? 0 : 2;
      EXPECT_EQ(LoadCode(Join(lines, count)), expected) << "cut after line " << count;
    }
  }

  ScratchFolder Folder;
  RefPtr<LanguageDef> Language;
};

TEST_F(DamagedFiles, ValidFilesLoad) {
  ASSERT_EQ(LoadCode(Join(CurrentFile, CurrentFile.size())), 0);
  EXPECT_EQ(Language->Elements.size(), 3u);
  ASSERT_EQ(LoadCode(Join(OldFile, OldFile.size())), 0);
  ASSERT_EQ(Language->Elements.size(), 1u);
  EXPECT_EQ(static_cast<RangeElement&>(*Language->Elements[0]).EscapeChar, "\\");
}

TEST_F(DamagedFiles, AFileCutAtAnyLineFailsWithCodeTwoUnlessOnlyBlankLinesAreMissing) {
  ExpectEveryLineCutFailsWithCodeTwo(CurrentFile);
  ExpectEveryLineCutFailsWithCodeTwo(OldFile);
}

TEST_F(DamagedFiles, AFileCutAtAnyByteLoadsOrFailsWithCodeTwo) {
  const std::string line = "int x = \"a\" // b";
  for (const std::vector<std::string>* lines : {&CurrentFile, &OldFile}) {
    const std::string whole = Join(*lines, lines->size());
    for (std::size_t size = 0; size <= whole.size(); ++size) {
      const int code = LoadCode(whole.substr(0, size));
      EXPECT_TRUE(code == 0 || code == 2) << "cut at byte " << size << ": code " << code;
      if (code == 0) {
        EXPECT_EQ(CoverageFaults(*ColourLine(Language.Get(), line, ColourState(), false), line), 0);
      }
    }
  }
}

// A file whose given line is replaced, with everything else as in CurrentFile.
std::string WithLine(std::size_t index, const std::string& line) {
  std::string text;
  for (std::size_t i = 0; i < CurrentFile.size(); ++i) text += (i == index ? line : CurrentFile[i]) + "\n";
  return text;
}

TEST_F(DamagedFiles, HugeCountsFailWithCodeTwoWithoutReservingTheirEntries) {
  EXPECT_EQ(LoadCode(WithLine(2, "ExtensionsCount=2147483647")), 2);
  EXPECT_EQ(LoadCode(WithLine(7, "LangElemCount=2147483647")), 2);
  EXPECT_EQ(LoadCode(WithLine(12, "WordsCount=2147483647")), 2);
}

TEST_F(DamagedFiles, NegativeCountsReadNoEntries) {
  for (const char* line : {"ExtensionsCount=-3", "ExtensionsCount=-2147483648"}) {
    const int code = LoadCode(WithLine(2, line));
    EXPECT_TRUE(code == 0 || code == 2) << line;
    if (code == 0) {
      EXPECT_TRUE(Language->Extensions.empty()) << line;
    }
  }
  const int code = LoadCode(WithLine(7, "LangElemCount=-1"));
  EXPECT_TRUE(code == 0 || code == 2);
  if (code == 0) {
    EXPECT_TRUE(Language->Elements.empty());
  }
  const int wordsCode = LoadCode(WithLine(12, "WordsCount=-5"));
  EXPECT_TRUE(wordsCode == 0 || wordsCode == 2);
}

TEST_F(DamagedFiles, AnUnknownElementKindAddsNoElement) {
  for (const char* line : {"LangElemKind=3", "LangElemKind=-1", "LangElemKind=2147483647"}) {
    const int code = LoadCode(WithLine(9, line));
    EXPECT_TRUE(code == 0 || code == 2) << line;
    if (code == 0) {
      EXPECT_EQ(Language->Elements.size(), 2u) << line;
    }
    if (code == 2) {
      EXPECT_TRUE(Language->Elements.empty()) << line;
    }
  }
}

}  // namespace
