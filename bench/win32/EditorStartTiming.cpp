// Times the real editor's start: from CreateProcess until its main window shows, with the caret
// status and the document's caption, without a file and with a generated 100 MB C++
// document opened at its first and at its last line, and the peak working set of the editor
// with the document. Usage: editor_start_timing [Quilvane.exe]; by default the one beside
// this program.
#include "bench/BenchDocument.h"
#include "bench/BenchMeasure.h"
#include "bench/BenchReport.h"
#include "common/Constants.h"
#include "common/Paths.h"
#include "common/win32/FileSystem.h"
#include "common/win32/SystemFolders.h"
#include "common/win32/WinApi.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const int StartRuns = 5;
const int LargeRuns = 3;

std::string ProgramDir() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return DirectoryOf(std::string(path, length));
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string WindowText(HWND window) {
  char text[1024] = "";
  const LRESULT length = SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return std::string(text, static_cast<size_t>(length > 0 ? length : 0));
}

struct MainSearch {
  DWORD ProcessId;
  HWND Found;
};

// The editor's main window is the shown window of the process that holds the view (id 104).
BOOL CALLBACK FindMain(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<MainSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->ProcessId || !IsWindowVisible(window) || !GetDlgItem(window, 104)) return TRUE;
  search->Found = window;
  return FALSE;
}

// The main window once it shows the caption and the caret status of a loaded document,
// which the idle time after painting sets.
bool IsShown(HWND main, const std::string& caption, const std::string& caretStatus) {
  HWND status = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
  return status && WindowText(status) == caretStatus && WindowText(main) == caption;
}

struct Run {
  double Window = -1;  // seconds from CreateProcess to the shown main window
  double Shown = -1;   // seconds from CreateProcess to the shown document
  double Closed = -1;  // seconds from WM_CLOSE to the end of the process
  double PeakBytes = 0;  // the process's peak working set when the document showed
};

// What the editor is asked to open and what it shows once it has.
struct Opening {
  std::vector<std::string> Arguments;
  std::string Caption;
  std::string CaretStatus = "Ln 1, Col 1";
};

double PeakWorkingSet(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  return GetProcessMemoryInfo(process, &counters, sizeof counters) ? static_cast<double>(counters.PeakWorkingSetSize) : 0;
}

// One start of the program with these arguments, in its own folder.
Run TimeStart(const std::string& program, const Opening& opening) {
  std::string commandLine = "\"" + program + "\"";
  for (const std::string& argument : opening.Arguments) commandLine += " \"" + argument + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  Run run;
  const double start = Now();
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      DirectoryOf(program).c_str(), &startup, &process)) {
    std::printf("Cannot start %s (error %lu).\n", program.c_str(), GetLastError());
    return run;
  }
  MainSearch search{process.dwProcessId, nullptr};
  while (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
    if (!search.Found) {
      EnumWindows(FindMain, reinterpret_cast<LPARAM>(&search));
      if (search.Found) run.Window = Now() - start;
    }
    if (search.Found && IsShown(search.Found, opening.Caption, opening.CaretStatus)) {
      run.Shown = Now() - start;
      run.PeakBytes = PeakWorkingSet(process.hProcess);
      break;
    }
    Sleep(1);
  }
  if (search.Found) {
    const double closing = Now();
    PostMessageA(search.Found, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    run.Closed = Now() - closing;
  }
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return run;
}

// Prints the row and returns the median time to the shown document (-1 when it failed).
double Report(const std::string& figure, const std::vector<Run>& runs, double budget) {
  std::vector<double> window, shown, closed;
  for (const Run& run : runs) {
    if (run.Shown < 0) {
      PrintRow(figure, "failed", "the window never showed the document", "", Mark(false));
      return -1;
    }
    window.push_back(run.Window * 1000);
    shown.push_back(run.Shown * 1000);
    closed.push_back(run.Closed * 1000);
  }
  double worst = 0;
  for (double time : shown) worst = std::max(worst, time);
  PrintRow(figure, Format("%.0f ms", Median(shown)),
           Format("window %.0f ms", Median(window)) + Format(", worst %.0f ms", worst) +
               Format(", %.0f runs", shown.size()) +
               Format(", closing %.0f ms", Median(closed)),
           Format("budget %.0f ms (median)", budget), Mark(Median(shown) <= budget));
  return Median(shown);
}

void ReportPeak(const std::string& figure, const std::vector<Run>& runs, double documentBytes, double budget) {
  double peak = 0;
  for (const Run& run : runs) peak = std::max(peak, run.PeakBytes);
  const double ratio = peak / documentBytes;
  PrintRow(figure, Format("%.0f MB", peak / 1e6), Format("%.2f B per document byte", ratio),
           Format("<= %.1f B/B", budget), Mark(peak > 0 && ratio <= budget));
}

std::vector<Run> TimeStarts(int count, const std::string& program, const Opening& opening) {
  std::vector<Run> runs;
  for (int i = 0; i < count; ++i) runs.push_back(TimeStart(program, opening));
  return runs;
}

// The program and its language files copied into a folder of their own, so that the runs
// leave the installation alone.
std::string CopyProgram(const std::string& original, const std::string& folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string copy = JoinPath(folder, "Quilvane.exe");
  if (!CopyFileA(original.c_str(), copy.c_str(), FALSE)) return "";
  std::vector<std::string> languages;
  const std::string from = DirectoryOf(original);
  ListFiles(JoinPath(from, std::string("*") + LanguageFileExtension), languages, false, false);
  for (const std::string& name : languages)
    CopyFileA(JoinPath(from, name).c_str(), JoinPath(folder, name).c_str(), FALSE);
  return copy;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string original = argc > 1 ? argv[1] : JoinPath(ProgramDir(), "Quilvane.exe");
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string folder = JoinPath(temp, "editor_start_timing");
  const std::string program = CopyProgram(original, folder);
  if (program.empty()) {
    std::printf("Cannot copy %s.\n", original.c_str());
    return 1;
  }
  // The runs write the user's settings at exit; what was there before comes back afterwards.
  const std::string settings = JoinPath(GetCommonFolders().UserDataDir, SettingsFileName);
  const bool hadSettings = FileExists(settings);
  const std::string savedSettings = hadSettings ? ReadWholeFile(settings) : "";

  const std::string document = JoinPath(folder, "Large.cpp");
  const int lines = 2500000;
  const std::string text = GenerateDocument(100LL * 1000 * 1000, lines, 7);
  WriteWholeFile(document, text);
  const double bytes = static_cast<double>(text.size());

  // The first start fills the system's caches; it is not counted.
  const Opening none{{}, "Untitled.txt"};
  TimeStart(program, none);
  Report("start-up, no file", TimeStarts(StartRuns, program, none), 500);
  const std::vector<Run> first = TimeStarts(LargeRuns, program, Opening{{document}, document});
  const double atFirst = Report("100 MB at line 1", first, 3000);
  ReportPeak("  peak working set", first, bytes, 3.2);
  const std::string last = std::to_string(lines);
  const std::vector<Run> end =
      TimeStarts(LargeRuns, program, Opening{{document, "-GL", last}, document, "Ln " + last + ", Col 1"});
  const double atEnd = Report("100 MB at last line", end, 3000);
  ReportPeak("  peak working set", end, bytes, 3.2);
  if (atFirst > 0 && atEnd > 0)
    PrintRow("last line / line 1", Format("%.2fx", atEnd / atFirst), "medians of the two rows above", "<= 1.5x",
             Mark(atEnd <= 1.5 * atFirst));

  if (hadSettings)
    WriteWholeFile(settings, savedSettings);
  else
    DeleteFileA(settings.c_str());
  DeleteFileA(document.c_str());
  return 0;
}
