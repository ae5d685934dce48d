// The real editor's Find, Replace and Goto Line dialogs under Wine, driven by messages as a
// user's clicks would send them: layouts, button rules, close on find, the counted Replace
// All, read-only files and the Goto field.
#include "editor/resources/resource.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct EditorOnFile {
  explicit EditorOnFile(const std::string& text) : File(Editor.Path("doc.txt")) {
    Editor.Folder().WriteBytes("doc.txt", text);
  }
  void Start() {
    Editor.Start({File});
    EXPECT_TRUE(Editor.WaitForMainWindow());
    EditorProcess::WaitUntil([&] { return Editor.Caption() == File || Editor.Caption() == File + " [Read Only]"; });
  }
  void Command(int id) { PostMessageA(Editor.MainWindow(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  // The dialog's box for this request, answered with OK; its text.
  std::string AnswerBox(const char* caption) {
    HWND box = Editor.WaitForWindow(caption);
    EXPECT_TRUE(box) << caption;
    if (!box) return std::string();
    const std::string text = EditorProcess::MessageBoxText(box);
    EditorProcess::Press(box, IDOK);
    EditorProcess::WaitUntil([&] { return !IsWindow(box); });
    return text;
  }
  void WaitForStatus(const std::string& status) {
    EditorProcess::WaitUntil([&] { return Editor.StatusText() == status; });
  }

  EditorProcess Editor;
  std::string File;
};

bool Shown(HWND dialog, int id) {
  return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

bool Enabled(HWND dialog, int id) {
  return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

int TopOf(HWND dialog, int id) {
  RECT rect;
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  return rect.top;
}

// Types into the combo's edit field as far as the dialog can tell.
void SetFindText(HWND dialog, int comboId, const std::string& text) {
  HWND combo = GetDlgItem(dialog, comboId);
  SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
}

void SetCheck(HWND dialog, int id, bool on) {
  SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string Shot(HWND window, const char* name) {
  RECT frame;
  GetWindowRect(window, &frame);
  return SaveScreenshot(CaptureScreenArea(frame), name);
}

}  // namespace

TEST(FindWinTest, FindModeHidesTheReplacePartsAndClosesOnFind) {
  EditorOnFile editor("alpha beta\ngamma beta\n");
  editor.Start();
  editor.Command(ID_SEARCH_FIND);
  HWND dialog = editor.Editor.WaitForWindow("Find");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), editor.Editor.MainWindow());
  for (int id : {IDC_SELECTION_ONLY, IDC_REPLACE_LABEL, IDC_REPLACE_TEXT, IDC_REPLACE_BUTTON, IDC_REPLACE_ALL_BUTTON})
    EXPECT_FALSE(Shown(dialog, id)) << id;
  EXPECT_TRUE(Shown(dialog, IDC_CLOSE_ON_FIND));
  EXPECT_EQ(TopOf(dialog, IDCANCEL), TopOf(dialog, IDC_REPLACE_BUTTON));
  const int findModeOffset = TopOf(dialog, IDC_WHOLE_WORD) - TopOf(dialog, IDC_FIND_TEXT);
  // The word at the caret, and the defaults of a first run.
  EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_FIND_TEXT)), "alpha");
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CLOSE_ON_FIND), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_ALLOW_ESCAPES), BST_CHECKED);
  EXPECT_TRUE(Enabled(dialog, IDC_FIND_BUTTON));
  SetFindText(dialog, IDC_FIND_TEXT, "");
  EXPECT_FALSE(Enabled(dialog, IDC_FIND_BUTTON));
  SetFindText(dialog, IDC_FIND_TEXT, "beta");
  EXPECT_TRUE(Enabled(dialog, IDC_FIND_BUTTON));
  EXPECT_FALSE(Shot(dialog, "QuilvaneFindDialog.png").empty());

  EditorProcess::Press(dialog, IDC_FIND_BUTTON);
  EditorProcess::WaitUntil([&] { return !IsWindow(dialog); });
  editor.WaitForStatus("Ln 1, Col 11");
  editor.Command(ID_SEARCH_FIND_NEXT);
  editor.WaitForStatus("Ln 2, Col 11");
  editor.Command(ID_SEARCH_FIND_NEXT);
  EXPECT_EQ(editor.AnswerBox("Finished Search"), "You have finished searching through all the text for 'beta'.");
  EXPECT_EQ(editor.Editor.StatusText(), "Ln 2, Col 11");
  editor.Command(ID_SEARCH_FIND_PREVIOUS);
  editor.WaitForStatus("Ln 1, Col 11");
  // The Replace layout has the check boxes 24 pixels lower.
  editor.Command(ID_SEARCH_REPLACE);
  dialog = editor.Editor.WaitForWindow("Replace");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(TopOf(dialog, IDC_WHOLE_WORD) - TopOf(dialog, IDC_FIND_TEXT), findModeOffset + 24);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_FIND_TEXT)), "beta");  // the selected match
}

TEST(FindWinTest, ReplaceModeCountsReplaceAllAndFollowsSelectionOnly) {
  EditorOnFile editor("a cat, a hat\\n\n");
  editor.Start();
  editor.Command(ID_SEARCH_REPLACE);
  HWND dialog = editor.Editor.WaitForWindow("Replace");
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(Shown(dialog, IDC_CLOSE_ON_FIND));
  EXPECT_TRUE(Shown(dialog, IDCANCEL));
  EXPECT_GT(TopOf(dialog, IDCANCEL), TopOf(dialog, IDC_REPLACE_ALL_BUTTON));
  for (int id : {IDC_SELECTION_ONLY, IDC_REPLACE_TEXT, IDC_REPLACE_BUTTON, IDC_REPLACE_ALL_BUTTON})
    EXPECT_TRUE(Shown(dialog, id)) << id;
  SetFindText(dialog, IDC_FIND_TEXT, "at");
  SetFindText(dialog, IDC_REPLACE_TEXT, "\\t");
  EXPECT_TRUE(Enabled(dialog, IDC_FIND_BUTTON));
  EXPECT_TRUE(Enabled(dialog, IDC_REPLACE_BUTTON));
  EXPECT_TRUE(Enabled(dialog, IDC_REPLACE_ALL_BUTTON));
  SendMessageA(GetDlgItem(dialog, IDC_SELECTION_ONLY), BM_CLICK, 0, 0);
  EXPECT_FALSE(Enabled(dialog, IDC_FIND_BUTTON));
  EXPECT_FALSE(Enabled(dialog, IDC_REPLACE_BUTTON));
  EXPECT_TRUE(Enabled(dialog, IDC_REPLACE_ALL_BUTTON));
  SendMessageA(GetDlgItem(dialog, IDC_SELECTION_ONLY), BM_CLICK, 0, 0);
  EXPECT_TRUE(Enabled(dialog, IDC_FIND_BUTTON));
  EXPECT_FALSE(Shot(dialog, "QuilvaneReplaceDialog.png").empty());

  SetCheck(dialog, IDC_SEARCH_UP, true);  // Replace All scans forwards all the same
  EditorProcess::Press(dialog, IDC_REPLACE_ALL_BUTTON);
  EXPECT_EQ(editor.AnswerBox("Replace All"), "2 replacments made.");
  EXPECT_EQ(editor.Editor.ViewText(), "a c\t, a h\t\\n\n");
  EXPECT_TRUE(IsWindowVisible(dialog));
  // Escapes off: the typed backslash pair is searched as it is.
  SetCheck(dialog, IDC_ALLOW_ESCAPES, false);
  SetFindText(dialog, IDC_FIND_TEXT, "\\n");
  SetFindText(dialog, IDC_REPLACE_TEXT, "!");
  EditorProcess::Press(dialog, IDC_REPLACE_ALL_BUTTON);
  EXPECT_EQ(editor.AnswerBox("Replace All"), "1 replacments made.");
  EXPECT_EQ(editor.Editor.ViewText(), "a c\t, a h\t!\n");
  EditorProcess::Press(dialog, IDCANCEL);
  EditorProcess::WaitUntil([&] { return !IsWindow(dialog); });
}

TEST(FindWinTest, AReadOnlyFileCanBeSearchedButNotReplaced) {
  EditorOnFile editor("one two one\n");
  editor.Start();
  editor.Command(ID_SEARCH_REPLACE);
  HWND dialog = editor.Editor.WaitForWindow("Replace");
  ASSERT_TRUE(dialog);
  SetFindText(dialog, IDC_FIND_TEXT, "one");
  EXPECT_TRUE(Enabled(dialog, IDC_REPLACE_ALL_BUTTON));
  // The file watch notices the attribute and the dialog follows.
  ASSERT_TRUE(SetFileAttributesA(editor.File.c_str(), FILE_ATTRIBUTE_READONLY));
  EditorProcess::WaitUntil([&] { return !Enabled(dialog, IDC_REPLACE_ALL_BUTTON); });
  EXPECT_FALSE(Enabled(dialog, IDC_REPLACE_BUTTON));
  EXPECT_TRUE(Enabled(dialog, IDC_FIND_BUTTON));
  EditorProcess::Press(dialog, IDC_REPLACE_ALL_BUTTON);
  EditorProcess::Press(dialog, IDC_FIND_BUTTON);
  editor.WaitForStatus("Ln 1, Col 4");
  EXPECT_EQ(editor.Editor.ViewText(), "one two one\n");
  EXPECT_FALSE(editor.Editor.FindWindowNamed("Replace All"));
  SetFileAttributesA(editor.File.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FindWinTest, GotoRefusesAFieldWithoutANumberAndTakesALeadingOne) {
  std::string text;
  for (int i = 1; i <= 15; ++i) text += "line " + std::to_string(i) + "\n";
  EditorOnFile editor(text);
  editor.Start();
  editor.Command(ID_SEARCH_GOTO_LINE);
  HWND dialog = editor.Editor.WaitForWindow("Goto Line");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_GOTO_LABEL)), "Line &number (1 - 16):");
  EXPECT_FALSE(Enabled(dialog, IDOK));
  SetDlgItemTextA(dialog, IDC_GOTO_LINE, "abc");
  EditorProcess::WaitUntil([&] { return Enabled(dialog, IDOK); });
  EXPECT_FALSE(Shot(dialog, "QuilvaneGotoDialog.png").empty());
  EditorProcess::Press(dialog, IDOK);
  EXPECT_EQ(editor.AnswerBox("Error"), "'abc' is not a valid line number.");
  EXPECT_TRUE(IsWindow(dialog));
  SetDlgItemTextA(dialog, IDC_GOTO_LINE, "12abc");
  EditorProcess::Press(dialog, IDOK);
  EditorProcess::WaitUntil([&] { return !IsWindow(dialog); });
  editor.WaitForStatus("Ln 12, Col 1");
  editor.Command(ID_SEARCH_GOTO_LINE);
  dialog = editor.Editor.WaitForWindow("Goto Line");
  ASSERT_TRUE(dialog);
  SetDlgItemTextA(dialog, IDC_GOTO_LINE, "99999");
  EditorProcess::Press(dialog, IDOK);
  editor.WaitForStatus("Ln 16, Col 1");
}

TEST(FindWinTest, GotoWithWordWrapCountsAndTakesTheLinesOfTheFile) {
  std::string text;
  for (int i = 1; i <= 30; ++i) text += "line " + std::to_string(i) + std::string(300, i == 29 ? 'y' : 'x') + " end\n";
  EditorOnFile editor(text);
  editor.Start();
  editor.Command(ID_OPTIONS_WORD_WRAP);  // each line now takes several display lines
  editor.Command(ID_SEARCH_GOTO_LINE);
  HWND dialog = editor.Editor.WaitForWindow("Goto Line");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_GOTO_LABEL)), "Line &number (1 - 31):");
  SetDlgItemTextA(dialog, IDC_GOTO_LINE, "29");
  EditorProcess::Press(dialog, IDOK);
  editor.WaitForStatus("Ln 29, Col 1");
  EXPECT_EQ(editor.Editor.StatusText(), "Ln 29, Col 1");
}
