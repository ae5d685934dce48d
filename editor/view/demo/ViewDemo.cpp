// A window that shows one file in the edit control: C and C++ coloured, the "Sky" scheme,
// line numbers, F2 toggles word wrap. For looking at the view by eye.
#include "common/FileError.h"
#include "common/Paths.h"
#include "common/TextFile.h"
#include "common/win32/FontHelpers.h"
#include "common/win32/WinApi.h"
#include "editor/syntax/ColorScheme.h"
#include "editor/syntax/CppLanguage.h"
#include "editor/view/win32/TextViewWindow.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

const char FrameClassName[] = "ViewDemoFrame";
constexpr int ViewId = 104;

bool IsCppFile(const std::string& path) {
  std::string extension = ExtensionOf(path);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const char* known : {"c", "cc", "cpp", "cxx", "h", "hh", "hpp", "hxx", "inl"})
    if (extension == known) return true;
  return false;
}

// The command line's one argument, with the quotes a path with spaces comes in.
std::string FileArgument(const char* commandLine) {
  std::string argument = commandLine ? commandLine : "";
  const auto first = argument.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  argument.erase(0, first);
  argument.erase(argument.find_last_not_of(" \t") + 1);
  if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
    argument = argument.substr(1, argument.size() - 2);
  return argument;
}

RefPtr<ColorScheme> SkyScheme() {
  ColorSchemeList schemes;
  schemes.AddDefaultSchemes();
  for (const auto& scheme : schemes.Schemes)
    if (scheme->Name == "Sky") return scheme;
  return nullptr;
}

struct Demo {
  TextViewWindow View;
  HWND Frame = nullptr;
};

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* demo = reinterpret_cast<Demo*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
  case WM_NCCREATE:
    SetWindowLongPtrA(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    break;
  case WM_SIZE:
    if (demo && demo->View.Window()) {
      MoveWindow(demo->View.Window(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      if (demo->View.GetWordWrap()) demo->View.Rewrap(true);
    }
    return 0;
  case WM_SETFOCUS:
    if (demo && demo->View.Window()) SetFocus(demo->View.Window());
    return 0;
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool CreateFrame(Demo& demo, HINSTANCE instance, const std::string& path) {
  WNDCLASSEXA frameClass{};
  frameClass.cbSize = sizeof frameClass;
  frameClass.lpfnWndProc = FrameProc;
  frameClass.hInstance = instance;
  frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  frameClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  frameClass.lpszClassName = FrameClassName;
  if (!RegisterClassExA(&frameClass)) return false;
  const std::string caption = FileTitleOf(path) + " - ViewDemo (F2: word wrap)";
  demo.Frame = CreateWindowExA(0, FrameClassName, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                               CW_USEDEFAULT, 900, 700, nullptr, nullptr, instance, &demo);
  return demo.Frame != nullptr;
}

// Courier New at 10 points; the view keeps a copy of it.
void SetProgrammersFont(TextViewWindow& view) {
  HDC screen = GetDC(nullptr);
  const int height = PointsToFontHeight(screen, 10);
  ReleaseDC(nullptr, screen);
  HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
  if (!font) return;
  view.SetFont(font);
  DeleteObject(font);
}

bool CreateView(Demo& demo, const std::string& path, std::string text) {
  RECT client;
  GetClientRect(demo.Frame, &client);
  RefPtr<LanguageDef> language = IsCppFile(path) ? MakeCppLanguage(DirectoryOf(path)) : nullptr;
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL;
  if (!demo.View.CreateView(demo.Frame, client, style, WS_EX_CLIENTEDGE, ViewId, language, SkyScheme()))
    return false;
  SetProgrammersFont(demo.View);
  demo.View.SetShowLineNumbers(true);
  demo.View.SetUseSystemSelectionColor(demo.View.GetColorScheme()->UsesSystemSelection());
  demo.View.SetText(std::move(text));
  demo.View.ClearUndo();
  demo.View.SetModified(false);
  demo.View.SetSelection(0, 0, ScrollToCaret);
  return true;
}

int RunMessageLoop(Demo& demo) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_F2) {
      demo.View.SetWordWrap(!demo.View.GetWordWrap());
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

// The file's text, or false after telling the user how the demo is started.
bool ReadDocument(const std::string& path, std::string& text) {
  try {
    if (!path.empty()) {
      text = ReadTextFile(path, true);
      return true;
    }
  } catch (const FileError&) {
  }
  std::string message = "Usage: ViewDemo <file name>\n\nShows the file in the edit control; F2 toggles word wrap.";
  if (!path.empty()) message += "\n\nThe file \"" + path + "\" cannot be read.";
  MessageBoxA(nullptr, message.c_str(), "ViewDemo", MB_OK | MB_ICONINFORMATION);
  return false;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  const std::string path = FileArgument(commandLine);
  std::string text;
  if (!ReadDocument(path, text)) return 1;
  Demo demo;
  if (!CreateFrame(demo, instance, path) || !CreateView(demo, path, std::move(text))) return 1;
  ShowWindow(demo.Frame, show);
  UpdateWindow(demo.Frame);
  SetFocus(demo.View.Window());
  return RunMessageLoop(demo);
}
