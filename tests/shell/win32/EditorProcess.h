// Runs the real Quilvane.exe for a test: a copy in a scratch folder with settings of its own,
// its windows and message boxes found by caption and text, key presses sent to it.
#pragma once

#include "common/win32/WinApi.h"
#include "tests/common/ScratchFolder.h"

#include <string>
#include <vector>

class EditorProcess {
public:
  // The program beside the test program is copied into a scratch folder together with the
  // settings of a first run that write line breaks of newLineType. A settings file in the
  // per-user folder would take precedence over that one, so it goes.
  explicit EditorProcess(int newLineType = 0);
  // Ends the program if it still runs.
  ~EditorProcess();
  EditorProcess(const EditorProcess&) = delete;
  EditorProcess& operator=(const EditorProcess&) = delete;

  const ScratchFolder& Folder() const { return Scratch; }
  // A file of the scratch folder, by Windows path.
  std::string Path(const std::string& name) const { return Scratch.Path(name); }

  // Starts the program with these arguments; returns once it runs (not yet with a window).
  void Start(const std::vector<std::string>& arguments);
  // The same with arguments that the code page may not hold (a file name, for one).
  void StartWide(const std::vector<std::wstring>& arguments);
  // Waits until the main window is shown with its view; returns it.
  HWND WaitForMainWindow();
  // Waits until a window of the program with this caption shows (a message box, for one);
  // null if the program ends first.
  HWND WaitForWindow(const std::string& caption);
  // A shown window of the program with this caption, or null; does not wait.
  HWND FindWindowNamed(const std::string& caption) const;
  // Every shown top-level window of the program.
  std::vector<HWND> ProgramWindows() const;
  // The text of a message box (its static control).
  static std::string MessageBoxText(HWND box);
  // Presses a button of a dialog by its id (IDYES, IDNO, IDCANCEL, IDOK).
  static void Press(HWND dialog, int buttonId);

  HWND MainWindow() const { return Main; }
  DWORD ProcessId() const { return Process.dwProcessId; }
  HWND View() const;
  std::string Caption() const;
  // The caption in full, also where the code page lacks its characters.
  std::wstring WideCaption() const;
  // The view's text in its own form (LF breaks).
  std::string ViewText() const;
  // The caret status of the status bar.
  std::string StatusText() const;
  // The text of a part of the status bar (0 the caret, 1 the clipboard, 2 the encoding, 3 the
  // line breaks).
  std::string StatusPartText(int part) const;
  // The right edges of the status bar's parts (-1: to the window's edge).
  std::vector<int> StatusPartEdges() const;
  // Sends a menu command to the main window and waits until it has run.
  void Command(unsigned id) const;
  // Posts it instead, for a command that opens a message box or a dialog.
  void PostCommand(unsigned id) const;

  // Real key presses, to the focused view of the editor brought to the foreground, or to
  // another window of the program (a modeless dialog) brought there instead.
  void Type(const std::string& text);
  void PressKey(WORD virtualKey, bool control = false, HWND target = nullptr);
  // The key pressed count times with Shift held: a selection made with the keyboard.
  void PressShifted(WORD virtualKey, int count);
  // Characters as a keyboard layout or an input method sends them, one UTF-16 unit a key
  // press: they need not be in the code page, nor on any key.
  void TypeUnits(const std::wstring& units);

  // Waits until the program ends; returns its exit code.
  DWORD WaitForExit();
  bool IsRunning() const;

  // Polls until condition() holds. No limit of its own: a program that never gets there is
  // ended by the test runner's timeout.
  template <class Condition> static void WaitUntil(Condition condition) {
    while (!condition()) Sleep(20);
  }

private:
  void CopyLanguageFiles(const std::string& programDir);
  void SendKeys(std::vector<INPUT>& inputs, HWND target = nullptr);

  ScratchFolder Scratch;
  std::string Program;
  PROCESS_INFORMATION Process{};
  HWND Main = nullptr;
};

// Text of any window, across processes.
std::string WindowText(HWND window);
