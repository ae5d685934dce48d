// The shipped Makefile language claims files without an extension, so the real editor
// colours a file named Makefile.
#include "editor/syntax/ColorScheme.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <string>

TEST(LanguageByFileNameTest, AFileNamedMakefileIsColouredAsAMakefile) {
  EditorProcess editor;  // with the shipped language files beside the program
  editor.Folder().WriteBytes("Makefile", "# build everything\r\nifdef DEBUG\r\nall: main.o\r\nendif\r\n");
  editor.Start({editor.Path("Makefile")});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.StatusText() == "Ln 1, Col 1"; });
  SetForegroundWindow(editor.MainWindow());
  RedrawWindow(editor.MainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(500);  // the other process paints in its own time

  RECT area;
  GetClientRect(editor.View(), &area);
  POINT origin{0, 0};
  ClientToScreen(editor.View(), &origin);
  OffsetRect(&area, origin.x, origin.y);
  const Image shot = CaptureScreenArea(area);
  EXPECT_FALSE(SaveScreenshot(shot, "QuilvaneMakefile.png").empty());
  ColorSchemeList schemes;
  schemes.AddDefaultSchemes();
  ASSERT_NE(schemes.Current(), nullptr);
  const int width = area.right - area.left, height = area.bottom - area.top;
  EXPECT_GT(shot.Count(0, 0, width, height, schemes.Current()->Colors[Comment]), 0);
  EXPECT_GT(shot.Count(0, 0, width, height, schemes.Current()->Colors[Keyword]), 0);
}
