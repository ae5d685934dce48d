// One print job of the document: its name, its header, how many copies the editor itself
// prints, and the loop that fills pages with the text for each copy.
#pragma once

#include <string>

// The printer as the job sees it: pages, a header line and the text body.
class PrintDevice {
public:
  virtual ~PrintDevice() = default;
  // False when the printer refuses the page; the job is then abandoned.
  virtual bool StartPage() = 0;
  // title centred (may be empty), pageNumber right-aligned.
  virtual void DrawHeader(const std::string& title, const std::string& pageNumber) = 0;
  // Draws as much of text[0, length) as fits the body, broken into lines at its width;
  // returns the number of characters drawn (the next page starts behind them).
  virtual int DrawBody(const char* text, int length) = 0;
  virtual bool EndPage() = 0;
};

enum class PrintOutcome {
  Printed,      // every copy printed (an empty text prints no page)
  PageRefused,  // the printer failed a page
  NoRoom,       // a page took no character: its body cannot hold one line
};

// For each copy, pages numbered from 1 until the text is used up. A page that draws nothing
// would draw nothing again on every following page, so the job stops there.
PrintOutcome PrintPages(PrintDevice& device, const std::string& text, const std::string& title, int copies);

// The product name, " - " and the document's file name without its folder.
std::string PrintJobName(const std::string& documentPath);
// The header's centre: the file name without its folder; empty for an untitled document.
std::string PrintHeaderTitle(const std::string& documentPath);

// The copies the editor prints itself. When the printer's own settings already ask for
// several copies the driver makes them, and the editor prints one set: never both.
int CopiesToPrint(int dialogCopies, int driverCopies);
