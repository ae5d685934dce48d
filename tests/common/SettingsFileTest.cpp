// Tests of the settings file format: exact bytes written, positional reading, errors.
#include "common/SettingsFile.h"

#include "common/FileError.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

// Shaped like the platform's LOGFONT and RECT, so the templates can be tested here.
struct TestFont {
  long lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight;
  unsigned char lfItalic, lfUnderline, lfStrikeOut, lfCharSet, lfOutPrecision, lfClipPrecision, lfQuality,
      lfPitchAndFamily;
  char lfFaceName[32];
};

struct TestRect {
  long left, top, right, bottom;
};

bool operator==(const TestFont& a, const TestFont& b) {
  auto fields = [](const TestFont& f) {
    return std::make_tuple(f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight, f.lfItalic,
                           f.lfUnderline, f.lfStrikeOut, f.lfCharSet, f.lfOutPrecision, f.lfClipPrecision,
                           f.lfQuality, f.lfPitchAndFamily, std::string(f.lfFaceName));
  };
  return fields(a) == fields(b);
}

const char Header[] = "Version=10\r\n\r\n";

}  // namespace

class SettingsFileTest : public ::testing::Test {
protected:
  std::string Path() const { return Scratch.Path("s.ini"); }
  void WriteFile(const std::string& bytes) const { Scratch.WriteBytes("s.ini", bytes); }
  std::string FileBytes() const { return Scratch.ReadBytes("s.ini"); }
  // The exception thrown by loading the file and reading one integer field "A".
  Exception LoadFailure() const {
    try {
      SettingsFile file(Path(), true);
      int value = 0;
      file.ExchangeInt("A", value);
    } catch (const Exception& error) {
      return error;
    }
    return Exception(0, "nothing thrown");
  }

  ScratchFolder Scratch;
};

TEST_F(SettingsFileTest, SavingWritesTheHeaderAndFieldsWithCrLf) {
  {
    SettingsFile file(Path(), false);
    EXPECT_FALSE(file.IsLoading());
    EXPECT_EQ(10, file.GetVersion());
    int number = -12;
    std::string text = " a=b ";
    bool flag = false;
    file.ExchangeInt("Number", number);
    file.EndLine();
    file.ExchangeString("", text);
    file.ExchangeBool("Flag", flag);
    flag = true;
    file.ExchangeBool("Flag", flag);
  }
  EXPECT_EQ(std::string(Header) + "Number=-12\r\n\r\n= a=b \r\nFlag=False\r\nFlag=True\r\n", FileBytes());
}

TEST_F(SettingsFileTest, AFileWithNoFieldsIsJustTheHeader) {
  { SettingsFile file(Path(), false); }
  EXPECT_EQ(Header, FileBytes());
}

TEST_F(SettingsFileTest, SavedFieldsLoadBackInOrder) {
  int count = 0;
  std::string first = "=x=", second = "";
  {
    SettingsFile file(Path(), false);
    count = 2;
    file.ExchangeInt("ListCount", count);
    file.ExchangeString("Command", first);
    file.ExchangeString("Command", second);
    int empty = 0;
    file.ExchangeInt("EmptyCount", empty);
  }
  SettingsFile file(Path(), true);
  EXPECT_TRUE(file.IsLoading());
  count = 0;
  first = second = "old";
  int empty = 7;
  file.ExchangeInt("ListCount", count);
  file.ExchangeString("Command", first);
  file.ExchangeString("Command", second);
  file.ExchangeInt("EmptyCount", empty);
  EXPECT_EQ(2, count);
  EXPECT_EQ("=x=", first);
  EXPECT_EQ("", second);
  EXPECT_EQ(0, empty);
}

TEST_F(SettingsFileTest, LfAndCrFilesLoadLikeCrLfFiles) {
  for (const std::string lineEnd : {"\r\n", "\n", "\r"}) {
    WriteFile("Version=10" + lineEnd + lineEnd + "A=5" + lineEnd + "B=text" + lineEnd);
    SettingsFile file(Path(), true);
    int a = 0;
    std::string b;
    file.ExchangeInt("A", a);
    file.ExchangeString("B", b);
    EXPECT_EQ(5, a);
    EXPECT_EQ("text", b);
  }
}

TEST_F(SettingsFileTest, VersionRule) {
  WriteFile("Version=11\r\n\r\nA=1\r\n");
  const Exception newer = LoadFailure();
  EXPECT_EQ(1, newer.Code);
  EXPECT_EQ("", newer.Message);
  EXPECT_EQ("The file version is newer than the application version.", newer.GetMessageText());

  WriteFile("Version=9\r\n\r\nA=1\r\n");
  SettingsFile file(Path(), true);
  EXPECT_EQ(9, file.GetVersion());
}

TEST_F(SettingsFileTest, MissingFieldMessageNamesFieldAndFile) {
  WriteFile("Name=1\r\n\r\n");
  const Exception missing = LoadFailure();
  EXPECT_EQ(2, missing.Code);
  EXPECT_EQ("Could not find field 'Version' when loading file '" + Path() +
                "'. The file may be corrupted. You should either replace the file with a valid copy or "
                "delete the file from disk.",
            missing.GetMessageText());
}

TEST_F(SettingsFileTest, FieldsMustStandExactlyAtTheCurrentLine) {
  const std::string bad[] = {"A =1\r\n", "a=1\r\n", "X=0\r\nA=1\r\n", "\r\nA=1\r\n", "AA=1\r\n", ""};
  for (const std::string& body : bad) {
    WriteFile(Header + body);
    const Exception error = LoadFailure();
    EXPECT_EQ(2, error.Code) << body;
    EXPECT_NE(std::string::npos, error.Message.find("'A'")) << body;
  }
}

TEST_F(SettingsFileTest, IntegerParsing) {
  WriteFile(std::string(Header) + "A=word\r\nA=-12abc\r\nA= \t+7\r\nA=-2147483648\r\nA=\r\n42=x\r\nA=1");
  SettingsFile file(Path(), true);
  int values[5] = {3, 0, 0, 0, 0};
  for (int& value : values) file.ExchangeInt("A", value);
  EXPECT_EQ(3, values[0]);  // unparsable: unchanged
  EXPECT_EQ(-12, values[1]);
  EXPECT_EQ(7, values[2]);
  EXPECT_EQ(-2147483647 - 1, values[3]);
  EXPECT_EQ(42, values[4]);  // the parse looks past the line end ...
  // ... but the next field is still read from the following line.
  std::string next;
  file.ExchangeString("42", next);
  EXPECT_EQ("x", next);
  int last = 0;
  file.ExchangeInt("A", last);
  EXPECT_EQ(1, last);  // the last line needs no line end
}

TEST_F(SettingsFileTest, BooleanIsFalseOnlyForFalseInAnyCase) {
  const std::pair<std::string, bool> cases[] = {{"False", false}, {"false", false}, {"FaLSE", false},
                                                {"True", true},   {"0", true},      {"no", true},
                                                {"", true},       {" False", true}, {"Falsey", true}};
  for (const auto& [text, expected] : cases) {
    WriteFile(std::string(Header) + "B=" + text + "\r\n");
    SettingsFile file(Path(), true);
    bool value = !expected;
    file.ExchangeBool("B", value);
    EXPECT_EQ(expected, value) << text;
  }
}

TEST_F(SettingsFileTest, AStringWithALineBreakIsCutSoTheFileStaysReadable) {
  {
    SettingsFile file(Path(), false);
    std::string text = "one\r\ntwo", other = "a\nb", last = "ok";
    file.ExchangeString("S", text);
    file.ExchangeString("S", other);
    file.ExchangeString("S", last);
  }
  EXPECT_EQ(std::string(Header) + "S=one\r\nS=a\r\nS=ok\r\n", FileBytes());
}

TEST_F(SettingsFileTest, FontAndRectFieldsInTheirOrder) {
  TestFont font = {-13, 0, 1, 2, 700, 1, 0, 1, 0, 3, 2, 1, 49, "Courier New"};
  TestRect rect = {10, 20, 30, 40};
  {
    SettingsFile file(Path(), false);
    file.ExchangeFont("Font", font);
    file.ExchangeRect("Window", rect);
  }
  EXPECT_EQ(std::string(Header) +
                "FontHeight=-13\r\nFontWidth=0\r\nFontEscapement=1\r\nFontOrientation=2\r\nFontWeight=700\r\n"
                "FontItalic=True\r\nFontUnderline=False\r\nFontStrikeOut=True\r\nFontCharSet=0\r\n"
                "FontOutPrecision=3\r\nFontClipPrecision=2\r\nFontQuality=1\r\nFontPitchAndFamily=49\r\n"
                "FontFaceName=Courier New\r\nWindowTop=20\r\nWindowLeft=10\r\nWindowBottom=40\r\nWindowRight=30\r\n",
            FileBytes());
  TestFont loaded = {};
  TestRect loadedRect = {};
  SettingsFile file(Path(), true);
  file.ExchangeFont("Font", loaded);
  file.ExchangeRect("Window", loadedRect);
  EXPECT_TRUE(font == loaded);
  EXPECT_EQ(std::make_tuple(10L, 20L, 30L, 40L),
            std::make_tuple(loadedRect.left, loadedRect.top, loadedRect.right, loadedRect.bottom));
}

TEST_F(SettingsFileTest, LongFaceNameIsCutTo31BytesAndNarrowFieldsTruncate) {
  std::string body;
  for (const char* name : {"Height", "Width", "Escapement", "Orientation", "Weight"})
    body += std::string("F") + name + "=1\r\n";
  for (const char* name : {"Italic", "Underline", "StrikeOut"}) body += std::string("F") + name + "=x\r\n";
  body += "FCharSet=257\r\n";
  for (const char* name : {"OutPrecision", "ClipPrecision", "Quality", "PitchAndFamily"})
    body += std::string("F") + name + "=2\r\n";
  body += "FFaceName=" + std::string(40, 'n') + "\r\n";
  WriteFile(Header + body);
  TestFont font;
  std::memset(&font, 'z', sizeof font);
  SettingsFile file(Path(), true);
  file.ExchangeFont("F", font);
  EXPECT_EQ(std::string(31, 'n'), std::string(font.lfFaceName));
  EXPECT_EQ(1, font.lfCharSet);
  EXPECT_EQ(1, font.lfItalic);
}

TEST_F(SettingsFileTest, SaveReportsWriteErrorsThatTheDestructorSwallows) {
  const std::string path = Scratch.Path("missing-folder/s.ini");
  SettingsFile file(path, false);
  EXPECT_THROW(file.Save(), FileError);
}

TEST_F(SettingsFileTest, DestructorWritesOnlyWhatSaveHasNotWritten) {
  {
    SettingsFile file(Path(), false);
    int a = 1;
    file.ExchangeInt("A", a);
    file.Save();
    EXPECT_EQ(std::string(Header) + "A=1\r\n", FileBytes());
    WriteFile("changed");
  }
  EXPECT_EQ("changed", FileBytes());
  {
    SettingsFile file(Path(), false);
    file.Save();
    int b = 2;
    file.ExchangeInt("B", b);
  }
  EXPECT_EQ(std::string(Header) + "B=2\r\n", FileBytes());
}

TEST_F(SettingsFileTest, AnObjectLeftByAnExceptionWritesWhatItHolds) {
  try {
    SettingsFile file(Path(), false);
    int a = 4;
    file.ExchangeInt("A", a);
    throw 1;
  } catch (int) {
  }
  EXPECT_EQ(std::string(Header) + "A=4\r\n", FileBytes());
}

TEST_F(SettingsFileTest, LoadingAMissingFileThrowsFileError) {
  EXPECT_THROW(SettingsFile(Scratch.Path("none.ini"), true), FileError);
}

TEST(ExceptionTest, MessageTextFallsBackToTheCode) {
  EXPECT_EQ("set", Exception(1, "set").GetMessageText());
  EXPECT_EQ("Undefined error 7", Exception(7, "").GetMessageText());
}
