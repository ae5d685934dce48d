// The real editor's dialogs open over the editor's window, wherever it stands on the screen,
// and their message boxes belong to them and stand over them.
#include "editor/resources/resource.h"
#include "tests/shell/win32/EditorProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

POINT CentreOf(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  return POINT{(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
}

// Centred within a few pixels (odd sizes round either way).
void ExpectCentredOver(HWND window, HWND owner, const char* what) {
  const POINT a = CentreOf(window), b = CentreOf(owner);
  EXPECT_LE(std::abs(a.x - b.x), 2) << what << " at " << a.x << " instead of " << b.x;
  EXPECT_LE(std::abs(a.y - b.y), 2) << what << " at " << a.y << " instead of " << b.y;
}

// The editor on the screen's right half and above its middle, away from where a dialog
// centred on the screen or placed at the screen's corner would be, with room around it for
// the largest dialog to be centred without meeting the screen's edges.
HWND StartOffCentre(EditorProcess& editor) {
  editor.Folder().WriteBytes("doc.txt", "alpha\r\nbeta\r\n");
  editor.Start({editor.Path("doc.txt")});
  HWND main = editor.WaitForMainWindow();
  if (!main) return nullptr;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  SetWindowPos(main, nullptr, width / 2 - 40, 20, width / 2 + 20, height * 3 / 4 - 16, SWP_NOZORDER | SWP_NOACTIVATE);
  return main;
}

}  // namespace

TEST(DialogPlacementTest, DialogsAndTheirErrorBoxesStandOverTheirOwners) {
  EditorProcess editor;
  HWND main = StartOffCentre(editor);
  ASSERT_TRUE(main);

  editor.PostCommand(ID_SEARCH_FIND);
  HWND find = editor.WaitForWindow("Find");
  ASSERT_TRUE(find);
  ExpectCentredOver(find, main, "Find");
  PostMessageA(find, WM_CLOSE, 0, 0);
  EditorProcess::WaitUntil([&] { return !IsWindowVisible(find); });

  editor.PostCommand(ID_SEARCH_GOTO_LINE);
  HWND gotoLine = editor.WaitForWindow("Goto Line");
  ASSERT_TRUE(gotoLine);
  ExpectCentredOver(gotoLine, main, "Goto Line");
  // Moved away by the user, the dialog takes its error box along.
  SetWindowPos(gotoLine, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetDlgItemTextA(gotoLine, IDC_GOTO_LINE, "abc");
  EditorProcess::Press(gotoLine, IDOK);
  HWND error = editor.WaitForWindow("Error");
  ASSERT_TRUE(error);
  EXPECT_EQ(GetWindow(error, GW_OWNER), gotoLine);
  ExpectCentredOver(error, gotoLine, "the error box");
  EditorProcess::Press(error, IDOK);
  EditorProcess::WaitUntil([&] { return !IsWindow(error); });
  EditorProcess::Press(gotoLine, IDCANCEL);
  EditorProcess::WaitUntil([&] { return !IsWindow(gotoLine); });

  editor.PostCommand(ID_OPTIONS_SYNTAX_COLORING);
  HWND sheet = editor.WaitForWindow("Syntax Coloring");
  ASSERT_TRUE(sheet);
  ExpectCentredOver(sheet, main, "Syntax Coloring");
  PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
  EditorProcess::WaitUntil([&] { return !IsWindow(sheet); });
}
