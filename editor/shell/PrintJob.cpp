// The print job's pages, name and header title.
#include "editor/shell/PrintJob.h"

#include "common/Constants.h"
#include "common/Paths.h"
#include "editor/shell/DocumentText.h"

#include <algorithm>

namespace {

// One copy: pages from number 1 until the text is used up.
PrintOutcome PrintCopy(PrintDevice& device, const std::string& text, const std::string& title) {
  const int length = static_cast<int>(text.size());
  int pos = 0;
  for (int page = 1; pos < length; ++page) {
    if (!device.StartPage()) return PrintOutcome::PageRefused;
    device.DrawHeader(title, std::to_string(page));
    const int drawn = device.DrawBody(text.data() + pos, length - pos);
    if (!device.EndPage()) return PrintOutcome::PageRefused;
    if (drawn <= 0) return PrintOutcome::NoRoom;
    pos += std::min(drawn, length - pos);
  }
  return PrintOutcome::Printed;
}

}  // namespace

PrintOutcome PrintPages(PrintDevice& device, const std::string& text, const std::string& title, int copies) {
  for (int copy = 0; copy < copies; ++copy) {
    const PrintOutcome outcome = PrintCopy(device, text, title);
    if (outcome != PrintOutcome::Printed) return outcome;
  }
  return PrintOutcome::Printed;
}

std::string PrintJobName(const std::string& documentPath) {
  return std::string(ProductName) + " - " + FileNameOf(documentPath);
}

std::string PrintHeaderTitle(const std::string& documentPath) {
  return IsUntitled(documentPath) ? std::string() : FileNameOf(documentPath);
}

int CopiesToPrint(int dialogCopies, int driverCopies) {
  if (driverCopies > 1) return 1;
  return std::max(dialogCopies, 1);
}
