// A printer that writes its PostScript into a file, installed in the test's Wine prefix for the
// lifetime of the object and made the default printer, so that the real program can print.
#pragma once

#include <string>

class FilePrinter {
public:
  // outputPath: a Windows path; the printer's port.
  explicit FilePrinter(const std::string& outputPath);
  // Removes the printer and its port again.
  ~FilePrinter() { Remove(); }
  FilePrinter(const FilePrinter&) = delete;
  FilePrinter& operator=(const FilePrinter&) = delete;

  bool Installed() const { return Ready; }
  // Removes the printer before the object ends, as when it is deleted while a program uses it.
  void Remove();
  static constexpr const char* Name = "Quilvane Test File Printer";

private:
  std::string Output;
  bool Ready = false;
};

// What one print job wrote in PostScript: the job's title and its pages.
struct PostScriptJob {
  std::string Title;   // the %%Title comment
  int Pages = -1;      // the %%Pages count of the trailer; -1 while the job is not complete
  int PageMarks = 0;   // the %%Page comments, one for each page
  int Copies = 1;      // what a /NumCopies request asks for
};
PostScriptJob ReadPostScriptJob(const std::string& text);
