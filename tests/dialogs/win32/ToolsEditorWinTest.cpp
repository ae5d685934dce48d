// The Tools editor in the real editor under Wine: adding a tool and its checks, previews,
// mnemonics, the conflict question on OK, the Tools menu afterwards, Delete and Cancel.
#include "common/win32/KeyNames.h"
#include "tests/dialogs/win32/DialogDriver.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr unsigned EditToolsCommand = 32792;
constexpr unsigned HotkeysCommand = 32799;
constexpr int List = 1052;
constexpr int Add = 1060;
constexpr int Delete = 1061;
constexpr int MoveUp = 1062;
constexpr int CheckMnemonics = 1099;
constexpr int Name = 1075;
constexpr int Extensions = 1070;
constexpr int Command = 1064;
constexpr int CommandPreview = 1088;
constexpr int Arguments = 1065;
constexpr int ArgumentsPreview = 1066;
constexpr int InitDir = 1067;
constexpr int InitDirPreview = 1068;
constexpr int CheckHotkey = 1102;

const std::vector<std::string> DefaultNames = {"&Console Window", "&Windows Explorer", "&Internet Explorer",
                                               "&Quilvane", "E&xecute Current File", "Character &Map"};

// The editor on doc.txt of its scratch folder, with the Tools editor open.
struct ToolsEditorTest : testing::Test {
  void SetUp() override {
    Editor.Folder().WriteBytes("doc.txt", "text");
    Editor.Start({Editor.Path("doc.txt")});
    ASSERT_TRUE(Editor.WaitForMainWindow());
    Dialog = Open();
    ASSERT_TRUE(Dialog);
  }
  HWND Open() {
    Editor.PostCommand(EditToolsCommand);
    return Editor.WaitForWindow("Tools");
  }
  // Clicks a button that answers with a message box; returns the box's text and closes it with answer.
  std::string ClickForMessage(int button, const char* caption, int answer = IDOK) {
    EditorProcess::Press(Dialog, button);
    HWND box = Editor.WaitForWindow(caption);
    if (!box) return "";
    const std::string text = EditorProcess::MessageBoxText(box);
    EditorProcess::Press(box, answer);
    WaitUntilClosed(box);
    return text;
  }
  int Selection() const { return static_cast<int>(SendDlgItemMessageA(Dialog, List, LB_GETCURSEL, 0, 0)); }
  bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(Dialog, id)) != FALSE; }

  EditorProcess Editor;
  HWND Dialog = nullptr;
};

TEST_F(ToolsEditorTest, StartsWithTheToolsAndTheFirstSelectedAndPreviewsTheMacrosAsTyped) {
  EXPECT_EQ(ListLines(Dialog, List), DefaultNames);
  EXPECT_EQ(Selection(), 0);
  EXPECT_EQ(FieldText(Dialog, Name), "&Console Window");
  EXPECT_EQ(FieldText(Dialog, InitDirPreview), Editor.Folder().Path(""));
  SetField(Dialog, Arguments, "%filename%.%FILEEXT% %Prompt:Enter a value% %Prompt:");
  EXPECT_EQ(FieldText(Dialog, ArgumentsPreview), "doc.txt <Enter a value> %Prompt:");
  SetField(Dialog, Command, "%FileDir%tool.exe");
  EXPECT_EQ(FieldText(Dialog, CommandPreview), Editor.Path("tool.exe"));
  // A program on the search path shows with its full path.
  SetField(Dialog, Command, "notepad.exe");
  const std::string preview = FieldText(Dialog, CommandPreview);
  EXPECT_NE(preview, "notepad.exe");
  EXPECT_NE(preview.find("\\notepad.exe"), std::string::npos);
  SetField(Dialog, InitDir, "%CurDir%");
  EXPECT_FALSE(FieldText(Dialog, InitDirPreview).empty());
  EXPECT_EQ(ClickForMessage(CheckMnemonics, "Check Mnemonics"), "There are no duplicate mnemonics.");
  SetField(Dialog, Name, "&Explorer");
  EXPECT_EQ(ListLines(Dialog, List)[0], "&Explorer");  // the line follows the name at once
  EXPECT_EQ(ClickForMessage(CheckMnemonics, "Check Mnemonics").rfind(
                "Duplicate mnemonic 'E' found in the following menu items:\n&Explorer\n&Edit Tools\n\n", 0),
            0u);
  Sleep(300);
  const Image shot = [&] {
    RECT frame;
    GetWindowRect(Dialog, &frame);
    return CaptureScreenArea(frame);
  }();
  EXPECT_FALSE(SaveScreenshot(shot, "ToolsEditor.png").empty());
}

TEST_F(ToolsEditorTest, ANewToolMustGetACommandAndValidExtensionsBeforeTheSelectionMoves) {
  EditorProcess::Press(Dialog, Add);
  Settle(Dialog);
  ASSERT_EQ(ListLines(Dialog, List).size(), 7u);
  EXPECT_EQ(Selection(), 6);
  EXPECT_EQ(FieldText(Dialog, Name), "New &Tool");
  EXPECT_EQ(FieldText(Dialog, Command), "");
  EXPECT_EQ(FieldText(Dialog, Arguments), "\"%FilePath%\"");
  EXPECT_EQ(FieldText(Dialog, InitDir), "%FileDir%");
  EXPECT_FALSE(Enabled(1063));  // Move Down on the last tool
  ClickLine(Dialog, List, 1);
  HWND error = Editor.WaitForWindow("Error");
  ASSERT_TRUE(error);
  EXPECT_EQ(EditorProcess::MessageBoxText(error), "The command cannot be empty.");
  EditorProcess::Press(error, IDOK);
  WaitUntilClosed(error);
  EXPECT_EQ(Selection(), 6);
  SetField(Dialog, Command, "sort.exe");
  SetField(Dialog, Extensions, " .txt ; a/b");
  const std::string refusal = ClickForMessage(IDOK, "Error");
  EXPECT_EQ(refusal.rfind("Extension 'a/b' is not valid.", 0), 0u) << refusal;
  ASSERT_TRUE(IsWindow(Dialog));
  SetField(Dialog, Extensions, " .txt ;..C");
  SetField(Dialog, Name, "&Sort Lines");
  SetHotkey(Dialog, 'E', HOTKEYF_CONTROL);
  EXPECT_EQ(ClickForMessage(CheckHotkey, "Check Hotkey for Conflicts"),
            "This hotkey conflicts with the hotkey for Windows Explorer.");
  SetHotkey(Dialog, 'G', HOTKEYF_CONTROL);  // Search > Goto Line's
  EXPECT_EQ(ClickForMessage(CheckHotkey, "Check Hotkey for Conflicts").rfind(
                "This hotkey conflicts with the hotkey for a menu item that is not in the Tools menu.", 0),
            0u);
  // OK asks about the conflict: Yes keeps the dialog open on that tool, No accepts it.
  ClickLine(Dialog, List, 0);
  Settle(Dialog);
  EXPECT_EQ(ClickForMessage(IDOK, "Hotkey Conflicts Found", IDYES).rfind("Quilvane found conflicting hotkeys.", 0), 0u);
  Settle(Dialog);
  ASSERT_TRUE(IsWindow(Dialog));
  EXPECT_EQ(Selection(), 6);
  ClickForMessage(IDOK, "Hotkey Conflicts Found", IDNO);
  WaitUntilClosed(Dialog);
  const std::string settings = Editor.Folder().ReadBytes("Quilvane.ini");
  EXPECT_NE(settings.find("CommandsCount=7\r\n"), std::string::npos);
  EXPECT_NE(settings.find("MenuItemName=&Sort Lines\r\nCommand=sort.exe\r\nArguments=\"%FilePath%\"\r\n"
                          "InitDir=%FileDir%\r\nSaveFileBeforeExecuting=True\r\nExtensionsCount=2\r\n=txt\r\n=C\r\n"
                          "Command=0\r\nKey=71\r\nFlags=9\r\n"),
            std::string::npos);
  // The Tools menu now holds the tool with its hotkey, as the Hotkeys editor lists it.
  Editor.PostCommand(HotkeysCommand);
  HWND hotkeys = Editor.WaitForWindow("Hotkeys");
  ASSERT_TRUE(hotkeys);
  const int tools = LineIndex(hotkeys, List, "Tools");
  ASSERT_GE(tools, 0);
  EXPECT_EQ(ListLines(hotkeys, List)[static_cast<size_t>(tools) + 7], "    Sort Lines (" + HotkeyText('G', HOTKEYF_CONTROL) + ")");
  EXPECT_EQ(ListLines(hotkeys, List)[static_cast<size_t>(tools) + 8], "    Edit Tools");
  EditorProcess::Press(hotkeys, IDCANCEL);
  WaitUntilClosed(hotkeys);
}

TEST_F(ToolsEditorTest, DeleteSelectsTheNeighbourAndCancelKeepsTheOldTools) {
  ClickLine(Dialog, List, 5);
  Settle(Dialog);
  EditorProcess::Press(Dialog, MoveUp);
  Settle(Dialog);
  EXPECT_EQ(ListLines(Dialog, List)[4], "Character &Map");
  EXPECT_EQ(Selection(), 4);
  ClickLine(Dialog, List, 5);
  Settle(Dialog);
  EditorProcess::Press(Dialog, Delete);  // the last tool: the one before it follows
  Settle(Dialog);
  EXPECT_EQ(ListLines(Dialog, List).size(), 5u);
  EXPECT_EQ(Selection(), 4);
  EXPECT_EQ(FieldText(Dialog, Name), "Character &Map");
  for (int i = 0; i < 5; ++i) {
    EditorProcess::Press(Dialog, Delete);
    Settle(Dialog);
  }
  EXPECT_TRUE(ListLines(Dialog, List).empty());
  EXPECT_EQ(Selection(), -1);
  for (int id : {Delete, Name, Command, CheckHotkey, CheckMnemonics}) EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_TRUE(Enabled(Add));
  EditorProcess::Press(Dialog, IDCANCEL);
  WaitUntilClosed(Dialog);
  Dialog = Open();
  ASSERT_TRUE(Dialog);
  EXPECT_EQ(ListLines(Dialog, List), DefaultNames);
  EditorProcess::Press(Dialog, IDCANCEL);
  WaitUntilClosed(Dialog);
}

}  // namespace
