// The Syntax Coloring sheet and the About box in the real editor: Apply's messages, Cancel,
// OK writing a .lang file, a new language colouring a document, and pictures of each.
#include "common/Paths.h"
#include "common/win32/ProductLocations.h"
#include "common/win32/SystemFolders.h"
#include "editor/dialogs/win32/AboutBox.h"
#include "editor/resources/resource.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

constexpr int ApplyButton = 0x3021;  // the property sheet's own Apply button

std::string ReadFileAt(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class SheetFixture : public ::testing::Test {
protected:
  void OpenEditor(const std::vector<std::string>& arguments = {}) {
    Editor.Start(arguments);
    ASSERT_NE(nullptr, Editor.WaitForMainWindow());
  }

  // Opens the sheet from the menu; returns the page shown first (Languages).
  HWND OpenSheet() {
    Editor.PostCommand(ID_OPTIONS_SYNTAX_COLORING);
    Sheet = Editor.WaitForWindow("Syntax Coloring");
    EXPECT_NE(nullptr, Sheet);
    return CurrentPage();
  }

  HWND CurrentPage() const {
    return reinterpret_cast<HWND>(SendMessageA(Sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  }

  HWND ShowPage(int index) {
    SendMessageA(Sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return CurrentPage();
  }

  static void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
  }

  static void SetText(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

  static void ChooseComboItem(HWND dialog, int id, int index) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  }

  static int Selection(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0));
  }

  // Across processes the list box's text is read in UTF-16 (ANSI is not marshalled back).
  static std::string ListText(HWND dialog, int id, int index) {
    wchar_t text[256] = L"";
    HWND list = GetDlgItem(dialog, id);
    if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) >= 256) return "";
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    char narrow[512] = "";
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
  }

  static bool Checked(HWND dialog, int id) {
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  // Presses the sheet's button (posted: it may show a message box) and returns the box's
  // text after answering it, or "" when the sheet closes without one.
  std::string PressExpectingError(int button) {
    PostMessageA(GetDlgItem(Sheet, button), BM_CLICK, 0, 0);
    HWND box = Editor.WaitForWindow("Error");
    if (!box) return "";
    const std::string text = EditorProcess::MessageBoxText(box);
    EditorProcess::Press(box, IDOK);
    EditorProcess::WaitUntil([&] { return !IsWindow(box); });
    return text;
  }

  void PressAndWaitForClose(int button) {
    PostMessageA(GetDlgItem(Sheet, button), BM_CLICK, 0, 0);
    EditorProcess::WaitUntil([&] { return !IsWindow(Sheet); });
  }

  // A new language "Demo" for *.dm whose keywords are alpha and beta.
  void AddDemoLanguage(HWND page) {
    Click(page, IDC_ADD_LANGUAGE);
    SetText(page, IDC_LANGUAGE_NAME, "Demo");
    SetText(page, IDC_LANGUAGE_EXTENSIONS, ".dm");
    Click(page, IDC_ADD_ELEMENT);
    SetText(page, IDC_WORD_LIST, "beta\r\nalpha\r\nALPHA");
  }

  std::string LanguageFile(const std::string& name) const {
    // Without the shared folder the editor keeps new languages beside itself.
    const std::string dir = GetLanguagesDir();
    return dir == GetCommonFolders().ExeDir ? Editor.Path(name + ".lang") : JoinPath(dir, name + ".lang");
  }

  EditorProcess Editor;
  HWND Sheet = nullptr;
};

}  // namespace

TEST_F(SheetFixture, ApplyReportsTheFirstInvalidLanguageAndSelectsIt) {
  OpenEditor();
  HWND page = OpenSheet();
  const int count = static_cast<int>(SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, LB_GETCOUNT, 0, 0));
  ASSERT_GT(count, 2);
  Click(page, IDC_ADD_LANGUAGE);
  EXPECT_EQ(count, Selection(page, IDC_LANGUAGE_LIST));
  EXPECT_EQ("New Language", ListText(page, IDC_LANGUAGE_LIST, count));
  SetText(page, IDC_LANGUAGE_NAME, "c++");
  EXPECT_EQ("c++", ListText(page, IDC_LANGUAGE_LIST, count));
  EXPECT_EQ("More than one language named 'C++' exists. Language names are not case sensetive.",
            PressExpectingError(ApplyButton));
  EXPECT_EQ(count, Selection(page, IDC_LANGUAGE_LIST));

  SetText(page, IDC_LANGUAGE_NAME, "Mine");
  SetText(page, IDC_LANGUAGE_EXTENSIONS, "my;x.y");
  EXPECT_EQ(InvalidExtensionMessage("x.y"), PressExpectingError(ApplyButton));

  SetText(page, IDC_LANGUAGE_EXTENSIONS, "my");
  Click(page, IDC_ADD_ELEMENT);
  EXPECT_TRUE(Checked(page, IDC_WHOLE_WORD));
  EXPECT_EQ("Keywords", ListText(page, IDC_ELEMENT_LIST, 0));
  ChooseComboItem(page, IDC_ELEMENT_KIND, 1);  // Rest Of Line
  ChooseComboItem(page, IDC_TOKEN_KIND, 0);    // Comment unchecks Whole Word
  EXPECT_FALSE(Checked(page, IDC_WHOLE_WORD));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_WORD_LIST)));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, IDC_START_MARKER)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_END_MARKER)));
  SetText(page, IDC_START_MARKER, "REM");
  EXPECT_EQ("REM Comment", ListText(page, IDC_ELEMENT_LIST, 0));
  EXPECT_EQ(0u, PressExpectingError(ApplyButton).find("'REM' is not consistent with Whole Word option."));
  ChooseComboItem(page, IDC_TOKEN_KIND, 1);  // Keyword checks it
  EXPECT_TRUE(Checked(page, IDC_WHOLE_WORD));
  SendMessageA(GetDlgItem(Sheet, ApplyButton), BM_CLICK, 0, 0);  // passes: no message box
  EXPECT_EQ(nullptr, Editor.FindWindowNamed("Error"));
  EXPECT_NE("", ReadFileAt(LanguageFile("Mine")));
  DeleteFileA(LanguageFile("Mine").c_str());
}

TEST_F(SheetFixture, CancelLeavesTheSettingsFileAndLanguageFilesAlone) {
  OpenEditor();
  const std::string settings = ReadFileAt(Editor.Path("Quilvane.ini"));
  ASSERT_NE("", settings);
  HWND page = OpenSheet();
  Click(page, IDC_REMOVE_LANGUAGE);
  HWND colors = ShowPage(1);
  ASSERT_NE(nullptr, GetDlgItem(colors, IDC_SCHEME_LIST));
  SendDlgItemMessageA(colors, IDC_SCHEME_LIST, LB_SETCURSEL, 1, 0);
  SendMessageA(colors, WM_COMMAND, MAKEWPARAM(IDC_SCHEME_LIST, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(colors, IDC_SCHEME_LIST)));
  EXPECT_EQ("Ocean", WindowText(GetDlgItem(colors, IDC_SCHEME_NAME)));
  Click(colors, IDC_NEW_SCHEME);
  EXPECT_EQ(4, Selection(colors, IDC_SCHEME_LIST));
  EXPECT_EQ("New Color Scheme", ListText(colors, IDC_SCHEME_LIST, 4));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(colors, IDC_SCHEME_UP)));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(colors, IDC_SCHEME_DOWN)));
  PressAndWaitForClose(IDCANCEL);
  EXPECT_EQ(settings, ReadFileAt(Editor.Path("Quilvane.ini")));
  EXPECT_NE("", ReadFileAt(Editor.Path("Batch.lang")));
}

TEST_F(SheetFixture, DeletingEverySchemeLeavesOnlyNewSchemeAndApplySavesTheList) {
  OpenEditor();
  OpenSheet();
  HWND colors = ShowPage(1);
  for (int i = 0; i < 4; ++i) Click(colors, IDC_DELETE_SCHEME);
  EXPECT_EQ(0, static_cast<int>(SendDlgItemMessageA(colors, IDC_SCHEME_LIST, LB_GETCOUNT, 0, 0)));
  for (int id : {IDC_DELETE_SCHEME, IDC_SCHEME_NAME, IDC_COLOR_ITEM, IDC_CHOOSE_COLOR, IDC_SYSTEM_SELECTION,
                 IDC_SCHEME_UP, IDC_SCHEME_DOWN, IDC_PREVIEW})
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(colors, id))) << id;
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(colors, IDC_NEW_SCHEME)));
  Click(colors, IDC_NEW_SCHEME);
  SetText(colors, IDC_SCHEME_NAME, "Only");
  EXPECT_EQ("Only", ListText(colors, IDC_SCHEME_LIST, 0));
  PressAndWaitForClose(IDOK);
  const std::string settings = ReadFileAt(Editor.Path("Quilvane.ini"));
  EXPECT_NE(std::string::npos, settings.find("ColorSchemeCount=1\r\nName=Only\r\n")) << settings;
}

TEST_F(SheetFixture, ANewLanguageIsWrittenOnOkAndColoursTheOpenDocument) {
  Editor.Folder().WriteBytes("sample.dm", "alpha gamma beta\r\nALPHA\r\n");
  OpenEditor({Editor.Path("sample.dm")});
  RECT view;
  GetWindowRect(Editor.View(), &view);
  const COLORREF keywordBlue = RGB(0, 0, 255);  // the keyword colour of "Sky"
  EXPECT_EQ(0, CaptureScreenArea(view).Count(0, 0, view.right - view.left, view.bottom - view.top, keywordBlue));

  HWND page = OpenSheet();
  AddDemoLanguage(page);
  SaveScreenshot(CaptureWindow(Sheet), "syntax-languages-page.png");
  PressAndWaitForClose(IDOK);
  EXPECT_EQ("Version=10\r\n\r\nExtensionsCount=1\r\n=dm\r\nMatchCase=True\r\n\r\nLangElemCount=1\r\n\r\n"
            "LangElemKind=0\r\nTokenKind=2\r\nOptions=1\r\nWordsCount=3\r\n=ALPHA\r\n=alpha\r\n=beta\r\n\r\n",
            ReadFileAt(LanguageFile("Demo")));

  InvalidateRect(Editor.View(), nullptr, TRUE);
  UpdateWindow(Editor.View());
  Sleep(200);
  const Image shown = CaptureScreenArea(view);
  SaveScreenshot(shown, "syntax-new-language-document.png");
  EXPECT_GT(shown.Count(0, 0, shown.Width(), shown.Height(), keywordBlue), 20);
  DeleteFileA(LanguageFile("Demo").c_str());
}

TEST_F(SheetFixture, PicturesOfARangeElementAndOfTheColorsPage) {
  OpenEditor();
  HWND page = OpenSheet();
  const int cpp = static_cast<int>(SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, LB_FINDSTRINGEXACT,
                                                       static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("C++")));
  ASSERT_GE(cpp, 0);
  SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, LB_SETCURSEL, static_cast<WPARAM>(cpp), 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LIST, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_LANGUAGE_LIST)));
  const int elements = static_cast<int>(SendDlgItemMessageA(page, IDC_ELEMENT_LIST, LB_GETCOUNT, 0, 0));
  int range = -1;
  for (int i = 0; i < elements && range < 0; ++i)
    if (ListText(page, IDC_ELEMENT_LIST, i).find("/* ") == 0) range = i;
  ASSERT_GE(range, 0);
  SendDlgItemMessageA(page, IDC_ELEMENT_LIST, LB_SETCURSEL, static_cast<WPARAM>(range), 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_ELEMENT_LIST, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_ELEMENT_LIST)));
  EXPECT_EQ("/*", WindowText(GetDlgItem(page, IDC_START_MARKER)));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, IDC_SPAN_LINES)));
  Sleep(100);
  SaveScreenshot(CaptureWindow(Sheet), "syntax-languages-range.png");

  HWND colors = ShowPage(1);
  Sleep(200);
  SaveScreenshot(CaptureWindow(Sheet), "syntax-colors-page.png");
  EXPECT_EQ("Sky", WindowText(GetDlgItem(colors, IDC_SCHEME_NAME)));
  EXPECT_TRUE(Checked(colors, IDC_SYSTEM_SELECTION));
  PressAndWaitForClose(IDCANCEL);
}

TEST_F(SheetFixture, AboutBoxShowsTheVersionsAndAddresses) {
  OpenEditor();
  Editor.PostCommand(ID_HELP_ABOUT);
  HWND about = Editor.WaitForWindow("About");
  ASSERT_NE(nullptr, about);
  std::string text = WindowText(GetDlgItem(about, IDC_ABOUT_TEXT));
  std::string expected = AboutText();
  EXPECT_EQ(expected, text);
  Sleep(200);
  SaveScreenshot(CaptureWindow(about), "about-box.png");
  EditorProcess::Press(about, IDOK);
  EditorProcess::WaitUntil([&] { return !IsWindow(about); });
}
