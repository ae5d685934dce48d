// The real editor under Wine: the case conversions and Insert Time/Date through their menu
// commands, each undone in one step, and the Editor Options preview of the time/date format.
#include "common/win32/DateTimeText.h"
#include "editor/resources/resource.h"
#include "tests/shell/win32/EditorProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCommandsTest : testing::Test {
  void Open(const std::string& bytes) {
    Editor.Folder().WriteBytes("doc.txt", bytes);
    File = Editor.Path("doc.txt");
    Editor.Start({File});
    ASSERT_TRUE(Editor.WaitForMainWindow());
    EditorProcess::WaitUntil([&] { return Editor.Caption() == File; });
  }
  void StartUntitled() {
    Editor.Start({});
    ASSERT_TRUE(Editor.WaitForMainWindow());
    EditorProcess::WaitUntil([&] { return Editor.Caption() == "Untitled.txt"; });
  }

  EditorProcess Editor;
  std::string File;
};

// "%Date% %Time%", the default format, as the platform formats the moment; the minute may
// turn while the editor works, so the text before and the one after both count.
bool IsDefaultTimeDate(const std::string& text, const std::string& before) {
  return text == before || text == DateText(false) + " " + TimeText(false);
}

TEST_F(TextCommandsTest, CaseConversionsKeepTheSelectionAndUndoInOneStepEach) {
  Open("hello WORLD-wide o'neil\n3rd don't \xE9t\xC9");
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.Command(ID_EDIT_TITLE_CASE);
  EXPECT_EQ(Editor.ViewText(), "Hello World-Wide O'neil\n3Rd Don't \xC9t\xE9");
  EXPECT_EQ(Editor.Caption(), File + "*");
  // Still selected: the next conversion takes the whole text again.
  Editor.Command(ID_EDIT_UPPER_CASE);
  EXPECT_EQ(Editor.ViewText(), "HELLO WORLD-WIDE O'NEIL\n3RD DON'T \xC9T\xC9");
  Editor.Command(ID_EDIT_TOGGLE_CASE);
  EXPECT_EQ(Editor.ViewText(), "hello world-wide o'neil\n3rd don't \xE9t\xE9");
  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), "HELLO WORLD-WIDE O'NEIL\n3RD DON'T \xC9T\xC9");
  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), "Hello World-Wide O'neil\n3Rd Don't \xC9t\xE9");
  // Undo brought the selection back with the text: the next conversion takes it all.
  Editor.Command(ID_EDIT_LOWER_CASE);
  EXPECT_EQ(Editor.ViewText(), "hello world-wide o'neil\n3rd don't \xE9t\xE9");
  Editor.Command(ID_EDIT_UNDO);
  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), "hello WORLD-wide o'neil\n3rd don't \xE9t\xC9");
  EXPECT_EQ(Editor.Caption(), File);
}

TEST_F(TextCommandsTest, WithoutASelectionTheCaseCommandsChangeNothing) {
  Open("Mixed Case");
  Editor.Command(ID_EDIT_UPPER_CASE);
  Editor.Command(ID_EDIT_TOGGLE_CASE);
  EXPECT_EQ(Editor.ViewText(), "Mixed Case");
  EXPECT_EQ(Editor.Caption(), File);
}

TEST_F(TextCommandsTest, AReadOnlyDocumentIsNeitherConvertedNorGivenTheTime) {
  Editor.Folder().WriteBytes("locked.txt", "Keep Me");
  File = Editor.Path("locked.txt");
  ASSERT_TRUE(SetFileAttributesA(File.c_str(), FILE_ATTRIBUTE_READONLY));
  Editor.Start({File});
  ASSERT_TRUE(Editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return Editor.Caption() == File + " [Read Only]"; });
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.Command(ID_EDIT_UPPER_CASE);
  Editor.Command(ID_EDIT_INSERT_TIME_DATE);
  EXPECT_EQ(Editor.ViewText(), "Keep Me");
  SetFileAttributesA(File.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(TextCommandsTest, InsertTimeDateLeavesTheCaretBehindNothingSelectedAndUndoesInOneStep) {
  StartUntitled();
  const std::string before = DateText(false) + " " + TimeText(false);
  Editor.Command(ID_EDIT_INSERT_TIME_DATE);
  const std::string inserted = Editor.ViewText();
  EXPECT_TRUE(IsDefaultTimeDate(inserted, before)) << inserted;
  EditorProcess::WaitUntil([&] { return Editor.StatusText() == "Ln 1, Col " + std::to_string(inserted.size() + 1); });
  // Nothing is selected: a second insertion goes behind the first.
  Editor.Command(ID_EDIT_INSERT_TIME_DATE);
  const std::string twice = Editor.ViewText();
  ASSERT_EQ(twice.size(), 2 * inserted.size()) << twice;
  EXPECT_EQ(twice.substr(0, inserted.size()), inserted);
  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), inserted);
  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), "");
}

TEST_F(TextCommandsTest, InsertTimeDateReplacesTheSelection) {
  Open("before SELECTED after");
  const std::string before = DateText(false) + " " + TimeText(false);
  Editor.Command(ID_EDIT_SELECT_ALL);
  Editor.Command(ID_EDIT_INSERT_TIME_DATE);
  EXPECT_TRUE(IsDefaultTimeDate(Editor.ViewText(), before)) << Editor.ViewText();
  Editor.Command(ID_EDIT_UNDO);
  EXPECT_EQ(Editor.ViewText(), "before SELECTED after");
}

TEST_F(TextCommandsTest, TheEditorOptionsPreviewShowsTheFormatExpandedWhileItIsTyped) {
  StartUntitled();
  const std::string before = DateText(false) + " " + TimeText(false);
  Editor.PostCommand(ID_OPTIONS_EDITOR);
  HWND dialog = Editor.WaitForWindow("Editor Options");
  ASSERT_TRUE(dialog);
  HWND preview = GetDlgItem(dialog, IDC_TIME_DATE_PREVIEW);
  EXPECT_TRUE(IsDefaultTimeDate(WindowText(preview), before)) << WindowText(preview);
  SendMessageA(GetDlgItem(dialog, IDC_TIME_DATE_FORMAT), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>("[%LONGDATE%] 100% plain"));
  EXPECT_EQ(WindowText(preview), "[" + DateText(true) + "] 100% plain");
  SendMessageA(GetDlgItem(dialog, IDC_TIME_DATE_FORMAT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("no macros"));
  EXPECT_EQ(WindowText(preview), "no macros");
  EditorProcess::Press(dialog, IDCANCEL);
  EditorProcess::WaitUntil([&] { return !IsWindow(dialog); });
}

}  // namespace
