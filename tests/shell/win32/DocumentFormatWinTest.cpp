// The real editor under Wine keeps each file's encoding and line breaks: a file opened,
// edited and saved keeps its form byte for byte, the status bar names the form, Save As
// converts, and a broken UTF-16 file is shown but not overwritten unasked.
#include "common/TextEncoding.h"
#include "editor/resources/resource.h"
#include "editor/shell/DocumentText.h"
#include "tests/shell/win32/EditorProcess.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr unsigned SaveAsCommand = 32773;

// The editor started on doc.txt holding bytes, with the document shown.
struct EditorOnFile {
  explicit EditorOnFile(const std::string& bytes, int newLineType = 0)
      : Editor(newLineType), File(Editor.Path("doc.txt")) {
    Editor.Folder().WriteBytes("doc.txt", bytes);
    Editor.Start({File});
    EXPECT_TRUE(Editor.WaitForMainWindow());
  }
  void WaitForCaption(const std::string& caption) {
    EditorProcess::WaitUntil([&] { return Editor.Caption() == caption; });
  }
  EditorProcess Editor;
  std::string File;
};

struct RoundTrip {
  const char* name;
  std::string bytes;
  std::string typed;  // the bytes of "x" typed at the start, after any mark
  std::size_t markSize;
  const char* encoding;
  const char* lineBreaks;
  int newLineSetting;
};

void PrintTo(const RoundTrip& trip, std::ostream* out) {
  *out << trip.name;
}

class FormatRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

struct ChildSearch {
  int Id;
  HWND Found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  if (GetDlgCtrlID(child) != search->Id) return TRUE;
  search->Found = child;
  return FALSE;
}

// A child of the Save As dialog, however deep the template put it.
HWND DescendantById(HWND dialog, int id) {
  ChildSearch search{id, nullptr};
  EnumChildWindows(dialog, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

int ItemIndex(HWND list, const char* text) {
  return static_cast<int>(SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text)));
}

// Saves as path with the encoding and line breaks chosen in the dialog's lists.
void SaveAs(EditorProcess& editor, const std::string& path, const char* encoding, const char* lineBreaks) {
  editor.PostCommand(SaveAsCommand);
  HWND dialog = editor.WaitForWindow("Save As");
  ASSERT_TRUE(dialog);
  HWND encodings = DescendantById(dialog, IDC_SAVE_ENCODING);
  HWND breaks = DescendantById(dialog, IDC_SAVE_NEWLINE);
  ASSERT_TRUE(encodings && breaks);
  ASSERT_EQ(SendMessageA(encodings, CB_GETCOUNT, 0, 0), 5);
  SendMessageA(encodings, CB_SETCURSEL, static_cast<WPARAM>(ItemIndex(encodings, encoding)), 0);
  SendMessageA(breaks, CB_SETCURSEL, static_cast<WPARAM>(ItemIndex(breaks, lineBreaks)), 0);
  SendMessageA(GetDlgItem(dialog, 1148), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  EditorProcess::Press(dialog, IDOK);
}

}  // namespace

TEST_P(FormatRoundTrip, AFileEditedAndSavedKeepsItsEncodingAndLineBreaksByteForByte) {
  const RoundTrip& trip = GetParam();
  EditorOnFile opened(trip.bytes, trip.newLineSetting);
  opened.WaitForCaption(opened.File);
  EXPECT_EQ(opened.Editor.StatusPartText(2), trip.encoding);
  EXPECT_EQ(opened.Editor.StatusPartText(3), trip.lineBreaks);
  opened.Editor.Type("x");
  opened.WaitForCaption(opened.File + "*");
  opened.Editor.PressKey('S', true);
  opened.WaitForCaption(opened.File);
  std::string expected = trip.bytes;
  expected.insert(trip.markSize, trip.typed);
  EXPECT_EQ(opened.Editor.Folder().ReadBytes("doc.txt"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryForm, FormatRoundTrip,
    ::testing::Values(RoundTrip{"AnsiLf", "a\nb\n", "x", 0, "ANSI", "LF", 0},
                      RoundTrip{"AnsiCr", "a\rb\r", "x", 0, "ANSI", "CR", 0},
                      RoundTrip{"AnsiCrLf", "caf\xE9\r\nb", "x", 0, "ANSI", "CR LF", 2},
                      RoundTrip{"NoBreakTakesTheSetting", "abc", "x", 0, "ANSI", "CR", 1},
                      RoundTrip{"Utf8", "caf\xC3\xA9\nb\n", "x", 0, "UTF-8", "LF", 0},
                      RoundTrip{"Utf8Bom", "\xEF\xBB\xBF" "a\r\n\xE2\x82\xAC", "x", 3, "UTF-8 with BOM", "CR LF", 2},
                      RoundTrip{"Utf16Le", std::string("\xFF\xFE" "a\0\n\0\xAC\x20\x3D\xD8\x00\xDE", 12),
                                std::string("x\0", 2), 2, "UTF-16 LE", "LF", 0},
                      RoundTrip{"Utf16Be", std::string("\xFE\xFF\0a\0\r\0b\0\r", 10), std::string("\0x", 2), 2,
                                "UTF-16 BE", "CR", 0}),
    [](const ::testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

TEST(DocumentFormatTest, ANewDocumentTakesTheLineBreaksOfTheSettingAndTheStatusBarFitsLongPositions) {
  std::string lines(1234566, '\n');
  EditorProcess editor(2);
  editor.Folder().WriteBytes("long.txt", "start\r\n" + lines + "0123456789012");
  editor.Start({});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.Caption() == "Untitled.txt"; });
  EXPECT_EQ(editor.StatusPartText(2), "ANSI");
  EXPECT_EQ(editor.StatusPartText(3), "LF");
  EditorProcess::WaitUntil([&] { return editor.StatusPartText(0) == "Ln 1, Col 1"; });
  EXPECT_EQ(editor.StatusPartEdges().front(), 100);

  EditorProcess again;
  const std::string path = again.Path("long.txt");
  again.Folder().WriteBytes("long.txt", "start\r\n" + lines + "0123456789012");
  again.Start({path, "-GL", "1234567"});
  ASSERT_TRUE(again.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return again.StatusPartText(0) == "Ln 1234567, Col 1"; });
  EXPECT_EQ(again.StatusPartText(3), "CR LF");
  const std::vector<int> edges = again.StatusPartEdges();
  ASSERT_EQ(edges.size(), 4u);
  EXPECT_GT(edges[0], 100);
  EXPECT_LT(edges[0], edges[1]);
  EXPECT_LT(edges[1], edges[2]);
  EXPECT_EQ(edges[3], -1);
}

TEST(DocumentFormatTest, SaveAsConvertsUtf8ToUtf16LittleEndian) {
  EditorOnFile opened("caf\xC3\xA9\nb");
  opened.WaitForCaption(opened.File);
  const std::string target = opened.Editor.Path("wide.txt");
  SaveAs(opened.Editor, target, "UTF-16 LE", "CR LF");
  opened.WaitForCaption(target);
  EXPECT_EQ(opened.Editor.Folder().ReadBytes("wide.txt"), std::string("\xFF\xFE" "c\0a\0f\0\xE9\0\r\0\n\0b\0", 16));
  EXPECT_EQ(opened.Editor.StatusPartText(2), "UTF-16 LE");
  EXPECT_EQ(opened.Editor.StatusPartText(3), "CR LF");
  EXPECT_EQ(opened.Editor.Folder().ReadBytes("doc.txt"), "caf\xC3\xA9\nb");
}

TEST(DocumentFormatTest, SaveAsAnsiAsksBeforeLosingCharactersOutsideTheCodePage) {
  ASSERT_EQ(GetACP(), 1252u) << "the expected bytes are those of Windows-1252";
  EditorOnFile opened("\xE2\x82\xAC \xC3\xA9 \xE4\xB8\xAD\n");
  opened.WaitForCaption(opened.File);
  const std::string target = opened.Editor.Path("ansi.txt");
  SaveAs(opened.Editor, target, "ANSI", "LF");
  HWND question = opened.Editor.WaitForWindow("Save File");
  ASSERT_TRUE(question);
  EXPECT_EQ(EditorProcess::MessageBoxText(question), AnsiLossQuestion(1, "U+4E2D"));
  EditorProcess::Press(question, IDNO);
  EditorProcess::WaitUntil([&] { return !opened.Editor.FindWindowNamed("Save File"); });
  EXPECT_EQ(opened.Editor.Caption(), opened.File);
  EXPECT_FALSE(std::filesystem::exists(target));

  SaveAs(opened.Editor, target, "ANSI", "LF");
  question = opened.Editor.WaitForWindow("Save File");
  ASSERT_TRUE(question);
  EditorProcess::Press(question, IDYES);
  opened.WaitForCaption(target);
  EXPECT_EQ(opened.Editor.Folder().ReadBytes("ansi.txt"), "\x80 \xE9 ?\n");
  EXPECT_EQ(opened.Editor.ViewText(), "\x80 \xE9 ?\n");
  EXPECT_EQ(opened.Editor.StatusPartText(2), "ANSI");
}

TEST(DocumentFormatTest, BrokenUtf16IsShownWithReplacementsReadOnlyAndKeptUntilSavedElsewhere) {
  const std::string broken("\xFF\xFE" "a\0\x3D\xD8" "b\0c", 9);
  EditorOnFile opened(broken);
  HWND warning = opened.Editor.WaitForWindow("Quilvane");
  ASSERT_TRUE(warning);
  EXPECT_EQ(EditorProcess::MessageBoxText(warning), ReplacedUnitsMessage(opened.File, "UTF-16 LE", 2));
  EditorProcess::Press(warning, IDOK);
  opened.WaitForCaption(opened.File + " [Read Only]");
  EXPECT_EQ(opened.Editor.ViewText(), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
  opened.Editor.Type("x");
  opened.Editor.PressKey('S', true);
  Sleep(500);
  EXPECT_EQ(opened.Editor.Folder().ReadBytes("doc.txt"), broken);

  const std::string target = opened.Editor.Path("mended.txt");
  SaveAs(opened.Editor, target, "UTF-16 LE", "CR LF");
  opened.WaitForCaption(target);
  EXPECT_EQ(opened.Editor.Folder().ReadBytes("mended.txt"), std::string("\xFF\xFE" "a\0\xFD\xFF" "b\0\xFD\xFF", 10));
  EXPECT_EQ(opened.Editor.Folder().ReadBytes("doc.txt"), broken);
}
