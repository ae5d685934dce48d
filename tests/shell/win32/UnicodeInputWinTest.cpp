// The real editor under Wine takes characters beyond the code page from the keyboard whole:
// a UTF-8 document stores them, an ANSI one refuses them and keeps its bytes as they were.
#include "tests/shell/win32/EditorProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// The editor started on doc.txt holding bytes, with the document shown.
struct EditorOnFile {
  explicit EditorOnFile(const std::string& bytes) : File(Editor.Path("doc.txt")) {
    Editor.Folder().WriteBytes("doc.txt", bytes);
    Editor.Start({File});
    EXPECT_TRUE(Editor.WaitForMainWindow());
    WaitForCaption(File);
  }
  void WaitForCaption(const std::string& caption) {
    EditorProcess::WaitUntil([&] { return Editor.Caption() == caption; });
  }
  // Ctrl+S, and back once the caption lost its modified mark.
  void Save() {
    WaitForCaption(File + "*");
    Editor.PressKey('S', true);
    WaitForCaption(File);
  }
  EditorProcess Editor;
  std::string File;
};

}  // namespace

TEST(UnicodeInput, CharactersBeyondTheCodePageTypedIntoAUtf8DocumentAreSavedAsTheirUtf8Bytes) {
  EditorOnFile opened("caf\xC3\xA9\n");
  // A CJK character, then one beyond the basic plane as its two surrogates.
  opened.Editor.TypeUnits(L"\u65E5\xD83D\xDE00");
  opened.Editor.Type("x");
  opened.Save();
  EXPECT_EQ(opened.Editor.Folder().ReadBytes("doc.txt"), "\xE6\x97\xA5\xF0\x9F\x98\x80xcaf\xC3\xA9\n");
}

TEST(UnicodeInput, AnAnsiDocumentTakesTheCodePagesCharactersAndNothingBeyond) {
  EditorOnFile opened("abc\r\n");
  // e acute is in the code page; the CJK character is not, and must not become "?".
  opened.Editor.TypeUnits(L"\u65E5\u00E9");
  opened.Editor.Type("x");
  opened.Save();
  EXPECT_EQ(opened.Editor.Folder().ReadBytes("doc.txt"), "\xE9xabc\r\n");
}

TEST(UnicodeFileName, AFileNamedBeyondTheCodePageOpensShowsItsNameAndSavesButStaysOutOfRecent) {
  EditorProcess editor;
  const std::wstring folder = editor.Folder().Root().wstring();
  const std::wstring file = folder + L"\\\u65E5\u672C.txt";
  {
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(handle, "abc\r\n", 5, &written, nullptr);
    CloseHandle(handle);
  }
  editor.StartWide({file});
  ASSERT_TRUE(editor.WaitForMainWindow());
  EditorProcess::WaitUntil([&] { return editor.WideCaption() == file; });
  EXPECT_EQ(editor.ViewText(), "abc\n");
  editor.Type("x");
  EditorProcess::WaitUntil([&] { return editor.WideCaption() == file + L"*"; });
  editor.PressKey('S', true);
  EditorProcess::WaitUntil([&] { return editor.WideCaption() == file; });
  std::ifstream saved(std::filesystem::path(file), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), std::istreambuf_iterator<char>()), "xabc\r\n");
  // The save went through its own temporary file, which is gone again.
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(file + L".qlvsave.tmp")));
  editor.Command(32775);  // Exit writes the settings
  editor.WaitForExit();
  const std::string settings = editor.Folder().ReadBytes("Quilvane.ini");
  EXPECT_NE(settings.find("RecentFilesCount=0"), std::string::npos) << settings;
  EXPECT_EQ(settings.find("?.txt"), std::string::npos) << settings;
}
