// The print job's pages for each copy, its name, its header title and its copies.
#include "editor/shell/PrintJob.h"

#include "editor/shell/PrintLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct PrintedPage {
  std::string Title;
  std::string Number;
  std::string Body;  // the drawn lines joined with LF
};

// A printer whose body holds a number of lines of ten 10-pixel characters, drawn through the
// page fitting the real printer uses; it records every page.
class RecordingDevice : public PrintDevice {
public:
  explicit RecordingDevice(int linesPerPage) : Height(12 * linesPerPage) {
    Font.Advances.fill(10);
    Font.TabStop = 40;
    Font.LineHeight = 12;
  }

  bool StartPage() override {
    ++Started;
    if (Started == RefuseAt) return false;
    Pages.push_back(PrintedPage{});
    return true;
  }
  void DrawHeader(const std::string& title, const std::string& number) override {
    Pages.back().Title = title;
    Pages.back().Number = number;
  }
  int DrawBody(const char* text, int length) override {
    const PageFit fit = FitPage(text, length, 100, Height, Font);
    for (const PrintLine& line : fit.Lines) {
      if (!Pages.back().Body.empty()) Pages.back().Body += '\n';
      Pages.back().Body.append(text + line.Start, line.Length);
    }
    return fit.Consumed;
  }
  bool EndPage() override {
    ++Ended;
    return true;
  }

  std::vector<std::string> Numbers() const {
    std::vector<std::string> numbers;
    for (const PrintedPage& page : Pages) numbers.push_back(page.Number);
    return numbers;
  }

  std::vector<PrintedPage> Pages;
  int Started = 0;
  int Ended = 0;
  int RefuseAt = 0;  // the StartPage call (from 1) that fails; 0: none

private:
  int Height;
  PrintFont Font;
};

using Numbers = std::vector<std::string>;

std::string LongLine(int words) {
  std::string text;
  for (int i = 0; i < words; ++i) text += "word" + std::to_string(i % 10) + " ";
  return text;
}

TEST(PrintPages, ALongSingleLineSpreadsOverPagesNumberedFromOne) {
  RecordingDevice device(4);
  // One word of five letters a line, four lines a page: 10 words fill three pages.
  EXPECT_EQ(PrintPages(device, LongLine(10), "main.cpp", 1), PrintOutcome::Printed);
  EXPECT_EQ(device.Numbers(), (Numbers{"1", "2", "3"}));
  EXPECT_EQ(device.Pages[0].Body, "word0\nword1\nword2\nword3");
  EXPECT_EQ(device.Pages[1].Body, "word4\nword5\nword6\nword7");
  EXPECT_EQ(device.Pages[2].Body, "word8\nword9");
  for (const PrintedPage& page : device.Pages) EXPECT_EQ(page.Title, "main.cpp");
  EXPECT_EQ(device.Started, 3);
  EXPECT_EQ(device.Ended, 3);
}

TEST(PrintPages, EveryCopyPrintsTheWholeTextNumberedFromOneAgain) {
  RecordingDevice device(4);
  EXPECT_EQ(PrintPages(device, LongLine(10), "", 2), PrintOutcome::Printed);
  EXPECT_EQ(device.Numbers(), (Numbers{"1", "2", "3", "1", "2", "3"}));
  for (int page = 0; page < 3; ++page) EXPECT_EQ(device.Pages[page].Body, device.Pages[page + 3].Body);
}

TEST(PrintPages, AnEmptyTextPrintsNoPageInAnyCopy) {
  RecordingDevice device(4);
  EXPECT_EQ(PrintPages(device, "", "a.txt", 3), PrintOutcome::Printed);
  EXPECT_EQ(device.Started, 0);
}

TEST(PrintPages, APageThatTakesNoCharacterEndsTheJobInsteadOfLooping) {
  RecordingDevice device(0);  // a body lower than one line
  EXPECT_EQ(PrintPages(device, "some text", "a.txt", 5), PrintOutcome::NoRoom);
  EXPECT_EQ(device.Started, 1);
  EXPECT_EQ(device.Ended, 1);  // the page was closed before the job stopped
}

TEST(PrintPages, ARefusedPageStopsTheJob) {
  RecordingDevice device(4);
  device.RefuseAt = 2;
  EXPECT_EQ(PrintPages(device, LongLine(10), "a.txt", 2), PrintOutcome::PageRefused);
  EXPECT_EQ(device.Started, 2);
  EXPECT_EQ(device.Ended, 1);
}

TEST(PrintPages, TabsAreExpandedAndLineBreaksKeptAcrossPages) {
  RecordingDevice device(2);
  EXPECT_EQ(PrintPages(device, "a\tb\tcdefgh\nsecond\nthird", "", 1), PrintOutcome::Printed);
  // a, tab to 40, b, tab to 80, then "cdefgh" crosses 100 and goes to the next line.
  EXPECT_EQ(device.Numbers(), (Numbers{"1", "2"}));
  EXPECT_EQ(device.Pages[0].Body, "a\tb\ncdefgh");
  EXPECT_EQ(device.Pages[1].Body, "second\nthird");
}

TEST(PrintJobName, TheProductNameAndTheFileNameWithoutFolder) {
  EXPECT_EQ(PrintJobName("C:\\Dev\\Source\\Main.cpp"), "Quilvane - Main.cpp");
  EXPECT_EQ(PrintJobName("Untitled.txt"), "Quilvane - Untitled.txt");
  EXPECT_EQ(PrintJobName("C:\\a & b\\notes"), "Quilvane - notes");
}

TEST(PrintHeaderTitle, TheFileNameOrNothingForAnUntitledDocument) {
  EXPECT_EQ(PrintHeaderTitle("C:\\Dev\\Source\\Main.cpp"), "Main.cpp");
  EXPECT_EQ(PrintHeaderTitle("C:\\Dev\\R&D.txt"), "R&D.txt");
  EXPECT_EQ(PrintHeaderTitle("Untitled.txt"), "");
  EXPECT_EQ(PrintHeaderTitle("Untitled"), "");
  EXPECT_EQ(PrintHeaderTitle("C:\\Dev\\Untitled.txt"), "Untitled.txt");  // a real file of that name
}

TEST(CopiesToPrint, TheEditorLoopsOnlyWhenTheDriverDoesNotMakeTheCopies) {
  EXPECT_EQ(CopiesToPrint(3, 1), 3);
  EXPECT_EQ(CopiesToPrint(1, 1), 1);
  EXPECT_EQ(CopiesToPrint(1, 4), 1);
  EXPECT_EQ(CopiesToPrint(4, 4), 1);
  EXPECT_EQ(CopiesToPrint(0, 0), 1);
}

}  // namespace
