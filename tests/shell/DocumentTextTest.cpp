// A document's texts: untitled names, the caption, line breaks as written, Recent items, the
// Open dialog's name, and the messages naming a file; with a load and save on real files.
#include "editor/shell/DocumentText.h"

#include "common/TextFile.h"
#include "tests/common/ScratchFolder.h"
#include "tests/view/ViewFakes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(UntitledName, CarriesTheDefaultExtensionUnlessItIsEmpty) {
  EXPECT_EQ(UntitledName("txt"), "Untitled.txt");
  EXPECT_EQ(UntitledName("cpp"), "Untitled.cpp");
  EXPECT_EQ(UntitledName(""), "Untitled");
}

TEST(IsUntitled, TheBareNameOrTheNameAndADotWithCaseCounting) {
  EXPECT_TRUE(IsUntitled("Untitled"));
  EXPECT_TRUE(IsUntitled("Untitled.txt"));
  EXPECT_TRUE(IsUntitled("Untitled."));
  EXPECT_TRUE(IsUntitled(UntitledName("")));
  EXPECT_TRUE(IsUntitled(UntitledName("txt")));
  EXPECT_FALSE(IsUntitled("untitled.txt"));
  EXPECT_FALSE(IsUntitled("Untitled2.txt"));
  EXPECT_FALSE(IsUntitled("Untitle"));
  EXPECT_FALSE(IsUntitled("C:\\Untitled.txt"));
  EXPECT_FALSE(IsUntitled(""));
}

TEST(CaptionText, PathThenModifiedMarkThenReadOnly) {
  EXPECT_EQ(CaptionText("C:\\a.txt", false, false), "C:\\a.txt");
  EXPECT_EQ(CaptionText("C:\\a.txt", true, false), "C:\\a.txt*");
  EXPECT_EQ(CaptionText("C:\\a.txt", false, true), "C:\\a.txt [Read Only]");
  EXPECT_EQ(CaptionText("Untitled.txt", true, true), "Untitled.txt* [Read Only]");
}

TEST(ToNewLineType, EachTypeWritesItsBreakAndAddsNoneAtTheEnd) {
  EXPECT_EQ(ToNewLineType("a\nb\n\nc", 0), "a\r\nb\r\n\r\nc");
  EXPECT_EQ(ToNewLineType("a\nb\n\nc", 1), "a\rb\r\rc");
  EXPECT_EQ(ToNewLineType("a\nb\n\nc", 2), "a\nb\n\nc");
  EXPECT_EQ(ToNewLineType("a\n", 0), "a\r\n");
  EXPECT_EQ(ToNewLineType("", 0), "");
  // A stored value the editor does not know writes LF, as the view's GetText does.
  EXPECT_EQ(ToNewLineType("a\nb", 7), "a\nb");
}

TEST(RecentItemText, DigitsThenLettersThenTheBarePath) {
  EXPECT_EQ(RecentItemText(0, "C:\\a.txt"), "&0 C:\\a.txt");
  EXPECT_EQ(RecentItemText(9, "C:\\a.txt"), "&9 C:\\a.txt");
  EXPECT_EQ(RecentItemText(10, "C:\\a.txt"), "&A C:\\a.txt");
  EXPECT_EQ(RecentItemText(35, "C:\\a.txt"), "&Z C:\\a.txt");
  EXPECT_EQ(RecentItemText(36, "C:\\a.txt"), "C:\\a.txt");
  EXPECT_EQ(RecentItemText(100, "C:\\a.txt"), "C:\\a.txt");
}

TEST(RecentItemText, AnAmpersandOfThePathShowsInsteadOfMarkingALetter) {
  EXPECT_EQ(RecentItemText(1, "C:\\R&D\\a.txt"), "&1 C:\\R&&D\\a.txt");
  EXPECT_EQ(RecentItemText(12, "&&"), "&C &&&&");
  EXPECT_EQ(RecentItemText(40, "C:\\R&D"), "C:\\R&&D");
}

// The Open dialog's choice, with a file system that knows only the listed names.
class OpenDialogPathTest : public ::testing::Test {
protected:
  std::string Chosen(const std::string& name, const std::string& extension = "txt") {
    return OpenDialogPath(name, extension, [this](const std::string& path) { return Existing.count(path) != 0; });
  }
  std::set<std::string> Existing;
};

TEST_F(OpenDialogPathTest, AnExistingFileWithoutExtensionOpensAsChosen) {
  Existing = {"C:\\src\\Makefile"};
  EXPECT_EQ(Chosen("C:\\src\\Makefile"), "C:\\src\\Makefile");
}

TEST_F(OpenDialogPathTest, AMissingNameWithoutExtensionGetsTheDefaultOne) {
  EXPECT_EQ(Chosen("C:\\src\\Makefile"), "C:\\src\\Makefile.txt");
  EXPECT_EQ(Chosen("C:\\src\\Makefile", "cpp"), "C:\\src\\Makefile.cpp");
  // A dot in a folder name is no extension of the file.
  EXPECT_EQ(Chosen("C:\\v1.2\\README"), "C:\\v1.2\\README.txt");
}

TEST_F(OpenDialogPathTest, ANameWithAnExtensionOrNoDefaultStaysAsItIs) {
  EXPECT_EQ(Chosen("C:\\src\\main.cpp"), "C:\\src\\main.cpp");
  EXPECT_EQ(Chosen("C:\\src\\Makefile", ""), "C:\\src\\Makefile");
}

TEST(DocumentMessages, EachNamesTheFile) {
  EXPECT_EQ(MissingFileMessage("C:\\a.txt"), "File 'C:\\a.txt' does not exist.");
  EXPECT_EQ(ReadOnlyTargetMessage("C:\\a.txt"),
            "You cannot save over read only file:\nC:\\a.txt\n\nYou must save this file with a different name or "
            "make the file on disk writeable.");
  EXPECT_EQ(BinaryFileMessage("C:\\b.bin"),
            "File 'C:\\b.bin' contains binary data (NUL bytes). It was opened read-only so that it cannot be "
            "overwritten.");
}

TEST(DocumentMessages, TheReloadQuestionWarnsOfLostChangesOnlyWhenModified) {
  EXPECT_EQ(ExternalChangeQuestion("C:\\a.txt", false),
            "File 'C:\\a.txt' has been modified externally.\n\nDo you want to reload the file?");
  EXPECT_EQ(ExternalChangeQuestion("C:\\a.txt", true),
            "File 'C:\\a.txt' has been modified externally.\n\nDo you want to reload the file and lose your changes?");
}

// A file read with normalisation into the view and written back with each line-break type.
class LoadAndSaveTest : public ::testing::Test {
protected:
  void Load(const std::string& bytes) {
    Scratch.WriteBytes("doc.txt", bytes);
    Fixture.View.SetText(ReadTextFile(Scratch.Path("doc.txt"), true, &HeldNulByte));
  }
  std::string SavedAs(int newLineType) {
    WriteTextFile(Scratch.Path("out.txt"), ToNewLineType(Fixture.View.GetText(NewLineLf), newLineType));
    return Scratch.ReadBytes("out.txt");
  }

  ScratchFolder Scratch;
  ViewFixture Fixture;
  bool HeldNulByte = false;
};

TEST_F(LoadAndSaveTest, MixedBreaksLoadAsFourLinesAndSaveInOneStyleWithoutAFinalBreak) {
  Load("one\r\ntwo\rthree\nfour");
  ASSERT_EQ(Fixture.View.LineCount(), 4);
  EXPECT_EQ(Fixture.View.LineText(2), "three");
  EXPECT_EQ(SavedAs(0), "one\r\ntwo\r\nthree\r\nfour");
  EXPECT_EQ(SavedAs(1), "one\rtwo\rthree\rfour");
  EXPECT_EQ(SavedAs(2), "one\ntwo\nthree\nfour");
}

TEST_F(LoadAndSaveTest, SoftBreaksOfWordWrapNeverReachTheFile) {
  Load("alpha beta gamma delta epsilon zeta eta theta\r\nend\r\n");
  Fixture.View.SetClientSize(10 * 7, 25 * 16);
  Fixture.View.SetWordWrap(true);
  ASSERT_GT(Fixture.View.LineCount(), 3);
  EXPECT_EQ(SavedAs(0), "alpha beta gamma delta epsilon zeta eta theta\r\nend\r\n");
  EXPECT_EQ(SavedAs(0), Fixture.View.GetText(NewLineCrLf));
  EXPECT_EQ(SavedAs(1), Fixture.View.GetText(NewLineCr));
}

TEST_F(LoadAndSaveTest, AnEmptyFileIsAnEmptyUnmodifiedDocument) {
  Load("");
  Fixture.View.ClearUndo();
  Fixture.View.SetModified(false);
  EXPECT_EQ(Fixture.View.Length(), 0);
  EXPECT_FALSE(Fixture.View.IsModified());
  EXPECT_FALSE(HeldNulByte);
  EXPECT_EQ(SavedAs(0), "");
}

// The document shows the text before the zero byte, and the caller learns that the rest
// would be lost if that text were saved over the file.
TEST_F(LoadAndSaveTest, AFileWithAZeroByteLoadsUpToItAndSaysSo) {
  Load(std::string("text\r\nmore\0binary\r\n", 19));
  EXPECT_TRUE(HeldNulByte);
  EXPECT_EQ(Fixture.View.GetText(NewLineLf), "text\nmore");
  EXPECT_EQ(Scratch.ReadBytes("doc.txt").size(), 19u);
}

}  // namespace
