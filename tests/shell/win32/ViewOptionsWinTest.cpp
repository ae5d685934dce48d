// The real editor under Wine: zooming the displayed font by keys, wheel and menu, kept in
// the settings; the caret line's highlight from Editor Options; the gutter under a dark scheme.
#include "editor/resources/resource.h"
#include "editor/syntax/ColourMix.h"
#include "tests/shell/win32/EditorProcess.h"
#include "tests/view/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string ManyLines() {
  std::string text;
  for (int i = 1; i <= 200; ++i) text += "line " + std::to_string(i) + " of the document\r\n";
  return text;
}

// The settings of a first run with one field's value changed.
void ChangeSetting(EditorProcess& editor, const std::string& field, const std::string& value) {
  std::string settings = editor.Folder().ReadBytes("Quilvane.ini");
  const std::size_t at = settings.find("\r\n" + field + "=");
  ASSERT_NE(at, std::string::npos) << field;
  const std::size_t end = settings.find("\r\n", at + 2);
  settings.replace(at + 2, end - at - 2, field + "=" + value);
  editor.Folder().WriteBytes("Quilvane.ini", settings);
}

// Whole lines the view shows, as Page Down from the top counts them (the caret's line then).
int PageLines(EditorProcess& editor) {
  editor.PressKey(VK_HOME, true);
  EditorProcess::WaitUntil([&] { return editor.StatusText() == "Ln 1, Col 1"; });
  editor.PressKey(VK_NEXT);
  EditorProcess::WaitUntil([&] { return editor.StatusText() != "Ln 1, Col 1"; });
  const int lines = std::atoi(editor.StatusText().c_str() + 3) - 1;
  editor.PressKey(VK_HOME, true);
  EditorProcess::WaitUntil([&] { return editor.StatusText() == "Ln 1, Col 1"; });
  return lines;
}

void OpenDocument(EditorProcess& editor, const std::string& text) {
  editor.Folder().WriteBytes("doc.txt", text);
  editor.Start({editor.Path("doc.txt")});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.StatusText().rfind("Ln ", 0) == 0; });
}

// The view with its gutter as the screen shows it, saved under fileName.
Image ShootView(EditorProcess& editor, const std::string& fileName) {
  SetForegroundWindow(editor.MainWindow());
  RedrawWindow(editor.MainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(500);  // the other process paints in its own time
  RECT area;
  GetWindowRect(editor.View(), &area);
  const Image shot = CaptureScreenArea(area);
  EXPECT_FALSE(SaveScreenshot(shot, fileName).empty());
  return shot;
}

}  // namespace

TEST(ZoomWinTest, KeysWheelAndMenuZoomInStepsAndTheStepIsKeptForTheNextRun) {
  EditorProcess editor;
  OpenDocument(editor, ManyLines());
  HWND view = editor.View();
  const int normal = PageLines(editor);
  ASSERT_GT(normal, 10);

  // Each zoom is seen once it has happened: the page then holds fewer or more lines.
  auto zoomedTo = [&](auto condition) {
    int lines = 0;
    for (int i = 0; i < 50; ++i) {
      lines = PageLines(editor);
      if (condition(lines)) break;
      Sleep(20);
    }
    return lines;
  };
  editor.PressKey(0xBB, true);  // Ctrl+=, the plus key without Shift
  const int oneIn = zoomedTo([&](int lines) { return lines < normal; });
  ASSERT_LT(oneIn, normal);
  editor.PressKey(VK_ADD, true);
  const int twoIn = zoomedTo([&](int lines) { return lines < oneIn; });
  ASSERT_LT(twoIn, oneIn);
  ShootView(editor, "QuilvaneZoomedIn.png");

  // A wheel notch towards the user with Ctrl held zooms out; two half notches make one.
  PostMessageA(view, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-60)), 0);
  PostMessageA(view, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-60)), 0);
  EXPECT_EQ(zoomedTo([&](int lines) { return lines == oneIn; }), oneIn);

  editor.Command(ID_OPTIONS_ZOOM_IN);
  EXPECT_EQ(PageLines(editor), twoIn);
  editor.PressKey(VK_SUBTRACT, true);
  EXPECT_EQ(zoomedTo([&](int lines) { return lines == oneIn; }), oneIn);

  // At exit the step is stored; the next run shows the same size, Ctrl+0 the chosen font's.
  PostMessageA(editor.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(editor.WaitForExit(), 0u);
  const std::string settings = editor.Folder().ReadBytes("Quilvane.ini");
  EXPECT_NE(settings.find("\r\nWordWrap=False\r\nZoom=1\r\nHighlightCaretLine=False\r\n"), std::string::npos);
  EXPECT_NE(settings.find("\r\nFontHeight=-13\r\n"), std::string::npos) << "the chosen font stays";
  editor.Start({editor.Path("doc.txt")});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.StatusText().rfind("Ln ", 0) == 0; });
  EXPECT_EQ(PageLines(editor), oneIn);
  editor.PressKey('0', true);
  EXPECT_EQ(zoomedTo([&](int lines) { return lines == normal; }), normal);
}

// Turned on in Editor Options: the caret's line is drawn on a colour a tenth of the way from
// the scheme's background to its text, under a light and under a dark scheme, and follows
// the caret. The gutter under the dark scheme takes its colours from it too.
TEST(CaretLineWinTest, TheHighlightFollowsTheCaretUnderALightAndADarkScheme) {
  for (const int scheme : {0, 3}) {  // Sky, Space
    EditorProcess editor;
    ChangeSetting(editor, "CurrentColorScheme", std::to_string(scheme));
    ChangeSetting(editor, "ShowLineNumbers", "True");
    OpenDocument(editor, "int main() {\r\n  return 0;\r\n}\r\n");
    editor.PostCommand(ID_OPTIONS_EDITOR);
    HWND dialog = editor.WaitForWindow("Editor Options");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_HIGHLIGHT_CARET_LINE), static_cast<UINT>(BST_UNCHECKED));
    CheckDlgButton(dialog, IDC_HIGHLIGHT_CARET_LINE, BST_CHECKED);
    EditorProcess::Press(dialog, IDOK);
    EditorProcess::WaitUntil([&] { return !IsWindow(dialog); });
    editor.PressKey(VK_DOWN);
    EditorProcess::WaitUntil([&] { return editor.StatusText() == "Ln 2, Col 1"; });

    ColorSchemeList schemes;
    schemes.AddDefaultSchemes();
    schemes.CurrentColorScheme = scheme;
    const ColorScheme& colours = *schemes.Current();
    const Colour back = colours.Colors[BackgroundItem], text = colours.Colors[PlainText];
    const Colour highlight = MixColours(back, text, 1, 10);
    const Image shot = ShootView(editor, scheme == 0 ? "QuilvaneCaretLineSky.png" : "QuilvaneCaretLineSpace.png");
    RECT client;
    GetClientRect(editor.View(), &client);
    POINT origin{0, 0};
    ClientToScreen(editor.View(), &origin);
    RECT window;
    GetWindowRect(editor.View(), &window);
    const int left = origin.x - window.left, top = origin.y - window.top;
    const int lineHeight = 16;  // at least: Courier New 10 points on 96 pixels per inch
    // Far right in each row, beyond any text: the first line plain, the second highlighted.
    const int x = left + client.right - 20;
    EXPECT_EQ(shot.At(x, top + 2), back) << scheme;
    EXPECT_EQ(shot.At(x, top + lineHeight + 4), highlight) << scheme;
    // The gutter below the last line holds nothing but its fill.
    const int gutterX = 4, gutterY = top + client.bottom - 5;
    if (scheme == 3) EXPECT_EQ(shot.At(gutterX, gutterY), MixColours(back, text, 1, 8)) << "the gutter's fill";
    else EXPECT_EQ(shot.At(gutterX, gutterY), 0xE6E6E6u);

    // The caret leaves: the highlight goes with it.
    editor.PressKey(VK_UP);
    EditorProcess::WaitUntil([&] { return editor.StatusText() == "Ln 1, Col 1"; });
    const Image after = ShootView(editor, "QuilvaneCaretLineMoved.png");
    EXPECT_EQ(after.At(x, top + 2), highlight) << scheme;
    EXPECT_EQ(after.At(x, top + lineHeight + 4), back) << scheme;
  }
}
