// Macro expansion of tools: path parts, letter case, environment, prompts and previews.
#include "editor/shell/ToolMacros.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// An environment of two variables and a user who answers from a list, noting the questions.
struct FakePlatform {
  std::map<std::string, std::string> Variables{{"SRC", "C:\\src"}, {"TOOL", "%FileName%"}};
  std::vector<std::string> Answers;
  std::vector<std::string> Questions;

  ToolMacroContext Context() {
    ToolMacroContext context;
    context.CurrentDir = "D:\\work";
    context.Environment = [this](const std::string& name, std::string& value) {
      auto found = Variables.find(name);
      if (found == Variables.end()) return false;
      value = found->second;
      return true;
    };
    context.Prompt = [this](const std::string& message) {
      Questions.push_back(message);
      if (Answers.empty()) return std::string();
      std::string answer = Answers.front();
      Answers.erase(Answers.begin());
      return answer;
    };
    return context;
  }
};

std::string Expand(FakePlatform& platform, const std::string& path, const std::string& text, bool preview = false) {
  return ExpandToolMacros(platform.Context(), path, text, preview);
}

TEST(ToolMacros, PathPartsOfADocumentInAnyLetterCase) {
  FakePlatform platform;
  const std::string path = "C:\\src\\main.cpp";
  EXPECT_EQ(Expand(platform, path, "%FileDir%%FileName%.exe"), "C:\\src\\main.exe");
  EXPECT_EQ(Expand(platform, path, "%FileExt%"), "cpp");
  EXPECT_EQ(Expand(platform, path, "%filepath% %FILEDIR% %fIlEnAmE% %FileEXT%"), "C:\\src\\main.cpp C:\\src\\ main cpp");
  EXPECT_EQ(Expand(platform, path, "%CurDir%\\x %curdir%"), "D:\\work\\x D:\\work");
  EXPECT_EQ(Expand(platform, path, "\"%FilePath%\" %FilePath%"), "\"C:\\src\\main.cpp\" C:\\src\\main.cpp");
}

TEST(ToolMacros, DottedFolderFileWithoutExtensionAndUntitledDocument) {
  FakePlatform platform;
  EXPECT_EQ(Expand(platform, "C:\\old.src\\Makefile", "[%FileDir%|%FileName%|%FileExt%]"), "[C:\\old.src\\|Makefile|]");
  EXPECT_EQ(Expand(platform, "Untitled", "[%FilePath%|%FileDir%|%FileName%]"), "[Untitled||Untitled]");
  EXPECT_EQ(Expand(platform, "", "[%FilePath%%FileDir%%FileExt%]"), "[]");
}

TEST(ToolMacros, InsertedValuesAreNotExpandedAgain) {
  FakePlatform platform;
  // A value that holds its own macro's name is not replaced once more.
  EXPECT_EQ(Expand(platform, "C:\\%FilePath%\\a.txt", "%FilePath%"), "C:\\%FilePath%\\a.txt");
  EXPECT_EQ(Expand(platform, "C:\\x\\%curdir%", "%CurDir%|%FileName%"), "D:\\work|%curdir%");
  platform.Answers = {"%FilePath%", "%Prompt:again%"};
  EXPECT_EQ(Expand(platform, "C:\\a.c", "%Prompt:x% %Prompt:y%"), "%FilePath% %Prompt:again%");
  EXPECT_EQ(platform.Questions, (std::vector<std::string>{"x", "y"}));
}

TEST(ToolMacros, EnvironmentReferencesComeFirstAndUnknownOnesStay) {
  FakePlatform platform;
  EXPECT_EQ(Expand(platform, "C:\\a\\b.c", "%SRC%\\%NOSUCH%\\x"), "C:\\src\\%NOSUCH%\\x");
  // A variable may hold a file macro, which the next step expands.
  EXPECT_EQ(Expand(platform, "C:\\a\\b.c", "%TOOL%.o"), "b.o");
  // The closing "%" of an unknown reference may open a known one.
  EXPECT_EQ(Expand(platform, "C:\\a\\b.c", "%NOSUCH%SRC%"), "%NOSUCHC:\\src");
  EXPECT_EQ(Expand(platform, "C:\\a\\b.c", "100% %%SRC%"), "100% %C:\\src");
  EXPECT_EQ(Expand(platform, "C:\\a\\b.c", "50%"), "50%");
}

TEST(ToolMacros, PromptsAskInOrderAndPreviewShowsTheirMessages) {
  FakePlatform platform;
  platform.Answers = {"one", "two"};
  EXPECT_EQ(Expand(platform, "", "-a %Prompt:Enter a value% -b %PROMPT:Second:%"), "-a one -b two");
  EXPECT_EQ(platform.Questions, (std::vector<std::string>{"Enter a value", "Second:"}));
  platform.Questions.clear();
  EXPECT_EQ(Expand(platform, "", "-a %Prompt:Enter a value% -b %prompt:Other%", true), "-a <Enter a value> -b <Other>");
  EXPECT_TRUE(platform.Questions.empty());
  // A dismissed question gives an empty text; an empty message still asks.
  EXPECT_EQ(Expand(platform, "", "[%Prompt:Name%][%Prompt:%]"), "[][]");
  EXPECT_EQ(platform.Questions, (std::vector<std::string>{"Name", ""}));
}

TEST(ToolMacros, UnfinishedPromptsStayUnchanged) {
  FakePlatform platform;
  EXPECT_EQ(Expand(platform, "", "x %Prompt:Enter a value"), "x %Prompt:Enter a value");
  EXPECT_EQ(Expand(platform, "", "x %Prompt:"), "x %Prompt:");
  platform.Answers = {"ok"};
  EXPECT_EQ(Expand(platform, "", "%Prompt:a% %Prompt:b"), "ok %Prompt:b");
  EXPECT_EQ(platform.Questions, (std::vector<std::string>{"a"}));
}

TEST(ToolMacros, PromptMessagesSeeTheOtherMacrosExpanded) {
  FakePlatform platform;
  EXPECT_EQ(Expand(platform, "C:\\a\\b.c", "%Prompt:Arguments for %FileName%%", true), "<Arguments for b>");
  EXPECT_EQ(Expand(platform, "C:\\a\\b.c", "%Prompt:Value for %SRC%%", true), "<Value for C:\\src>");
  // The macro's own "%" closes the message first; what is left has no closing "%".
  EXPECT_EQ(Expand(platform, "C:\\a\\b.c", "%Prompt:Arguments for %FileName%", true), "%Prompt:Arguments for b");
}

}  // namespace
