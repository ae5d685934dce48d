// Tests of the path string functions and the file-name rules.
#include "common/Paths.h"

#include <gtest/gtest.h>

#include "common/Constants.h"

using Folders = std::vector<std::string>;

TEST(PathsTest, JoinPathPutsOneBackslash) {
  EXPECT_EQ(JoinPath("C:\\", "a.txt"), "C:\\a.txt");
  EXPECT_EQ(JoinPath("C:\\Data", "a.txt"), "C:\\Data\\a.txt");
  EXPECT_EQ(JoinPath("", "a.txt"), "a.txt");
}

TEST(PathsTest, DirectoryAndFileName) {
  EXPECT_EQ(DirectoryOf("C:\\Program Files\\Quilvane\\Quilvane.exe"), "C:\\Program Files\\Quilvane\\");
  EXPECT_EQ(FileNameOf("C:\\Program Files\\Quilvane\\Quilvane.exe"), "Quilvane.exe");
  EXPECT_EQ(DirectoryOf("C:\\Data\\"), "C:\\Data\\");
  EXPECT_EQ(FileNameOf("C:\\Data\\"), "");
  EXPECT_EQ(DirectoryOf("\\readme.txt"), "\\");
  EXPECT_EQ(FileNameOf("\\readme.txt"), "readme.txt");
  EXPECT_EQ(DirectoryOf("readme.txt"), "");
  EXPECT_EQ(FileNameOf("readme.txt"), "readme.txt");
}

TEST(PathsTest, TitleAndExtensionComeFromTheFileNamePart) {
  EXPECT_EQ(FileTitleOf("C:\\src\\main.cpp"), "main");
  EXPECT_EQ(ExtensionOf("C:\\src\\main.cpp"), "cpp");
  EXPECT_EQ(FileTitleOf("archive.tar.gz"), "archive.tar");
  EXPECT_EQ(ExtensionOf("archive.tar.gz"), "gz");
  EXPECT_EQ(ExtensionOf("C:\\my.dir\\Makefile"), "");
  EXPECT_EQ(FileTitleOf("C:\\my.dir\\Makefile"), "Makefile");
  EXPECT_EQ(ExtensionOf("name."), "");
  EXPECT_EQ(FileTitleOf("name."), "name");
  EXPECT_EQ(FileTitleOf("C:\\my.dir\\"), "");
  EXPECT_TRUE(HasExtension("a.lang"));
  EXPECT_FALSE(HasExtension("C:\\my.dir\\Makefile"));
  EXPECT_FALSE(HasExtension("name."));
}

TEST(PathsTest, SplitPath) {
  std::string dir = "x", title = "x", extension = "x";
  SplitPath("C:\\my.dir\\Makefile", dir, title, extension);
  EXPECT_EQ(dir, "C:\\my.dir\\");
  EXPECT_EQ(title, "Makefile");
  EXPECT_EQ(extension, "");
  SplitPath("notes.txt", dir, title, extension);
  EXPECT_EQ(dir, "");
  EXPECT_EQ(title, "notes");
  EXPECT_EQ(extension, "txt");
}

TEST(PathsTest, FileNameAndExtensionRules) {
  EXPECT_EQ(std::string(ForbiddenExtensionChars), std::string(ForbiddenFileNameChars) + ".");
  EXPECT_EQ(sizeof ForbiddenFileNameChars - 1, 9u);
  EXPECT_TRUE(IsValidFileName("my notes.txt"));
  for (char c : std::string(ForbiddenFileNameChars)) {
    EXPECT_FALSE(IsValidFileName(std::string("a") + c + "b")) << c;
  }
  EXPECT_TRUE(IsValidExtension("txt"));
  EXPECT_FALSE(IsValidExtension(".txt"));
  EXPECT_FALSE(IsValidExtension("t?t"));
  EXPECT_EQ(InvalidExtensionMessage(".txt"),
            "Extension '.txt' is not valid. Extensions cannot contain any of the following "
            "characters:\n\t\\/*:?\"<>|.");
}

TEST(FoldersAlongPathTest, StartsBelowTheRoot) {
  EXPECT_EQ(FoldersAlongPath("C:\\a\\b"), (Folders{"C:\\a", "C:\\a\\b"}));
  EXPECT_EQ(FoldersAlongPath("C:\\a\\b\\"), (Folders{"C:\\a", "C:\\a\\b"}));
  EXPECT_EQ(FoldersAlongPath("C:\\"), Folders{});
  EXPECT_EQ(FoldersAlongPath("C:"), Folders{});
  EXPECT_EQ(FoldersAlongPath("\\a\\b"), (Folders{"\\a", "\\a\\b"}));
  EXPECT_EQ(FoldersAlongPath("a\\b"), (Folders{"a", "a\\b"}));
  EXPECT_EQ(FoldersAlongPath(""), Folders{});
}

TEST(FoldersAlongPathTest, NetworkShareIsPartOfTheRoot) {
  EXPECT_EQ(FoldersAlongPath("\\\\server\\share\\a\\b"),
            (Folders{"\\\\server\\share\\a", "\\\\server\\share\\a\\b"}));
  EXPECT_EQ(FoldersAlongPath("\\\\server\\share\\"), Folders{});
  EXPECT_EQ(FoldersAlongPath("\\\\server\\share"), Folders{});
  EXPECT_EQ(FoldersAlongPath("\\\\server"), Folders{});
}

TEST(FoldersAlongPathTest, DoubledBackslashesAddNoEmptyStep) {
  EXPECT_EQ(FoldersAlongPath("C:\\a\\\\b"), (Folders{"C:\\a", "C:\\a\\\\b"}));
}
