// Windows tests of the editor's resources as the program loads them: the main menu's items and
// ids, the main window and Editor Options dialogs (controls, tab order, mnemonics, layout),
// the icon in both sizes, the version information and the manifest.
#include "editor/resources/resource.h"

#include "common/HotkeyTable.h"
#include "common/win32/WinApi.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

// The menu as an outline: one line per item, "text id", popups indented below their text,
// separators as "---".
void Outline(HMENU menu, const std::string& indent, std::string& out) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[256] = "";
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
    if (info.fType & MFT_SEPARATOR) {
      out += indent + "---\n";
    } else if (info.hSubMenu) {
      out += indent + text + "\n";
      Outline(info.hSubMenu, indent + "  ", out);
    } else {
      out += indent + text + " " + std::to_string(info.wID) + "\n";
    }
  }
}

// The menu as the program shows it before the shell adds hotkeys, recent files and tools.
const char ExpectedMenu[] = R"(&File
  &New 57600
  &Open... 57601
  ---
  &Save 57603
  Save &As... 32773
  ---
  &Print... 57607
  ---
  &Recent
    dummy 32809
  ---
  E&xit 32775
&Edit
  &Undo 57643
  &Redo 57644
  ---
  Cu&t 57635
  &Copy 57634
  &Paste 57637
  &Delete 32782
  ---
  Select &All 32783
  ---
  Ad&vanced
    Last &Clipboard 32812
    S&witch Clipboard 32795
    ---
    &Insert Time/Date 32794
    ---
    &Lower Case 32803
    &Upper Case 32804
    &Title Case 32805
    To&ggle Case 32810
&Search
  &Find... 32784
  &Replace... 32786
  ---
  Find &Next 32785
  Find &Previous 32796
  ---
  &Goto Line... 32793
  &Match Brace 32813
&Bookmarks
  &Toggle 32788
  &Next 32789
  &Previous 32790
  ---
  Clear &All 32791
&Tools
  ---
  &Edit Tools... 32792
&Options
  &Font... 32800
  &Editor... 32798
  &Hotkeys... 32799
  Syntax &Coloring... 32797
  ---
  &Word Wrap 32811
  &Zoom
    Zoom &In 32814
    Zoom &Out 32815
    &Normal Size 32816
&Help
  &Contents... 32801
  ---
  &About... 32802
)";

// The letter after the single "&" of a text, 0 when there is none ("&&" is a literal "&").
char Mnemonic(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    ++i;
  }
  return 0;
}

// How many mnemonic marks a text has; more than one confuses the user and the system alike.
int MnemonicMarks(const std::string& text) {
  int marks = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '&') {
      marks += text[i + 1] != '&';
      ++i;
    }
  return marks;
}

std::string WithoutMnemonic(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

std::string ItemText(HMENU menu, int position) {
  char text[256] = "";
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

// Every popup, the menu bar included, with its items in order.
void CollectPopups(HMENU menu, std::vector<HMENU>& popups) {
  popups.push_back(menu);
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (HMENU sub = GetSubMenu(menu, i)) CollectPopups(sub, popups);
}

void CollectIds(HMENU menu, std::vector<UINT>& ids) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU sub = GetSubMenu(menu, i))
      CollectIds(sub, ids);
    else if (!(GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR))
      ids.push_back(GetMenuItemID(menu, i));
  }
}

class MainMenuTest : public ::testing::Test {
protected:
  MainMenuTest() : Menu(LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINMENU))) {}
  ~MainMenuTest() override {
    if (Menu) DestroyMenu(Menu);
  }
  HMENU Menu;
};

TEST_F(MainMenuTest, HoldsEveryPopupAndItemInOrderWithItsFixedId) {
  ASSERT_NE(Menu, nullptr);
  std::string outline;
  Outline(Menu, "", outline);
  EXPECT_EQ(outline, ExpectedMenu);
}

TEST_F(MainMenuTest, PopupsThatTheShellReplacesSitWhereItLooksForThem) {
  ASSERT_NE(Menu, nullptr);
  const HMENU file = GetSubMenu(Menu, MENU_POS_FILE);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(ItemText(file, MENU_POS_FILE_RECENT), "&Recent");
  const HMENU recent = GetSubMenu(file, MENU_POS_FILE_RECENT);
  ASSERT_NE(recent, nullptr);
  EXPECT_EQ(GetMenuItemID(recent, 0), static_cast<UINT>(ID_FILE_RECENT_DUMMY));
  // The view's context menu is a copy of the Edit popup; tools go above the Tools separator.
  EXPECT_EQ(ItemText(Menu, MENU_POS_EDIT), "&Edit");
  EXPECT_EQ(GetMenuItemID(GetSubMenu(Menu, MENU_POS_EDIT), 0), static_cast<UINT>(ID_EDIT_UNDO));
  EXPECT_EQ(ItemText(Menu, MENU_POS_TOOLS), "&Tools");
  const HMENU tools = GetSubMenu(Menu, MENU_POS_TOOLS);
  EXPECT_TRUE(GetMenuState(tools, 0, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(GetMenuItemID(tools, 1), static_cast<UINT>(ID_TOOLS_EDIT_TOOLS));
}

TEST_F(MainMenuTest, IdsAreUniqueAndBelowTheDynamicRange) {
  ASSERT_NE(Menu, nullptr);
  std::vector<UINT> ids;
  CollectIds(Menu, ids);
  const std::set<UINT> unique(ids.begin(), ids.end());
  EXPECT_EQ(unique.size(), ids.size());
  for (UINT id : ids) {
    EXPECT_NE(id, 0u);
    // Ids of 40000 and up belong to recent files and tools; the platform help command is not an item.
    EXPECT_TRUE(id < ID_DYNAMIC_FIRST || id >= 57600) << id;
    EXPECT_NE(id, static_cast<UINT>(ID_HELP));
  }
}

TEST_F(MainMenuTest, EachPopupHasDistinctMnemonicsAndNoHotkeyColumnYet) {
  ASSERT_NE(Menu, nullptr);
  std::vector<HMENU> popups;
  CollectPopups(Menu, popups);
  for (HMENU popup : popups) {
    std::map<char, std::string> seen;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
      if (GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR) continue;
      const std::string text = ItemText(popup, i);
      EXPECT_EQ(text.find('\t'), std::string::npos) << text;
      if (GetMenuItemID(popup, i) == static_cast<UINT>(ID_FILE_RECENT_DUMMY)) continue;  // replaced at once
      const char letter = Mnemonic(text);
      EXPECT_EQ(MnemonicMarks(text), 1) << text;
      const auto [where, added] = seen.emplace(letter, text);
      EXPECT_TRUE(added) << text << " and " << where->second << " share the mnemonic " << letter;
    }
  }
}

TEST_F(MainMenuTest, HotkeyTextsGoBehindItemsInNestedPopupsToo) {
  ASSERT_NE(Menu, nullptr);
  HotkeyTable table;
  table.Entries = {MakeEntry(VK_F3, 0, ID_SEARCH_FIND_NEXT), MakeEntry(VK_F7, 0, ID_EDIT_TOGGLE_CASE)};
  table.UpdateMenuText(Menu);
  char text[256] = "";
  GetMenuStringA(Menu, ID_SEARCH_FIND_NEXT, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "Find &Next\tF3");
  GetMenuStringA(Menu, ID_EDIT_TOGGLE_CASE, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "To&ggle Case\tF7");
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// A dialog of the resources, created modeless and hidden, destroyed with the test.
class DialogTest : public ::testing::Test {
protected:
  ~DialogTest() override {
    if (Dialog) DestroyWindow(Dialog);
    Pump();
  }
  void Create(int id) {
    Dialog = CreateDialogParamA(Module(), MAKEINTRESOURCEA(id), nullptr, &PlainDialogProc, 0);
    ASSERT_NE(Dialog, nullptr);
  }
  static void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  std::string Caption() const {
    char text[256] = "";
    GetWindowTextA(Dialog, text, sizeof text);
    return text;
  }
  std::vector<HWND> Children() const {
    std::vector<HWND> children;
    for (HWND child = GetWindow(Dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      children.push_back(child);
    return children;
  }
  // The child's rectangle in the dialog's client coordinates.
  RECT Rect(HWND child) const {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, Dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  void ShowAndPaint() {
    ShowWindow(Dialog, SW_SHOW);
    SetForegroundWindow(Dialog);
    RedrawWindow(Dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
  }
  HWND Dialog = nullptr;
};

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

LONG StyleOf(HWND window) { return static_cast<LONG>(GetWindowLongPtrA(window, GWL_STYLE)); }

bool IsGroupBox(HWND window) {
  return _stricmp(ClassOf(window).c_str(), "Button") == 0 && (StyleOf(window) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool HasCheckMark(HWND window) {
  const LONG type = StyleOf(window) & BS_TYPEMASK;
  return _stricmp(ClassOf(window).c_str(), "Button") == 0 && (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON);
}

bool IsStatic(HWND window) { return _stricmp(ClassOf(window).c_str(), "Static") == 0; }

// What a control is, in words: "check", "radio", "edit digits", "button default" and so on.
std::string Kind(HWND window) {
  const std::string name = ClassOf(window);
  const LONG style = StyleOf(window);
  std::string kind;
  if (_stricmp(name.c_str(), "Edit") == 0) {
    kind = "edit";
    if (style & ES_NUMBER) kind += " digits";
    if (style & ES_READONLY) kind += " read-only";
  } else if (_stricmp(name.c_str(), "Button") == 0) {
    switch (style & BS_TYPEMASK) {
      case BS_AUTOCHECKBOX: kind = "check"; break;
      case BS_AUTORADIOBUTTON: kind = "radio"; break;
      case BS_DEFPUSHBUTTON: kind = "button default"; break;
      case BS_PUSHBUTTON: kind = "button"; break;
      default: kind = "button type " + std::to_string(style & BS_TYPEMASK);
    }
  } else {
    kind = name;
  }
  if (style & WS_GROUP) kind += " group";
  if (style & WS_TABSTOP) kind += " tab";
  return kind;
}

TEST_F(DialogTest, MainWindowIsAResizableCaptionedDialogWithTheMenuAndNoControls) {
  Create(IDD_MAIN);
  EXPECT_EQ(Caption(), "Quilvane");
  EXPECT_TRUE(Children().empty());
  const LONG style = StyleOf(Dialog);
  EXPECT_EQ(style & (WS_CHILD | WS_POPUP), 0);
  for (LONG bit : {WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX})
    EXPECT_EQ(style & bit, bit) << std::hex << bit;
  const HMENU menu = GetMenu(Dialog);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetMenuItemCount(menu), 7);
  EXPECT_EQ(ItemText(menu, 0), "&File");

  // Its template leaves the first position to the system (the 16-bit CW_USEDEFAULT).
  const HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(IDD_MAIN), RT_DIALOG);
  ASSERT_NE(found, nullptr);
  const auto* words = static_cast<const WORD*>(LockResource(LoadResource(Module(), found)));
  ASSERT_NE(words, nullptr);
  ASSERT_EQ(words[1], 0xFFFF);  // an extended template: version, signature, help id, styles, count, x
  EXPECT_EQ(words[9], 0x8000);
}

TEST_F(DialogTest, MainWindowShowsItsMenuBarInOneRowWithTheIcon) {
  Create(IDD_MAIN);
  const auto big = static_cast<HICON>(LoadImageA(Module(), MAKEINTRESOURCEA(IDI_QUILVANE), IMAGE_ICON, 32, 32, 0));
  const auto small = static_cast<HICON>(LoadImageA(Module(), MAKEINTRESOURCEA(IDI_QUILVANE), IMAGE_ICON, 16, 16, 0));
  SendMessageA(Dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageA(Dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  ShowAndPaint();
  EXPECT_FALSE(SaveScreenshot(CaptureWindow(Dialog), "MainWindow.png").empty());
  MENUBARINFO first = {}, last = {};
  first.cbSize = last.cbSize = sizeof first;
  ASSERT_TRUE(GetMenuBarInfo(Dialog, OBJID_MENU, 1, &first));
  ASSERT_TRUE(GetMenuBarInfo(Dialog, OBJID_MENU, 7, &last));
  EXPECT_EQ(first.rcBar.top, last.rcBar.top);
  DestroyWindow(Dialog);
  Dialog = nullptr;
  DestroyIcon(big);
  DestroyIcon(small);
}

TEST_F(DialogTest, EditorOptionsHasEveryControlInTabOrder) {
  Create(IDD_EDITOR_OPTIONS);
  EXPECT_EQ(Caption(), "Editor Options");
  std::string controls;
  for (HWND child : Children())
    if (GetDlgCtrlID(child) != IDC_STATIC)
      controls += std::to_string(GetDlgCtrlID(child)) + " " + Kind(child) + "\n";
  EXPECT_EQ(controls,
            "1038 check tab\n"
            "1040 radio group tab\n"
            "1041 radio\n"
            "1042 radio\n"
            "1049 edit tab\n"
            "1045 edit digits tab\n"
            "1104 check tab\n"
            "1114 check tab\n"
            "1043 check tab\n"
            "1113 check tab\n"
            "1044 edit digits tab\n"
            "1152 check tab\n"
            "1047 edit tab\n"
            "1051 edit read-only\n"
            "1 button default tab\n"
            "2 button tab\n");
}

TEST_F(DialogTest, EditorOptionsRadioGroupEndsAtTheFollowingLabel) {
  Create(IDD_EDITOR_OPTIONS);
  const HWND last = GetDlgItem(Dialog, IDC_NEWLINE_LF);
  ASSERT_NE(last, nullptr);
  EXPECT_TRUE(StyleOf(GetWindow(last, GW_HWNDNEXT)) & WS_GROUP);
  // Arrow keys move between the three buttons and no further.
  EXPECT_EQ(GetNextDlgGroupItem(Dialog, last, FALSE), GetDlgItem(Dialog, IDC_NEWLINE_CRLF));
  EXPECT_EQ(GetNextDlgGroupItem(Dialog, GetDlgItem(Dialog, IDC_NEWLINE_CRLF), TRUE), last);
}

TEST_F(DialogTest, EditorOptionsLabelsAndMnemonicsLeadToTheirFields) {
  Create(IDD_EDITOR_OPTIONS);
  std::map<char, std::string> seen;
  const std::vector<HWND> children = Children();
  for (std::size_t i = 0; i < children.size(); ++i) {
    const HWND child = children[i];
    const std::string text = TextOf(child);
    const bool isEdit = _stricmp(ClassOf(child).c_str(), "Edit") == 0;
    if (isEdit && (StyleOf(child) & WS_TABSTOP)) {
      // Every field the user types into has a label with a mnemonic just before it.
      ASSERT_GT(i, 0u);
      EXPECT_TRUE(IsStatic(children[i - 1])) << GetDlgCtrlID(child);
      EXPECT_NE(Mnemonic(TextOf(children[i - 1])), 0) << TextOf(children[i - 1]);
    }
    if (isEdit || IsGroupBox(child)) continue;
    EXPECT_LE(MnemonicMarks(text), 1) << text;
    const char letter = Mnemonic(text);
    if (letter == 0) continue;
    const auto [where, added] = seen.emplace(letter, text);
    EXPECT_TRUE(added) << text << " and " << where->second << " share the mnemonic " << letter;
  }
  EXPECT_GE(seen.size(), 12u);
}

TEST_F(DialogTest, EditorOptionsLayoutIsTidy) {
  Create(IDD_EDITOR_OPTIONS);
  RECT client;
  GetClientRect(Dialog, &client);
  const std::vector<HWND> children = Children();
  std::vector<HWND> groups, controls;
  for (HWND child : children) (IsGroupBox(child) ? groups : controls).push_back(child);
  ASSERT_EQ(groups.size(), 3u);

  const HDC dc = GetDC(Dialog);
  const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Dialog, WM_GETFONT, 0, 0)));
  const int checkWidth = GetSystemMetrics(SM_CXMENUCHECK) + 6;  // the box and the gap before the text
  for (HWND child : children) {
    const RECT r = Rect(child);
    const std::string text = TextOf(child);
    EXPECT_TRUE(r.left >= 4 && r.top >= 4 && r.right <= client.right - 4 && r.bottom <= client.bottom - 4)
        << "outside the margins: " << text << " " << GetDlgCtrlID(child);
    // No label, check box or button cuts its text off.
    if (_stricmp(ClassOf(child).c_str(), "Edit") == 0 || IsGroupBox(child)) continue;
    SIZE size;
    const std::string shown = WithoutMnemonic(text);
    GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    const int room = (r.right - r.left) - (HasCheckMark(child) ? checkWidth : IsStatic(child) ? 0 : 8);
    EXPECT_LE(size.cx, room) << "text does not fit: " << text;
  }
  SelectObject(dc, oldFont);
  ReleaseDC(Dialog, dc);

  // Controls never overlap; each one but OK and Cancel lies inside one group, groups are apart.
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const RECT a = Rect(controls[i]);
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      const RECT b = Rect(controls[j]);
      RECT both;
      EXPECT_FALSE(IntersectRect(&both, &a, &b)) << TextOf(controls[i]) << " overlaps " << TextOf(controls[j]) << " ("
                                                  << GetDlgCtrlID(controls[i]) << ", " << GetDlgCtrlID(controls[j]) << ")";
    }
    int inside = 0;
    for (HWND group : groups) {
      const RECT g = Rect(group);
      inside += a.left > g.left && a.right < g.right && a.top > g.top && a.bottom < g.bottom;
    }
    const int id = GetDlgCtrlID(controls[i]);
    EXPECT_EQ(inside, id == IDOK || id == IDCANCEL ? 0 : 1) << TextOf(controls[i]) << " " << id;
  }
  for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
    EXPECT_LT(Rect(groups[i]).bottom, Rect(groups[i + 1]).top);
    EXPECT_EQ(Rect(groups[i]).left, Rect(groups[i + 1]).left);
    EXPECT_EQ(Rect(groups[i]).right, Rect(groups[i + 1]).right);
  }

  // A label sits level with the field or buttons of its row.
  for (std::size_t i = 0; i + 1 < children.size(); ++i) {
    if (!IsStatic(children[i])) continue;
    const RECT label = Rect(children[i]);
    const RECT field = Rect(children[i + 1]);
    EXPECT_LE(std::abs((label.top + label.bottom) - (field.top + field.bottom)), 4) << TextOf(children[i]);
    EXPECT_LT(label.right, field.left) << TextOf(children[i]);
  }

  // OK and Cancel: one size, one row, below the groups, flush with their right edge.
  const RECT ok = Rect(GetDlgItem(Dialog, IDOK));
  const RECT cancel = Rect(GetDlgItem(Dialog, IDCANCEL));
  EXPECT_EQ(ok.top, cancel.top);
  EXPECT_EQ(ok.right - ok.left, cancel.right - cancel.left);
  EXPECT_LT(ok.right, cancel.left);
  EXPECT_EQ(cancel.right, Rect(groups.back()).right);
  EXPECT_GT(ok.top, Rect(groups.back()).bottom);
}

TEST_F(DialogTest, EditorOptionsScreenshot) {
  Create(IDD_EDITOR_OPTIONS);
  CheckDlgButton(Dialog, IDC_REMOVE_TRAILING_WHITESPACE, BST_CHECKED);
  CheckRadioButton(Dialog, IDC_NEWLINE_CRLF, IDC_NEWLINE_LF, IDC_NEWLINE_CRLF);
  CheckDlgButton(Dialog, IDC_AUTO_INDENT, BST_CHECKED);
  SetDlgItemTextA(Dialog, IDC_DEFAULT_EXTENTION, "txt");
  SetDlgItemTextA(Dialog, IDC_MAX_RECENT_FILES, "15");
  SetDlgItemTextA(Dialog, IDC_TAB_WIDTH, "4");
  SetDlgItemTextA(Dialog, IDC_TIME_DATE_FORMAT, "%Date% %Time%");
  SetDlgItemTextA(Dialog, IDC_TIME_DATE_PREVIEW, "12/8/2026 9:45:40 AM");
  ShowAndPaint();
  const Image shot = CaptureWindow(Dialog);
  EXPECT_FALSE(SaveScreenshot(shot, "EditorOptions.png").empty());
  // The check mark of the first box is drawn: its box holds dark pixels.
  const RECT box = Rect(GetDlgItem(Dialog, IDC_REMOVE_TRAILING_WHITESPACE));
  POINT origin = {0, 0};
  ClientToScreen(Dialog, &origin);
  RECT frame;
  GetWindowRect(Dialog, &frame);
  const int dx = origin.x - frame.left, dy = origin.y - frame.top;
  int dark = 0;
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.left + GetSystemMetrics(SM_CXMENUCHECK); ++x) {
      const COLORREF c = shot.At(x + dx, y + dy);
      dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
    }
  EXPECT_GT(dark, 4);
}

// The icon drawn over magenta at its own size, as pixels.
Image DrawnIcon(HICON icon, int size) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  const HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
  const RECT all = {0, 0, size, size};
  FillRect(dc, &all, magenta);
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  GdiFlush();
  Image image(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) image.Set(x, y, GetPixel(dc, x, y));
  DeleteObject(magenta);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return image;
}

TEST(IconTest, HoldsItsOwnImagesAt32And16Pixels) {
  const HRSRC group = FindResourceA(Module(), MAKEINTRESOURCEA(IDI_QUILVANE), RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  auto* directory = static_cast<BYTE*>(LockResource(LoadResource(Module(), group)));
  ASSERT_NE(directory, nullptr);
  for (int size : {32, 16}) {
    // The image the system picks for this size is one drawn at this size, not a scaled one.
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
    const HRSRC image = FindResourceA(Module(), MAKEINTRESOURCEA(id), RT_ICON);
    ASSERT_NE(image, nullptr) << size;
    const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Module(), image)));
    EXPECT_EQ(header->biWidth, size);
    EXPECT_EQ(header->biHeight, 2 * size);  // colour and mask
    EXPECT_EQ(header->biBitCount, 32);
  }
}

TEST(IconTest, LoadsInBothSizesWithTransparentCornersAndAPageUnderAQuill) {
  struct Probe {
    int Size;
    POINT Page;   // a white pixel of the page
    POINT Quill;  // a pixel of the feather
  };
  for (const Probe& probe : {Probe{32, {6, 3}, {20, 10}}, Probe{16, {3, 2}, {10, 5}}}) {
    const auto icon = static_cast<HICON>(
        LoadImageA(Module(), MAKEINTRESOURCEA(IDI_QUILVANE), IMAGE_ICON, probe.Size, probe.Size, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr) << probe.Size;
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, probe.Size);
    EXPECT_EQ(bitmap.bmHeight, probe.Size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    const Image image = DrawnIcon(icon, probe.Size);
    const int last = probe.Size - 1;
    for (POINT corner : {POINT{0, 0}, POINT{0, last}, POINT{last, last}})
      EXPECT_EQ(image.At(corner.x, corner.y), RGB(255, 0, 255)) << probe.Size;
    EXPECT_EQ(image.At(probe.Page.x, probe.Page.y), RGB(255, 255, 255)) << probe.Size;
    const COLORREF quill = image.At(probe.Quill.x, probe.Quill.y);
    EXPECT_GT(GetBValue(quill), GetRValue(quill) + 40) << probe.Size << " " << std::hex << quill;
    EXPECT_NE(quill, RGB(255, 0, 255)) << "the background shows through the feather";
    DestroyIcon(icon);
  }
}

std::string VersionString(const std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return "";
  return std::string(value);
}

TEST(VersionTest, NamesTheProductAndVersionOne) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  EXPECT_EQ(VersionString(block, "ProductName"), "Quilvane");
  EXPECT_EQ(VersionString(block, "ProductVersion"), "1.0");
  EXPECT_EQ(VersionString(block, "FileVersion"), "1.0");
  EXPECT_EQ(VersionString(block, "OriginalFilename"), "Quilvane.exe");
  EXPECT_NE(VersionString(block, "FileDescription").find("Quilvane"), std::string::npos);

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                             &length));
  ASSERT_GE(length, 4u);
  EXPECT_EQ(translation[0], 0x409);
  EXPECT_EQ(translation[1], 1252);
}

TEST(ManifestTest, AsksForCommonControlsSixWithoutElevationAndIsDpiAware) {
  const HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(1), RT_MANIFEST);
  ASSERT_NE(found, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(Module(), found))),
                             SizeofResource(Module(), found));
  EXPECT_EQ(manifest.rfind("<?xml", 0), 0u);
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);

  // The system read it: the program runs DPI aware and with version 6 of the common controls.
  EXPECT_TRUE(IsProcessDPIAware());
  // Version 6 of the common controls is a side-by-side assembly, loaded from the assembly store.
  const HMODULE controls = LoadLibraryA("comctl32.dll");
  ASSERT_NE(controls, nullptr);
  char path[MAX_PATH] = "";
  GetModuleFileNameA(controls, path, MAX_PATH);
  std::string lower(path);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  EXPECT_NE(lower.find("\\winsxs\\"), std::string::npos) << path;
  EXPECT_NE(lower.find("common-controls"), std::string::npos) << path;
  FreeLibrary(controls);
}

}  // namespace
