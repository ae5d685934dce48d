// Tests of key names, the accelerator table and the menu hotkey texts on the real platform.
#include "common/HotkeyTable.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/SettingsFile.h"
#include "common/win32/KeyNames.h"
#include "common/win32/WinApi.h"

namespace {

WPARAM LastCommand = 0;

LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) LastCommand = wParam;
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateCommandWindow() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = RecordCommands;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "HotkeyTableWinTest";
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, "HotkeyTableWinTest", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                         nullptr, nullptr, windowClass.hInstance, nullptr);
}

// Posts a key press, takes it from the queue and lets the table translate it; 0 when the
// table did not, else the command id that reached the window.
WPARAM TranslateKey(HotkeyTable& table, HWND window, WPARAM key) {
  LastCommand = 0;
  PostMessageA(window, WM_KEYDOWN, key, 1);
  MSG message;
  if (!PeekMessageA(&message, window, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) return 0;
  if (!TranslateAcceleratorA(window, table.GetHandle(), &message)) return 0;
  return LOWORD(LastCommand);
}

void SetModifierKeys(bool control, bool shift) {
  BYTE keys[256] = {};
  keys[VK_CONTROL] = control ? 0x80 : 0;
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
}

HotkeyTable LoadTable(const std::string& fields) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "HotkeyTableWinTest.ini";
  std::ofstream(path, std::ios::binary) << "Version=10\r\n\r\n" << fields;
  HotkeyTable table;
  table.Entries = {MakeEntry(VK_F5, 0, 1)};
  {
    SettingsFile file(path, true);
    table.Exchange(file);
  }
  DeleteFileA(path.c_str());
  return table;
}

std::string ItemText(HMENU menu, UINT command) {
  char text[256] = "";
  GetMenuStringA(menu, command, text, sizeof text, MF_BYCOMMAND);
  return text;
}

}  // namespace

// The modifier names come from the keyboard layout: "Ctrl", "Shift" and "Alt" on an English
// Windows, the X key names under Wine.
TEST(KeyNamesTest, HotkeyTextJoinsLayoutNamesInFixedOrder) {
  const std::string ctrl = KeyName(VK_CONTROL), shift = KeyName(VK_SHIFT), alt = KeyName(VK_MENU);
  ASSERT_FALSE(ctrl.empty() || shift.empty() || alt.empty());
  EXPECT_EQ(KeyName(0), "");
  EXPECT_EQ(KeyName(VK_F5), "F5");
  EXPECT_EQ(HotkeyText(VK_F5, ControlModifier | ShiftModifier), ctrl + "+" + shift + "+F5");
  EXPECT_EQ(HotkeyText('F', AltModifier | ShiftModifier), shift + "+" + alt + "+F");
  EXPECT_EQ(HotkeyText('F', 7), ctrl + "+" + shift + "+" + alt + "+F");
  EXPECT_EQ(HotkeyText(VK_F5, 0), "F5");
  EXPECT_EQ(HotkeyText(0, ControlModifier), "");
}

TEST(KeyNamesTest, NavigationKeysAreNotNamedAsKeypadKeys) {
  EXPECT_FALSE(KeyName(VK_DELETE).empty());
  EXPECT_NE(KeyName(VK_DELETE), KeyName(VK_DECIMAL));
  EXPECT_NE(KeyName(VK_HOME), KeyName(VK_NUMPAD7));
}

TEST(KeyNamesTest, CurrentModifiersFollowTheKeyboardState) {
  SetModifierKeys(true, true);
  EXPECT_EQ(CurrentModifiers(), ControlModifier | ShiftModifier);
  SetModifierKeys(false, false);
  EXPECT_EQ(CurrentModifiers(), 0);
}

TEST(HotkeyTableWinTest, AcceleratorTableHoldsTheEntries) {
  HotkeyTable table;
  table.Entries = {MakeEntry('F', ControlModifier, 101), MakeEntry(VK_F5, ShiftModifier, 40002)};
  HACCEL handle = table.GetHandle();
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(table.GetHandle(), handle);
  ACCEL accels[4] = {};
  ASSERT_EQ(CopyAcceleratorTableA(handle, accels, 4), 2);
  EXPECT_EQ(accels[0].fVirt, FVIRTKEY | FCONTROL);
  EXPECT_EQ(accels[0].key, 'F');
  EXPECT_EQ(accels[0].cmd, 101);
  EXPECT_EQ(accels[1].fVirt, FVIRTKEY | FSHIFT);
  EXPECT_EQ(accels[1].key, VK_F5);
  EXPECT_EQ(accels[1].cmd, 40002);
}

TEST(HotkeyTableWinTest, TablesReleaseTheirAcceleratorTable) {
  HACCEL released;
  HotkeyTable survivor;
  {
    HotkeyTable table;
    table.Entries = {MakeEntry('F', ControlModifier, 101)};
    released = table.GetHandle();
    survivor = table;
    ASSERT_NE(survivor.GetHandle(), nullptr);
    EXPECT_NE(survivor.GetHandle(), released);
  }
  EXPECT_EQ(CopyAcceleratorTableA(released, nullptr, 0), 0);
  EXPECT_EQ(CopyAcceleratorTableA(survivor.GetHandle(), nullptr, 0), 1);

  HACCEL before = survivor.GetHandle();
  survivor.Invalidate();
  EXPECT_EQ(CopyAcceleratorTableA(before, nullptr, 0), 0);
  EXPECT_EQ(CopyAcceleratorTableA(survivor.GetHandle(), nullptr, 0), 1);
}

TEST(HotkeyTableWinTest, TranslationSendsTheFirstMatchingCommand) {
  HWND window = CreateCommandWindow();
  ASSERT_NE(window, nullptr);
  HotkeyTable table;
  table.Entries = {MakeEntry(VK_F5, 0, 301), MakeEntry(VK_F5, 0, 302),
                   MakeEntry('F', ControlModifier, 303)};
  SetModifierKeys(false, false);
  EXPECT_EQ(TranslateKey(table, window, VK_F5), 301u);
  EXPECT_EQ(TranslateKey(table, window, 'F'), 0u);
  SetModifierKeys(true, false);
  EXPECT_EQ(TranslateKey(table, window, 'F'), 303u);
  SetModifierKeys(false, false);

  HotkeyTable empty = LoadTable("AcceleratorTableCount=0\r\n");
  EXPECT_EQ(TranslateKey(empty, window, VK_F5), 0u);
  EXPECT_EQ(LastCommand, 0u);
  DestroyWindow(window);
}

TEST(HotkeyTableWinTest, UpdateMenuTextShowsTheCurrentHotkeys) {
  HMENU bar = CreateMenu();
  HMENU edit = CreatePopupMenu();
  AppendMenuA(edit, MF_STRING, 201, "&Find...\tCtrl+F");
  AppendMenuA(edit, MF_STRING, 202, "&Replace...");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
  AppendMenuA(bar, MF_STRING, 203, "&Goto\tCtrl+G");
  HotkeyTable table;
  table.Entries = {MakeEntry(0, 0, 201), MakeEntry('H', ControlModifier | ShiftModifier, 202),
                   MakeEntry(VK_F5, AltModifier, 203), MakeEntry('Q', 0, 299)};
  table.UpdateMenuText(bar);
  EXPECT_EQ(ItemText(bar, 201), "&Find...");
  EXPECT_EQ(ItemText(bar, 202), "&Replace...\t" + HotkeyText('H', ControlModifier | ShiftModifier));
  EXPECT_EQ(ItemText(bar, 203), "&Goto\t" + KeyName(VK_MENU) + "+F5");
  EXPECT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(GetMenuItemCount(edit), 2);
  DestroyMenu(bar);
}
