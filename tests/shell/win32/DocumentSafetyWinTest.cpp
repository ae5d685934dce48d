// The real editor under Wine keeps other programs' files and its documents whole: a file put
// back with an older time is noticed before a save overwrites it, a killed save's temporary
// file goes with the next save, and folders and devices named as documents are refused.
#include "editor/shell/DocumentText.h"
#include "tests/shell/win32/EditorProcess.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

FILETIME WriteTimeOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  EXPECT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
  return data.ftLastWriteTime;
}

void SetWriteTime(const std::string& path, FILETIME time) {
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
  CloseHandle(file);
}

FILETIME DayBefore(FILETIME time) {
  ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
  value.QuadPart -= 24ull * 3600 * 10000000;
  return FILETIME{value.LowPart, value.HighPart};
}

// The temporary files in the folder: the editor's own ("<name>.qlvsave.tmp") and any other.
std::vector<std::string> TemporaryFiles(const ScratchFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Root()))
    if (entry.path().extension() == ".tmp") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The editor started on doc.txt of its scratch folder, with the document shown.
struct EditorOnFile {
  explicit EditorOnFile(const std::string& bytes) : File(Editor.Path("doc.txt")) {
    Editor.Folder().WriteBytes("doc.txt", bytes);
    Editor.Start({File});
    EXPECT_TRUE(Editor.WaitForMainWindow());
    EditorProcess::WaitUntil([&] { return Editor.Caption() == File; });
  }
  std::string Disk() const { return Editor.Folder().ReadBytes("doc.txt"); }
  void TypeAndWait(const std::string& text) {
    Editor.Type(text);
    EditorProcess::WaitUntil([&] { return Editor.Caption() == File + "*"; });
  }
  void SaveAndWait() {
    Editor.PressKey('S', true);
    EditorProcess::WaitUntil([&] { return Editor.Caption() == File; });
  }

  EditorProcess Editor;
  std::string File;
};

}  // namespace

TEST(DocumentSafetyTest, AFileReplacedByAnOlderCopyIsAskedAboutBeforeTheSaveAndKept) {
  EditorOnFile opened("original text");
  opened.TypeAndWait("mine ");
  // Another program puts back a copy of the same size with the time of the day before.
  const FILETIME loaded = WriteTimeOf(opened.File);
  opened.Editor.Folder().WriteBytes("doc.txt", "replaced text");
  SetWriteTime(opened.File, DayBefore(loaded));

  opened.Editor.PressKey('S', true);
  HWND box = opened.Editor.WaitForWindow("Reload File");
  ASSERT_TRUE(box);
  EXPECT_EQ(EditorProcess::MessageBoxText(box), "File '" + opened.File +
                                                    "' has been modified externally.\n\nDo you want to reload the "
                                                    "file and lose your changes?");
  EditorProcess::Press(box, IDNO);
  EditorProcess::WaitUntil([&] { return !opened.Editor.FindWindowNamed("Reload File"); });
  EXPECT_EQ(opened.Disk(), "replaced text");
  EXPECT_EQ(opened.Editor.Caption(), opened.File + "*");

  // Saving once more, after the answer, is the user's choice; the editor's own write is no
  // change for the watch.
  opened.SaveAndWait();
  EXPECT_EQ(opened.Disk(), opened.Editor.ViewText());
  EXPECT_EQ(opened.Disk().rfind("mine ", 0), 0u);
  Sleep(1500);
  EXPECT_FALSE(opened.Editor.FindWindowNamed("Reload File"));

  // A change of the size alone, under the very time the editor saw, counts as well.
  const FILETIME saved = WriteTimeOf(opened.File);
  opened.Editor.Folder().WriteBytes("doc.txt", "longer text of the other program");
  SetWriteTime(opened.File, saved);
  box = opened.Editor.WaitForWindow("Reload File");
  ASSERT_TRUE(box);
  EXPECT_EQ(EditorProcess::MessageBoxText(box), ExternalChangeQuestion(opened.File, false));
  EditorProcess::Press(box, IDYES);
  EditorProcess::WaitUntil([&] { return opened.Editor.ViewText() == "longer text of the other program"; });
  EXPECT_EQ(opened.Disk(), "longer text of the other program");
}

TEST(DocumentSafetyTest, TheNextSaveRemovesTheLeftoverOfAKilledSaveAndASaveLeavesNoTemporaryFile) {
  EditorOnFile opened("old text");
  // What a save killed while writing leaves beside the document, and the same of another one.
  const ScratchFolder& folder = opened.Editor.Folder();
  folder.WriteBytes("doc.txt.qlvsave.tmp", "new te");
  ASSERT_TRUE(SetFileAttributesA(folder.Path("doc.txt.qlvsave.tmp").c_str(), FILE_ATTRIBUTE_HIDDEN));
  folder.WriteBytes("other.txt.qlvsave.tmp", "another document's");

  opened.TypeAndWait("new ");
  opened.SaveAndWait();
  EXPECT_EQ(opened.Disk(), "new old text");
  EXPECT_EQ(GetFileAttributesA(opened.File.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(TemporaryFiles(folder), std::vector<std::string>{"other.txt.qlvsave.tmp"});
  EXPECT_EQ(folder.ReadBytes("other.txt.qlvsave.tmp"), "another document's");

  opened.TypeAndWait("more ");
  opened.SaveAndWait();
  EXPECT_EQ(opened.Disk(), "new more old text");
  EXPECT_EQ(TemporaryFiles(folder), std::vector<std::string>{"other.txt.qlvsave.tmp"});
}

struct NotAFileCase {
  const char* Name;
  const char* Argument;  // as given; "*" stands for a folder of the scratch folder
  const char* What;
};

class CommandLineNotAFileTest : public testing::TestWithParam<NotAFileCase> {};

TEST_P(CommandLineNotAFileTest, IsReportedByNameAndTheEditorGoesOnUntitled) {
  EditorProcess editor;
  std::string argument = GetParam().Argument;
  if (argument == "*") {
    argument = editor.Path("work");
    ASSERT_TRUE(CreateDirectoryA(argument.c_str(), nullptr));
  }
  editor.Start({argument});
  HWND box = editor.WaitForWindow("Error");
  ASSERT_TRUE(box);
  EXPECT_EQ(EditorProcess::MessageBoxText(box), "'" + argument + "' is a " + GetParam().What + ", not a file.");
  EditorProcess::Press(box, IDOK);
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.Caption() == "Untitled.txt"; });
  EXPECT_EQ(editor.ViewText(), "");
  PostMessageA(editor.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(editor.WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(FolderAndDevices, CommandLineNotAFileTest,
                         testing::Values(NotAFileCase{"Folder", "*", "folder"}, NotAFileCase{"Con", "CON", "device"},
                                         NotAFileCase{"Nul", "NUL", "device"}, NotAFileCase{"Com1", "COM1", "device"},
                                         NotAFileCase{"NulWithExtensionInAFolder", "C:\\x\\nul.txt", "device"}),
                         [](const testing::TestParamInfo<NotAFileCase>& info) { return std::string(info.param.Name); });

TEST(DocumentSafetyTest, AFolderChosenFromTheRecentListIsReportedAndTheDocumentStays) {
  EditorProcess editor;
  const std::string folder = editor.Path("was a file");
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  std::string settings = editor.Folder().ReadBytes("Quilvane.ini");
  const std::string empty = "RecentFilesCount=0\r\n";
  settings.replace(settings.find(empty), empty.size(), "RecentFilesCount=1\r\n=" + folder + "\r\n");
  editor.Folder().WriteBytes("Quilvane.ini", settings);
  editor.Folder().WriteBytes("doc.txt", "the document");
  const std::string document = editor.Path("doc.txt");
  editor.Start({document});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.Caption() == document; });

  // The document went to the front of the list, so the folder is the popup's second item,
  // whose id follows those of the tools' items and of the first item.
  const std::string countKey = "CommandsCount=";
  const UINT id = 40001u + static_cast<UINT>(std::stoi(settings.substr(settings.find(countKey) + countKey.size())));
  PostMessageA(editor.MainWindow(), WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(editor.MainWindow())), 0);
  PostMessageA(editor.MainWindow(), WM_COMMAND, id, 0);
  HWND box = editor.WaitForWindow("Error");
  ASSERT_TRUE(box);
  EXPECT_EQ(EditorProcess::MessageBoxText(box), "'" + folder + "' is a folder, not a file.");
  EditorProcess::Press(box, IDOK);
  EditorProcess::WaitUntil([&] { return !editor.FindWindowNamed("Error"); });
  EXPECT_EQ(editor.Caption(), document);
  EXPECT_EQ(editor.ViewText(), "the document");

  // The folder leaves the list; the document stays in it.
  PostMessageA(editor.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(editor.WaitForExit(), 0u);
  EXPECT_NE(editor.Folder().ReadBytes("Quilvane.ini").find("RecentFilesCount=1\r\n=" + document + "\r\n"),
            std::string::npos);
}
